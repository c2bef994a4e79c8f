// A chart script that never ends runs in the page's own process: the main window goes on
// answering the user while it spins, and once the script is mended the view shows the next page.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWebEnginePage>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "fault_test_support.h"
#include "htmlview/html_view.h"

namespace {

// A round trip through the event loop within a minute. The timer belongs to this call, so when the
// wait fails it goes with the call instead of firing into a finished test's locals.
bool eventLoopComesRound() {
    bool fired = false;
    const QObject owner;  // made after fired, so it goes first
    QTimer::singleShot(0, &owner, [&fired] { fired = true; });
    return waitForEngine([&fired] { return fired; }, 60000);
}

}  // namespace

class TestEndlessScript : public QObject {
    Q_OBJECT
  private slots:
    void cleanupTestCase() { restoreAppFiles(); }

    void windowAnswersWhileAScriptSpins() {
        restoreAppFiles();
        writeAppFile("vis.dat", "for (;;) {}\n");
        ModalWatcher watcher;
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        QSignalSpy comparisons(form.comparisonView, &HtmlView::documentComplete);
        // The placeholder page has finished and its scripts were handed over: vis.dat spins.
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 60000);

        QVERIFY(eventLoopComesRound());

        // The user's actions take effect in the window.
        form.fruitList->setCurrentRow(7);
        QCOMPARE(form.currentFruitLabel->text(), form.fruitList->item(7)->text());
        addFruit(form, 7);
        addFruit(form, 8);
        QCOMPARE(form.comparedFruitsCombo->count(), 2);
        QCOMPARE(form.comparedFruitsCombo->currentText(), form.fruitList->item(8)->text());
        QCOMPARE(form.reportTabs->count(), 2);
        QCOMPARE(form.reportTabs->tabText(0),
                 form.fruitList->item(8)->text() + QStringLiteral(" Report"));
        form.aboutButton->click();
        QCOMPARE(watcher.aboutShown, 1);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
        QVERIFY(eventLoopComesRound());
    }

    // The report view's next page shows once the script no longer spins: the view has to give
    // up the page that does not answer (its process) rather than wait for it for ever.
    void nextPageShowsAfterTheScriptIsMended() {
        restoreAppFiles();
        writeAppFile("vis.dat", "for (;;) {}\n");
        ModalWatcher watcher;
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        QTRY_VERIFY_WITH_TIMEOUT(reports.count() >= 1, 60000);  // the placeholder's scripts spin

        restoreAppFiles();
        QSignalSpy next(form.fruitReportView, &HtmlView::documentComplete);
        addFruit(form, 3);
        // The view gives the spinning page's process up and shows the new page.
        QTRY_VERIFY_WITH_TIMEOUT(next.count() >= 1, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), 60000);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }
};

QUORVEL_REGISTER_GUI_TEST(TestEndlessScript);
#include "test_endless_script.moc"
