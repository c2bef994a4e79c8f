#include "app/startup/application.h"

#include <exception>

#include "app/shared/app_icon.h"
#include "app/shared/application_title.h"
#include "app/startup/error_report.h"

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
