// The charts drawn once out of sight after start: they are really drawn, in a view nobody sees
// that is gone afterwards; a broken script file makes no error box of its own; and a script that
// never ends neither keeps the warm-up going nor the other views waiting.
#include <QApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "app/startup/chart_warm_up.h"
#include "fault_test_support.h"
#include "htmlview/html_view.h"

namespace {

QList<HtmlView*> views() {
    QList<HtmlView*> views;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* view = qobject_cast<HtmlView*>(widget)) {
            views.append(view);
        }
    }
    return views;
}

// The program at start: its two windows, and the warm-up waiting for the main window's first page.
struct StartedProgram {
    ModalWatcher watcher;
    ProgramWindows app;
    MainWindow& form = app.mainWindow();
    const qsizetype windowViews = views().size();
    ChartWarmUp& warmUp = app.chartWarmUp();
    QSignalSpy done{&warmUp, &ChartWarmUp::done};
};

}  // namespace

class TestChartWarmUp : public QObject {
    Q_OBJECT
  private slots:
    void cleanupTestCase() { restoreAppFiles(); }

    void drawsOnceOutOfSightAfterTheFirstPage() {
        restoreAppFiles();
        StartedProgram program;
        MainWindow& form = program.form;
        // Nothing before the window's first page: every view there is belongs to a window.
        for (HtmlView* view : views()) {
            QVERIFY(view->window() == &form || view->window() == &program.app.aboutBox());
        }

        // While it draws, its view is one more, and never shown.
        QTRY_VERIFY_WITH_TIMEOUT(views().size() > program.windowViews || program.done.count() > 0,
                                 60000);
        for (HtmlView* view : views()) {
            if (view->window() == view) {
                QVERIFY(!view->isVisible());
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(program.done.count(), 1, 60000);
        QVERIFY(program.warmUp.finished());
        QCOMPARE(program.warmUp.charts(), 10);  // the comparison of two fruits, every chart drawn
        QTRY_COMPARE_WITH_TIMEOUT(views().size(), program.windowViews, 10000);

        // Once only: the window's next pages start nothing, and show their own charts.
        addFruit(form, 5);
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.fruitList->item(5)->text()), 60000);
        addFruit(form, 6);
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 2), 60000);
        QCOMPARE(program.done.count(), 1);
        QCOMPARE(views().size(), program.windowViews);
        QCOMPARE(program.watcher.boxes.size(), std::size_t{0});
    }

    // The page the user asks for reports a broken file; the warm-up only ends.
    void saysNothingOfABrokenScriptFile() {
        const struct {
            const char* file;
            Fault fault;
            int charts;  // what the hidden page was marked with
        } cases[] = {
            {"exacomp.dat", Fault::Missing, -1},  // the sequence stops before the mark
            {"jq.dat", Fault::Directory, -1},
            {"jq.dat", Fault::Throws, 0},  // no chart library: the last script marks no charts
            {"vis.dat", Fault::Garbage, 0},
        };
        for (const auto& c : cases) {
            restoreAppFiles();
            breakAppFile(c.file, c.fault);
            ModalWatcher watcher;
            const auto viewsBefore = views().size();
            ChartWarmUp warmUp;
            QSignalSpy done(&warmUp, &ChartWarmUp::done);
            warmUp.start();
            QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 60000);
            QVERIFY2(warmUp.charts() == c.charts,
                     qPrintable(QStringLiteral("%1 %2: %3 charts")
                                    .arg(QLatin1String(c.file), QLatin1String(faultName(c.fault)))
                                    .arg(warmUp.charts())));
            QTRY_COMPARE_WITH_TIMEOUT(views().size(), viewsBefore, 10000);
            QCOMPARE(watcher.boxes.size(), std::size_t{0});
        }
    }

    // A script that spins for ever would stall every page of the shared web-engine process: the
    // warm-up gives that process up, and the window's pages come back with their charts.
    void endsWhenAScriptNeverEnds() {
        restoreAppFiles();
        writeAppFile("exacomp.dat", "for (;;) {}\n");
        StartedProgram program;
        MainWindow& form = program.form;
        QTRY_COMPARE_WITH_TIMEOUT(program.done.count(), 1, 60000);
        QCOMPARE(program.warmUp.charts(), -1);
        QTRY_COMPARE_WITH_TIMEOUT(views().size(), program.windowViews, 10000);
        // Without anything from the user, the window's page answers again, charts run.
        QTRY_COMPARE_WITH_TIMEOUT(charts(form.fruitReportView), QStringLiteral("0"), 30000);

        addFruit(form, 9);
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.fruitList->item(9)->text()), 60000);
        QCOMPARE(program.watcher.boxes.size(), std::size_t{0});
    }
};

QUORVEL_REGISTER_GUI_TEST(TestChartWarmUp);
#include "test_chart_warm_up.moc"
