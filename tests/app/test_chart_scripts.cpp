// The chart scripts beside the program: which run after each finished page, in which view and
// order, what a missing script does, and that an edited script is read afresh.
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include "app/form1.h"
#include "app_test_support.h"
#include "data/app_folder.h"
#include "htmlview/embedded_wb.h"

namespace {

const QString kReportRun = QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;exa.dat;");
const QString kComparisonRun = QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;exacomp.dat;");

QString Tables(TEmbeddedWB* view) {
    return PageValue(view, QStringLiteral("document.getElementsByTagName('table').length"));
}

void Add(TForm1& form, int row) {
    form.listafrutas->setCurrentRow(row);
    form.Button4->click();
}

}  // namespace

class TestChartScripts : public QObject {
    Q_OBJECT
  private slots:
    void init() { WriteTestAppFiles(); }
    void cleanup() { WriteTestAppFiles(); }

    void orderInEachView() {
        AppWindows app;
        TForm1& form = *app.form;
        QSignalSpy reports(form.wb, &TEmbeddedWB::OnDocumentComplete);
        QSignalSpy comparisons(form.wb2, &TEmbeddedWB::OnDocumentComplete);

        // The placeholder page gets the report's scripts too.
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), kReportRun, 30000);
        QCOMPARE(Tables(form.wb), QStringLiteral("0"));

        // One fruit is no comparison: once the report of it has run its scripts (the views share
        // their process), the comparison view has not begun a page.
        QSignalSpy comparisonStarted(form.wb2->page(), &QWebEnginePage::loadStarted);
        Add(form, 0);
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 2, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), kReportRun, 30000);
        QVERIFY(!form.wb2->page()->isLoading());
        QCOMPARE(comparisonStarted.count(), 0);
        QCOMPARE(comparisons.count(), 0);
        Add(form, 1);
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 3, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(comparisons.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(Tables(form.wb), QStringLiteral("5"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), kReportRun, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(Tables(form.wb2), QStringLiteral("10"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb2), kComparisonRun, 30000);

        // The hidden Button2 and the method Button6Click run the sequences once more.
        form.Button2->click();
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), kReportRun + kReportRun, 30000);
        form.Button6Click();
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb2), kComparisonRun + kComparisonRun, 30000);
    }

    void missingScriptGivesOneBoxPerPage() {
        AppWindows app;
        TForm1& form = *app.form;
        QSignalSpy reports(form.wb, &TEmbeddedWB::OnDocumentComplete);
        QSignalSpy comparisons(form.wb2, &TEmbeddedWB::OnDocumentComplete);
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), kReportRun, 30000);

        RemoveAppFile("vis.dat");
        ModalWatcher watcher;
        const QString expected = QStringLiteral("Cannot open file \"") +
                                 QString::fromStdString(AppFolder()) +
                                 QStringLiteral("vis.dat\". No such file or directory.");
        const QString partial = QStringLiteral("jq.dat;enh.dat;exc.dat;");

        Add(form, 0);  // one page in wb
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 2, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{1}, 30000);
        QCOMPARE(watcher.boxes.at(0).text, expected);
        QCOMPARE(watcher.boxes.at(0).title, QStringLiteral("Quorvel"));
        QCOMPARE(watcher.boxes.at(0).icon, QMessageBox::Critical);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), partial, 30000);

        Add(form, 1);  // one page in each view: the next pages try again
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 3, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(comparisons.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{3}, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb2), partial, 30000);

        form.Button1->click();  // a fourth page: still exactly one box per page
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 4, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{4}, 30000);
        QCOMPARE(reports.count() + comparisons.count() - 1, 4);
        for (const auto& box : watcher.boxes) {
            QCOMPARE(box.text, expected);
        }
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), partial, 30000);
    }

    void editedScriptTakesEffectAtNextLoad() {
        AppWindows app;
        TForm1& form = *app.form;
        QSignalSpy reports(form.wb, &TEmbeddedWB::OnDocumentComplete);
        Add(form, 5);
        QTRY_COMPARE_WITH_TIMEOUT(Tables(form.wb), QStringLiteral("5"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb), kReportRun, 30000);
        const int pages = reports.count();

        WriteTestScript("exa.dat", "exa.dat(edited)");
        form.Button1->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), pages + 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(ScriptsRan(form.wb),
                                  QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;exa.dat(edited);"),
                                  30000);
    }
};

QUORVEL_REGISTER_GUI_TEST(TestChartScripts);
#include "test_chart_scripts.moc"
