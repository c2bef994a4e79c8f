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

#include "app/about.h"
#include "app/form1.h"
#include "fault_test_support.h"
#include "htmlview/embedded_wb.h"

namespace {

constexpr int kWait = 60000;

// What the user sees of the comparison, to compare before and after.
QStringList ComparisonState(TForm1& form) {
    QStringList state;
    for (int i = 0; i < form.frutascombo->count(); ++i) {
        state << form.frutascombo->itemText(i);
    }
    state << form.frutascombo->currentText();
    for (int i = 0; i < form.PageControl1->count(); ++i) {
        state << form.PageControl1->tabText(i);
    }
    state << form.Memo1->toPlainText() << form.Memo2->toPlainText();
    return state;
}

}  // namespace

class TestKilledRenderProcess : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        RestoreAppFiles();
        app_ = std::make_unique<AppWindows>();
        TForm1& form = *app_->form;
        for (const int row : {4, 9, 14}) {
            AddFruit(form, row);
        }
        QTRY_VERIFY_WITH_TIMEOUT(ReportShows(form, form.frutascombo->currentText()), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(ComparisonShows(form, 3), kWait);
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
        TForm1& form = *app_->form;
        TEmbeddedWB* views[] = {form.wb, form.wb2, app_->about->wb3};
        TEmbeddedWB* view = views[which];
        ModalWatcher watcher;
        const QStringList before = ComparisonState(form);
        const QString likePage = PageValue(app_->about->wb3, QStringLiteral("document.title"));
        QVERIFY(!likePage.isEmpty());

        const qint64 pid = view->page()->renderProcessPid();
        QVERIFY(pid > 0);
        QSignalSpy shownAgain(view, &TEmbeddedWB::OnDocumentComplete);
        QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(shownAgain.count() >= 1, kWait);
        QVERIFY(view->page()->renderProcessPid() != pid);

        // Every view shows its page with its charts (views that shared the process included).
        QTRY_VERIFY_WITH_TIMEOUT(ReportShows(form, form.frutascombo->currentText()), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(ComparisonShows(form, 3), kWait);
        QTRY_COMPARE_WITH_TIMEOUT(PageValue(app_->about->wb3, QStringLiteral("document.title")),
                                  likePage, kWait);
        QCOMPARE(ComparisonState(form), before);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

  private:
    std::unique_ptr<AppWindows> app_;
};

QUORVEL_REGISTER_GUI_TEST(TestKilledRenderProcess);
#include "test_killed_render_process.moc"
