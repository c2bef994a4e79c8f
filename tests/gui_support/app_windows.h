#pragma once

#include <memory>

class TAbout;
class TForm1;

// The two windows as the program makes them: main window first, then the about box; the about
// box goes first at the end.
struct AppWindows {
    AppWindows();
    ~AppWindows();
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TAbout> about;
};
