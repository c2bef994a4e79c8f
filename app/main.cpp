// Start-up and shut-down: the web engine's set-up before anything else, the application object,
// the main window and then the about box created hidden, the main window shown at the centre of
// the screen, the charts drawn once out of sight. At the end the about box goes first, then the
// main window, and every web view is gone before the application object.
#include <QGuiApplication>
#include <memory>

#include "app/about_box.h"
#include "app/application.h"
#include "app/centre_on_screen.h"
#include "app/chart_warm_up.h"
#include "app/main_window.h"
#include "htmlview/web_engine_setup.h"

int main(int argc, char* argv[]) {
    prepareWebEngine();
    Application application(argc, argv);
    // Wayland launchers and task bars match the window to the desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    auto mainWindow = std::make_unique<MainWindow>();
    auto about = std::make_unique<AboutBox>();
    mainWindow->setAbout(about.get());
    // Once the window's first page is done, the charts are drawn once out of sight, so the first
    // report the user asks for does not wait for the web engine to compile Chart.js.
    ChartWarmUp warmUp;
    warmUp.startAfterFirstPage(*mainWindow->fruitReportView);
    centreOnScreen(*mainWindow);
    mainWindow->show();
    const int result = Application::exec();
    about.reset();
    mainWindow.reset();
    return result;
}
