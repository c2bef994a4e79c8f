// The web engine runs each page in a process of its own that can die while the page is shown
// (killed by the user or the system). The view then shows its page again, charts and all, and
// the comparison behind it stays as it was.
#include <signal.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QWebEnginePage>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "fault_test_support.h"
#include "htmlview/html_view.h"

namespace {

constexpr int kWait = 60000;

// What the user sees of the comparison, to compare before and after.
QStringList comparisonState(MainWindow& form) {
    QStringList state;
    for (int i = 0; i < form.comparedFruitsCombo->count(); ++i) {
        state << form.comparedFruitsCombo->itemText(i);
    }
    state << form.comparedFruitsCombo->currentText();
    for (int i = 0; i < form.reportTabs->count(); ++i) {
        state << form.reportTabs->tabText(i);
    }
    state << form.fruitReportSource->toPlainText() << form.comparisonSource->toPlainText();
    return state;
}

}  // namespace

class TestKilledRenderProcess : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        restoreAppFiles();
        app_ = std::make_unique<ProgramWindows>();
        MainWindow& form = app_->mainWindow();
        for (const int row : {4, 9, 14}) {
            addFruit(form, row);
        }
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 3), kWait);
    }
    void cleanupTestCase() { app_.reset(); }

    void killedWhileShown_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("report view") << 0;
        QTest::newRow("comparison view") << 1;
        QTest::newRow("about box view") << 2;
        QTest::newRow("report view again") << 0;
    }
    void killedWhileShown() {
        QFETCH(int, which);
        MainWindow& form = app_->mainWindow();
        HtmlView* views[] = {form.fruitReportView, form.comparisonView, app_->aboutBox().likeView};
        HtmlView* view = views[which];
        ModalWatcher watcher;
        const QStringList before = comparisonState(form);
        const QString likePage = pageValue(app_->aboutBox().likeView, QStringLiteral("document.title"));
        QVERIFY(!likePage.isEmpty());

        const qint64 pid = view->page()->renderProcessPid();
        QVERIFY(pid > 0);
        QSignalSpy shownAgain(view, &HtmlView::documentComplete);
        QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(shownAgain.count() >= 1, kWait);
        QVERIFY(view->page()->renderProcessPid() != pid);

        // Every view shows its page with its charts (views that shared the process included).
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 3), kWait);
        QTRY_COMPARE_WITH_TIMEOUT(
            pageValue(app_->aboutBox().likeView, QStringLiteral("document.title")), likePage, kWait);
        QCOMPARE(comparisonState(form), before);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

  private:
    std::unique_ptr<ProgramWindows> app_;
};

QUORVEL_REGISTER_GUI_TEST(TestKilledRenderProcess);
#include "test_killed_render_process.moc"
