#pragma once

#include <QApplication>

// The application object. Its event dispatch is the program's default error handler: an error
// that escapes an event handler is shown in an error box, and the program goes on.
class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
