#include "app/application.h"

#include <exception>

#include "app/app_icon.h"
#include "app/application_title.h"
#include "app/error_report.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(applicationIcon());
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showErrorBox(error);
        return false;
    }
}
