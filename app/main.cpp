// Start-up and shut-down: the web engine's set-up before anything else, the application object,
// then the program's windows. Every web view is gone before the application object.
#include <QGuiApplication>

#include "app/application.h"
#include "app/program_windows.h"
#include "htmlview/web_engine_setup.h"

int main(int argc, char* argv[]) {
    prepareWebEngine();
    Application application(argc, argv);
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
