// Start-up and shut-down: the web engine's set-up before anything else, the application object,
// then the program's windows. Every web view is gone before the application object.
#include <QGuiApplication>
#include <cstdio>
#include <stdexcept>

#include "app/startup/application.h"
#include "app/startup/program_language.h"
#include "app/startup/program_windows.h"
#include "htmlview/web_engine_setup.h"

int main(int argc, char* argv[]) {
    // The language first: the windows read it as they are made.
    try {
        setProgramLanguage(languageAtStart(argc, argv));
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "quorvel: %s\n", error.what());
        return 2;
    }
    prepareWebEngine();
    Application application(argc, argv);
    if (!installTranslations(application, programLanguage())) {
        std::fputs(
            "quorvel: the Spanish window texts are missing from this build; the window stays "
            "in English\n",
            stderr);
    }
    // Wayland launchers and task bars match the window to the desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    int result = 0;
    {
        ProgramWindows windows;
        windows.show();
        result = Application::exec();
    }
    return result;
}
