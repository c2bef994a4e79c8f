// Every way of closing the main window shows the about box modally first, every time, and the
// window then closes whichever way the box was dismissed.
#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "app_test_support.h"

namespace {

// The application's event loop as the program runs it; a loop that the program never ends is ended
// after a minute with -1, so the test fails instead of hanging.
int execWithWatchdog() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    watchdog.start(60000);
    return QCoreApplication::exec();
}

}  // namespace

class TestExit : public QObject {
    Q_OBJECT
  private slots:
    void init() { writeTestAppFiles(); }

    void everyExitShowsTheAboutBox() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        ModalWatcher watcher;

        // "Exit", dismissed by OK, inside the application's event loop: the loop ends, as the
        // program does.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTimer::singleShot(0, form.exitAction, &QAction::trigger);
        QCOMPARE(execWithWatchdog(), 0);
        QCOMPARE(watcher.aboutShownModal, 1);
        QVERIFY(!form.isVisible());

        // The close box, dismissed by the about box's close box: the loop ends too.
        watcher.dismissAbout = ModalWatcher::Dismiss::ByCloseBox;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTimer::singleShot(0, &form, &QWidget::close);
        QCOMPARE(execWithWatchdog(), 0);
        QCOMPARE(watcher.aboutShownModal, 2);
        QVERIFY(!form.isVisible());

        // A close request from the window system (the close key, the system menu).
        watcher.dismissAbout = ModalWatcher::Dismiss::ByOk;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.windowHandle()->close());
        QCOMPARE(watcher.aboutShownModal, 3);
        QVERIFY(!form.isVisible());

        // Having seen the box from the menu does not spare it on exit.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.aboutAction->trigger();
        QCOMPARE(watcher.aboutShownModal, 4);
        QVERIFY(form.isVisible());
        form.exitAction->trigger();
        QCOMPARE(watcher.aboutShownModal, 5);
        QVERIFY(!form.isVisible());
        QCOMPARE(watcher.aboutCaptions.size(), 5);
        QVERIFY(!app.aboutBox().isVisible());
    }
};

QUORVEL_REGISTER_GUI_TEST(TestExit);
#include "test_exit.moc"
