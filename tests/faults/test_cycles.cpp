// Many rounds of comparing nine fruits and removing them again leave no record behind and do not
// make the program grow: the full thousand rounds through the comparison set, whose heap use is
// measured directly, and 150 rounds through the real window (the pages need not finish between
// clicks, but the window must agree with itself after every round).
#include <malloc.h>
#include <unistd.h>

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>

#include "app/main_window/main_window.h"
#include "compare/comparison_set.h"
#include "data/fruit_table.h"
#include "fault_test_support.h"
#include "htmlview/html_view.h"

namespace {

constexpr int kWait = 60000;
const int kRows[9] = {0, 11, 22, 33, 44, 55, 66, 77, 88};
// The window's rounds: the engine's history of pages is full long before the first count.
constexpr int kBaseRound = 50;
constexpr int kRounds = 150;
// What the program may grow by in a round: twice what it is seen to grow by right after the
// rounds (about 0.2 MiB, some of it not yet handed back).
constexpr double kGrowthPerRoundMiB = 0.4;

double residentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const double pages = statm.readAll().split(' ').value(1).toDouble();
    return pages * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

}  // namespace

class TestCycles : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { restoreAppFiles(); }

    void thousandRoundsThroughTheComparisonSet() {
        std::vector<std::string> lines;
        loadFruitTable(lines);
        ComparisonSet set;
        std::size_t heapAfter100 = 0;
        for (int round = 1; round <= 1000; ++round) {
            for (const int row : kRows) {
                set.append(static_cast<std::size_t>(row), lines.at(static_cast<std::size_t>(row)));
            }
            // The refused tenth and the refused duplicate leave nothing behind either.
            QVERIFY_THROWS_EXCEPTION(std::logic_error, set.append(5, lines.at(5)));
            const std::vector<std::size_t> compared = set.tableLines();
            QCOMPARE(compared.size(), std::size_t{9});
            for (const std::size_t line : compared) {
                QVERIFY(set.remove(line));
            }
            QCOMPARE(set.count(), std::size_t{0});
            QVERIFY(set.fruits().empty());
            if (round == 100) {
                heapAfter100 = mallinfo2().uordblks;
            }
        }
        // Nine records are kilobytes each: nine hundred rounds of one leaked record show.
        const std::size_t heapAfter1000 = mallinfo2().uordblks;
        QVERIFY2(heapAfter1000 <= heapAfter100 + 64 * 1024,
                 qPrintable(QStringLiteral("heap grew from %1 to %2 bytes")
                                .arg(heapAfter100)
                                .arg(heapAfter1000)));
    }

    void roundsThroughTheWindow() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QTRY_COMPARE_WITH_TIMEOUT(charts(form.fruitReportView), QStringLiteral("0"), kWait);
        double residentAtBase = 0;
        for (int round = 1; round <= kRounds; ++round) {
            for (const int row : kRows) {
                addFruit(form, row);
                QCoreApplication::processEvents();
            }
            QCOMPARE(form.comparedFruitsCombo->count(), 9);
            QCOMPARE(form.reportTabs->indexOf(form.comparisonTab), 1);
            for (int i = 0; i < 9; ++i) {
                form.removeButton->click();
                QCoreApplication::processEvents();
            }
            QCOMPARE(form.comparedFruitsCombo->count(), 0);
            QCOMPARE(form.reportTabs->count(), 1);
            QVERIFY(form.parkedTabs->indexOf(form.comparisonTab) >= 0);
            if (round == kBaseRound) {
                residentAtBase = residentMiB();
            }
        }
        // The views still work: the report of the fruit removed last shows with its charts.
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.fruitList->item(kRows[0])->text()), kWait);
        const double residentAtEnd = residentMiB();
        qInfo("resident memory after round %d: %.1f MiB, after round %d: %.1f MiB", kBaseRound,
              residentAtBase, kRounds, residentAtEnd);
        QVERIFY2(
            residentAtEnd <= residentAtBase + kGrowthPerRoundMiB * (kRounds - kBaseRound),
            qPrintable(
                QStringLiteral("grew from %1 to %2 MiB").arg(residentAtBase).arg(residentAtEnd)));
    }
};

QUORVEL_REGISTER_GUI_TEST(TestCycles);
#include "test_cycles.moc"
