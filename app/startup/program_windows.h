#pragma once

#include <memory>

class AboutBox;
class ChartWarmUp;
class MainWindow;

// The program's windows as every start makes them, for the entry point, the tests and the
// benchmark alike: the main window, then the about box (which starts loading its page), both
// hidden, and the charts drawn once out of sight after the main window's first page. At the end
// the about box goes first, then the main window.
class ProgramWindows {
  public:
    // Without warmUpCharts the first report compiles the chart library itself (for comparisons).
    explicit ProgramWindows(bool warmUpCharts = true);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    MainWindow& mainWindow() const { return *mainWindow_; }
    AboutBox& aboutBox() const { return *aboutBox_; }
    ChartWarmUp& chartWarmUp() const { return *chartWarmUp_; }

    // Shows the main window at the centre of the screen.
    void show();

  private:
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<ChartWarmUp> chartWarmUp_;
};
