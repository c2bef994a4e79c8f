// Start-up and shut-down: the web engine's set-up before anything else, the application object,
// the main window and then the about box created hidden, the main window shown at the centre of
// the screen. At the end the about box goes first, then the main window, and every web view is
// gone before the application object.
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <memory>

#include "app/about.h"
#include "app/application.h"
#include "app/form1.h"
#include "htmlview/web_engine_setup.h"

namespace {

void ShowCentred(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    window.show();
}

}  // namespace

int main(int argc, char* argv[]) {
    PrepareWebEngine();
    TApplication application(argc, argv);
    // Wayland launchers and task bars match the window to the desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    auto form1 = std::make_unique<TForm1>();
    auto about = std::make_unique<TAbout>();
    form1->SetAbout(about.get());
    ShowCentred(*form1);
    const int result = TApplication::exec();
    about.reset();
    form1.reset();
    return result;
}
