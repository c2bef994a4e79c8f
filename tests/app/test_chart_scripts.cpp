// The chart scripts beside the program: which run after each finished page, in which view and
// order, what a missing script does, that an edited script is read afresh, and the report
// shown again from its menu.
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include "app/main_window/main_window.h"
#include "app_test_support.h"
#include "data/app_folder.h"
#include "htmlview/html_view.h"

namespace {

const QString kReportRun = QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;exa.dat;");
const QString kComparisonRun = QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;exacomp.dat;");

QString tables(HtmlView* view) {
    return pageValue(view, QStringLiteral("document.getElementsByTagName('table').length"));
}

void add(MainWindow& form, int row) {
    form.fruitList->setCurrentRow(row);
    form.addButton->click();
}

}  // namespace

class TestChartScripts : public QObject {
    Q_OBJECT
  private slots:
    void init() { writeTestAppFiles(); }
    void cleanup() { writeTestAppFiles(); }

    void orderInEachView() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        QSignalSpy comparisons(form.comparisonView, &HtmlView::documentComplete);

        // The placeholder page gets the report's scripts too.
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun, 30000);
        QCOMPARE(tables(form.fruitReportView), QStringLiteral("0"));

        // One fruit is no comparison: once the report of it has run its scripts (the views share
        // their process), the comparison view has not begun a page.
        QSignalSpy comparisonStarted(form.comparisonView->page(), &QWebEnginePage::loadStarted);
        add(form, 0);
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 2, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun, 30000);
        QVERIFY(!form.comparisonView->page()->isLoading());
        QCOMPARE(comparisonStarted.count(), 0);
        QCOMPARE(comparisons.count(), 0);
        add(form, 1);
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 3, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(comparisons.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(tables(form.fruitReportView), QStringLiteral("5"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(tables(form.comparisonView), QStringLiteral("10"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.comparisonView), kComparisonRun, 30000);

        // The hidden Button2 and redrawComparisonCharts run the sequences once more.
        form.redrawChartsButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun + kReportRun, 30000);
        form.redrawComparisonCharts();
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.comparisonView), kComparisonRun + kComparisonRun,
                                  30000);
    }

    void missingScriptGivesOneBoxPerPage() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        QSignalSpy comparisons(form.comparisonView, &HtmlView::documentComplete);
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun, 30000);

        removeAppFile("vis.dat");
        ModalWatcher watcher;
        const QString expected = QStringLiteral("Cannot open file \"") +
                                 QString::fromStdString(appFolder()) +
                                 QStringLiteral("vis.dat\". No such file or directory.");
        const QString partial = QStringLiteral("jq.dat;enh.dat;exc.dat;");

        add(form, 0);  // one page in wb
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 2, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{1}, 30000);
        QCOMPARE(watcher.boxes.at(0).text, expected);
        QCOMPARE(watcher.boxes.at(0).title, QStringLiteral("Quorvel"));
        QCOMPARE(watcher.boxes.at(0).icon, QMessageBox::Critical);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), partial, 30000);

        add(form, 1);  // one page in each view: the next pages try again
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 3, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(comparisons.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{3}, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.comparisonView), partial, 30000);

        form.refreshReportButton->click();  // a fourth page: still exactly one box per page
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 4, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{4}, 30000);
        QCOMPARE(reports.count() + comparisons.count() - 1, 4);
        for (const auto& box : watcher.boxes) {
            QCOMPARE(box.text, expected);
        }
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), partial, 30000);
    }

    void editedScriptTakesEffectAtNextLoad() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        add(form, 5);
        QTRY_COMPARE_WITH_TIMEOUT(tables(form.fruitReportView), QStringLiteral("5"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun, 30000);
        const int pages = reports.count();

        writeTestScript("exa.dat", "exa.dat(edited)");
        form.refreshReportButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), pages + 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView),
                                  QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;exa.dat(edited);"),
                                  30000);
    }

    // The report's own menu has no way back to the first fruit; its Reload shows the tab's fruit
    // again, charts and all.
    void menuReloadShowsTheLastReport() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        add(form, 0);
        add(form, 1);
        const auto showsSecond = [&] {
            return pageValue(form.fruitReportView, QStringLiteral("document.body.innerText"))
                .contains(form.fruitList->item(1)->text(), Qt::CaseInsensitive);
        };
        QTRY_VERIFY_WITH_TIMEOUT(showsSecond(), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun, 30000);
        QTest::mouseClick(form.fruitReportView->focusProxy(), Qt::RightButton);
        QMenu* menu = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((menu = form.fruitReportView->findChild<QMenu*>()) != nullptr,
                                 kEngineWaitMs);
        QStringList entries;
        for (QAction* entry : menu->actions())
            entries << entry->text();
        QCOMPARE(entries, QStringList{QStringLiteral("Reload")});
        QSignalSpy reloaded(form.fruitReportView, &HtmlView::documentComplete);
        menu->actions().constFirst()->trigger();
        QVERIFY(reloaded.wait(30000));
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(form.fruitReportView), kReportRun, 30000);
        QVERIFY(showsSecond());
    }
};

QUORVEL_REGISTER_GUI_TEST(TestChartScripts);
#include "test_chart_scripts.moc"
