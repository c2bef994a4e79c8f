// The window "Rank fruits": the amount chosen by keyboard shows its ranking with the ranking's
// chart scripts run after it, a missing script is reported as in the other views, and a click on
// a fruit's name raises fruitChosen with the fruit's table row.
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "app/ranking/ranking_window.h"
#include "app_test_support.h"
#include "data/app_folder.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "reports/ranking.h"

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

        // Tab goes on into the page, to the first fruit's name (then through the others); Enter
        // selects the one that has the focus, and Escape closes the window.
        QSignalSpy chosen(&window, &RankingWindow::fruitChosen);
        QTest::keyClick(window.amountCombo, Qt::Key_Tab);
        QTRY_VERIFY_WITH_TIMEOUT(window.rankView->hasFocus(), kEngineWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(
            pageValue(window.rankView, QStringLiteral("document.activeElement.tagName")),
            QStringLiteral("TH"), kEngineWaitMs);
        QTest::keyClick(window.rankView->focusProxy(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(chosen.count(), 1, 30000);
        QCOMPARE(std::size_t(chosen.at(0).at(0).toInt()),
                 rankTableRows(fruitLines(), 2).ranked.front());
        QTest::keyClick(window.rankView->focusProxy(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 30000);
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
        QTest::mouseClick(page, Qt::LeftButton, {},
                          cellOfRow(window.rankView, 47, "td:last-child"));
        // Guavas, far down the ranking, and the one fruit without an amount, at the end.
        for (const int row : {47, 43}) {
            QTest::mouseClick(page, Qt::LeftButton, {}, cellOfRow(window.rankView, row, "th"));
            QTRY_VERIFY_WITH_TIMEOUT(!chosen.isEmpty(), 30000);
            QCOMPARE(chosen.takeFirst().at(0).toInt(), row);
        }
        QVERIFY(chosen.isEmpty());
    }
};

QUORVEL_REGISTER_GUI_TEST(TestRankingWindow);
#include "test_ranking_window.moc"
