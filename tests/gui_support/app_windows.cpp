#include "app_windows.h"

#include "app/about_box.h"
#include "app/main_window.h"

AppWindows::AppWindows() {
    form = std::make_unique<MainWindow>();
    about = std::make_unique<AboutBox>();
    form->setAbout(about.get());
}

AppWindows::~AppWindows() {
    about.reset();
    form.reset();
}
