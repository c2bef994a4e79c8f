// The window "Rank fruits": the amount chosen by keyboard shows its ranking with the ranking's
// chart scripts run after it, a missing script is reported as in the other views, and a click on
// a fruit's name raises fruitChosen with the fruit's table row.
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "app/ranking_window.h"
#include "app_test_support.h"
#include "data/app_folder.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"

namespace {

const QString kRankingRun = QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;rank.dat;");

std::vector<std::string> fruitLines() {
    std::vector<std::string> lines;
    loadFruitTable(lines);
    return lines;
}

QString heading(RankingWindow& window) {
    return pageValue(window.rankView, QStringLiteral("document.querySelector('h1').textContent"));
}

// The centre of a cell of the row of table row, scrolled into view, in view pixels.
QPoint cellOfRow(RankingWindow& window, int row, const char* cell) {
    const QStringList xy =
        pageValue(
            window.rankView,
            QStringLiteral("(function () { var c = document.querySelector('tr[data-row=\"%1\"]"
                           " > %2'); c.scrollIntoView({block: 'center'});"
                           " var r = c.getBoundingClientRect();"
                           " return Math.round(r.left + 8) + ',' +"
                           " Math.round(r.top + r.height / 2); })()")
                .arg(row)
                .arg(QLatin1String(cell)))
            .split(QLatin1Char(','));
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint(-1, -1);
}

}  // namespace

class TestRankingWindow : public QObject {
    Q_OBJECT
  private slots:
    void init() { writeTestAppFiles(); }
    void cleanup() { writeTestAppFiles(); }

    void keyboardChoosesTheAmount() {
        RankingWindow window(fruitLines());
        QSignalSpy pages(window.rankView, &HtmlView::documentComplete);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Rank fruits"));
        QCOMPARE(window.amountCombo->accessibleName(), QStringLiteral("Amount"));
        QTRY_COMPARE_WITH_TIMEOUT(pages.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(window.rankView), kRankingRun, 30000);
        QCOMPARE(heading(window), QStringLiteral("Fruits ranked by Water"));

        // The drop-down has the focus first; the arrow keys change the amount, and the view
        // follows the drop-down in the Tab order.
        QCOMPARE(QApplication::focusWidget(), window.amountCombo);
        QTest::keyClick(window.amountCombo, Qt::Key_Down);
        QTRY_COMPARE_WITH_TIMEOUT(pages.count(), 2, 30000);
        QCOMPARE(window.column(), std::size_t(2));
        QTRY_COMPARE_WITH_TIMEOUT(heading(window), QStringLiteral("Fruits ranked by Energy"),
                                  30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(window.rankView), kRankingRun, 30000);
        QCOMPARE(window.amountCombo->nextInFocusChain(), window.rankView);
    }

    void missingScriptGivesOneBoxPerPage() {
        removeAppFile("rank.dat");
        ModalWatcher watcher;
        RankingWindow window(fruitLines());
        QSignalSpy pages(window.rankView, &HtmlView::documentComplete);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{1}, 30000);
        QCOMPARE(watcher.boxes.at(0).text, QStringLiteral("Cannot open file \"") +
                                               QString::fromStdString(appFolder()) +
                                               QStringLiteral("rank.dat\". No such file or "
                                                              "directory."));
        window.showColumn(19);
        QTRY_COMPARE_WITH_TIMEOUT(pages.count(), 2, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.boxes.size(), std::size_t{2}, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(window.rankView),
                                  QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;"), 30000);
    }

    void clickOnANameChoosesTheFruit() {
        RankingWindow window(fruitLines());
        QSignalSpy pages(window.rankView, &HtmlView::documentComplete);
        QSignalSpy chosen(&window, &RankingWindow::fruitChosen);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showColumn(19);  // Vitamin C
        QTRY_COMPARE_WITH_TIMEOUT(heading(window), QStringLiteral("Fruits ranked by Vitamin C"),
                                  30000);
        QWidget* page = window.rankView->focusProxy();
        QVERIFY(page != nullptr);

        // The amount next to a name is no name: nothing is chosen.
        QTest::mouseClick(page, Qt::LeftButton, {}, cellOfRow(window, 47, "td:last-child"));
        // Guavas, far down the ranking, and the one fruit without an amount, at the end.
        for (const int row : {47, 43}) {
            QTest::mouseClick(page, Qt::LeftButton, {}, cellOfRow(window, row, "th"));
            QTRY_VERIFY_WITH_TIMEOUT(!chosen.isEmpty(), 30000);
            QCOMPARE(chosen.takeFirst().at(0).toInt(), row);
        }
        QVERIFY(chosen.isEmpty());
    }
};

QUORVEL_REGISTER_GUI_TEST(TestRankingWindow);
#include "test_ranking_window.moc"
