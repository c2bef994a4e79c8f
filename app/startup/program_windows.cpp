#include "app/startup/program_windows.h"

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "app/shared/centre_on_screen.h"
#include "app/startup/chart_warm_up.h"

ProgramWindows::ProgramWindows(bool warmUpCharts)
    : mainWindow_(std::make_unique<MainWindow>()),
      aboutBox_(std::make_unique<AboutBox>()),
      chartWarmUp_(std::make_unique<ChartWarmUp>()) {
    mainWindow_->setAboutBox(aboutBox_.get());
    // The first report the user asks for then does not wait for the web engine to compile the
    // chart library and scripts.
    if (warmUpCharts) {
        chartWarmUp_->startAfterFirstPage(*mainWindow_->fruitReportView);
    }
}

// The members go in reverse order: the warm-up, the about box, then the main window.
ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::show() {
    centreOnScreen(*mainWindow_);
    mainWindow_->show();
}
