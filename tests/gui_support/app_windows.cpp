#include "app_windows.h"

#include "app/about.h"
#include "app/form1.h"

AppWindows::AppWindows() {
    form = std::make_unique<TForm1>();
    about = std::make_unique<TAbout>();
    form->SetAbout(about.get());
}

AppWindows::~AppWindows() {
    about.reset();
    form.reset();
}
