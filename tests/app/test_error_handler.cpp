// The application's default error handling: an error escaping a handler or an event is shown in
// an error box with the application's title and a final period, and the program goes on.
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <stdexcept>

#include "app/startup/error_report.h"
#include "app_test_support.h"

namespace {

class ThrowingObject : public QObject {
  public:
    explicit ThrowingObject(const char* text) : text_(text) {}
    int handled = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            ++handled;
            throw std::runtime_error(text_);
        }
        return QObject::event(event);
    }

  private:
    const char* text_;
};

}  // namespace

class TestErrorHandler : public QObject {
    Q_OBJECT
  private slots:
    void eventErrorsAreShownAndTheProgramGoesOn() {
        ModalWatcher watcher;
        ThrowingObject thrower("Something went wrong");
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{2}, 30000);
        QCOMPARE(thrower.handled, 2);
        QCOMPARE(watcher.boxes.at(0).title, QStringLiteral("Quorvel"));
        QCOMPARE(watcher.boxes.at(0).text, QStringLiteral("Something went wrong."));
        QCOMPARE(watcher.boxes.at(0).icon, QMessageBox::Critical);
    }

    void guardedHandlersReportTheSameWay() {
        ModalWatcher watcher;
        bool after = false;
        guarded([] { throw std::runtime_error("Ends in a period."); })();
        after = true;
        guarded([] { throw std::out_of_range("List index out of bounds (145)"); })();
        QVERIFY(after);
        QCOMPARE(watcher.boxes.size(), std::size_t{2});
        QCOMPARE(watcher.boxes.at(0).text, QStringLiteral("Ends in a period."));
        QCOMPARE(watcher.boxes.at(1).text, QStringLiteral("List index out of bounds (145)."));
        int runs = 0;
        guarded([&runs] { ++runs; })();
        QCOMPARE(runs, 1);
        QCOMPARE(watcher.boxes.size(), std::size_t{2});
    }
};

QUORVEL_REGISTER_GUI_TEST(TestErrorHandler);
#include "test_error_handler.moc"
