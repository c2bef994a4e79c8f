#pragma once

#include <memory>

class AboutBox;
class MainWindow;

// The two windows as the program makes them: main window first, then the about box; the about
// box goes first at the end.
struct AppWindows {
    AppWindows();
    ~AppWindows();
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<AboutBox> about;
};
