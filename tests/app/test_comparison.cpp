// The window over the comparison model: a click reaches the model, and the drop-down, the tabs, the
// hidden source boxes and the views show its state. The rules themselves are tested on the model.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

#include "app/main_window/main_window.h"
#include "app_test_support.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "htmlview/win1252.h"
#include "reports/comparison_report.h"
#include "reports/single_fruit_report.h"

namespace {

const QString kLimit =
    QStringLiteral("Please remove some fruits from comparison before adding any more");

QStringList comboItems(const MainWindow& form) {
    QStringList items;
    for (int i = 0; i < form.comparedFruitsCombo->count(); ++i) {
        items.append(form.comparedFruitsCombo->itemText(i));
    }
    return items;
}

QString listName(const MainWindow& form, int row) {
    return form.fruitList->item(row)->text();
}

// What the fruit list's row is called and what its single-fruit page holds, from the table.
QString expectedReport(int row) {
    std::vector<std::string> lines;
    loadFruitTable(lines);
    Fruit fruit(lines.at(static_cast<std::size_t>(row)));
    std::vector<std::string> page;
    page = singleFruitReportLines(fruit);
    QStringList text;
    for (const auto& line : page) {
        text.append(fromWindows1252(line));
    }
    return text.join(QLatin1Char('\n'));
}

QString expectedComparison(const std::vector<int>& rows) {
    std::vector<std::string> lines;
    loadFruitTable(lines);
    std::vector<Fruit> fruits;
    for (const int row : rows) {
        fruits.emplace_back(lines.at(static_cast<std::size_t>(row)));
    }
    QStringList text;
    for (const auto& line : comparisonReportLines(fruits)) {
        text.append(fromWindows1252(line));
    }
    return text.join(QLatin1Char('\n'));
}

void add(MainWindow& form, int row) {
    form.fruitList->setCurrentRow(row);
    form.addButton->click();
}

// A pick in the drop-down as the user makes it: the keyboard on the closed list.
void pickFirst(MainWindow& form) {
    form.comparedFruitsCombo->setFocus();
    QTest::keyClick(form.comparedFruitsCombo, Qt::Key_Home);
}

}  // namespace

class TestComparison : public QObject {
    Q_OBJECT
  private slots:
    void init() { writeTestAppFiles(); }

    void addFirstAndSecond() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        QSignalSpy comparisons(form.comparisonView, &HtmlView::documentComplete);

        add(form, 10);
        QCOMPARE(comboItems(form), QStringList{listName(form, 10)});
        QCOMPARE(form.comparedFruitsCombo->currentIndex(), 0);
        QCOMPARE(form.reportTabs->count(), 1);
        QCOMPARE(form.reportTabs->tabText(0), listName(form, 10) + QStringLiteral(" Report"));
        QCOMPARE(form.fruitReportSource->toPlainText(), expectedReport(10));
        QTRY_VERIFY_WITH_TIMEOUT(
            pageValue(form.fruitReportView, QStringLiteral("document.body.innerText"))
                .contains(listName(form, 10)),
            30000);

        add(form, 2);
        QCOMPARE(comboItems(form), (QStringList{listName(form, 10), listName(form, 2)}));
        QCOMPARE(form.comparedFruitsCombo->currentIndex(), 1);
        QCOMPARE(form.reportTabs->count(), 2);
        QCOMPARE(form.reportTabs->widget(1), form.comparisonTab);
        QCOMPARE(form.reportTabs->tabText(1), QStringLiteral("Comparison Report"));
        QCOMPARE(form.reportTabs->currentIndex(), 0);  // the report tab stays the shown one
        QCOMPARE(form.reportTabs->tabText(0), listName(form, 2) + QStringLiteral(" Report"));
        QCOMPARE(form.fruitReportSource->toPlainText(), expectedReport(2));
        QCOMPARE(form.comparisonSource->document()->blockCount(), 168);
        QCOMPARE(form.comparisonSource->toPlainText(), expectedComparison({10, 2}));
        QTRY_VERIFY_WITH_TIMEOUT(comparisons.count() >= 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(
            pageValue(form.comparisonView,
                      QStringLiteral("document.getElementsByTagName('tbody')[0]."
                                     "rows.length")),
            QStringLiteral("2"), 30000);

        // With the comparison tab shown, adding rebuilds it in place and it stays shown.
        form.reportTabs->setCurrentIndex(1);
        add(form, 20);
        QCOMPARE(form.reportTabs->currentIndex(), 1);
        QCOMPARE(form.comparisonSource->toPlainText(), expectedComparison({10, 2, 20}));
        QVERIFY(reports.count() >= 1);
    }

    void theLimitMessage() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        ModalWatcher watcher;
        for (int row = 0; row < 9; ++row) {
            add(form, row * 3);
        }
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
        const QStringList nine = comboItems(form);
        const QString caption = form.reportTabs->tabText(0);
        form.fruitReportSource->setPlainText(QStringLiteral("untouched"));
        form.comparisonSource->setPlainText(QStringLiteral("untouched"));
        add(form, 100);
        QCOMPARE(watcher.boxes.size(), std::size_t{1});
        QCOMPARE(watcher.boxes.back().text, kLimit);
        QCOMPARE(watcher.boxes.back().title, QStringLiteral("Quorvel"));
        QCOMPARE(comboItems(form), nine);
        QCOMPARE(form.reportTabs->tabText(0), caption);
        QCOMPARE(form.fruitReportSource->toPlainText(), QStringLiteral("untouched"));
        QCOMPARE(form.comparisonSource->toPlainText(), QStringLiteral("untouched"));
    }

    void choosingInTheDropDown() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        add(form, 7);
        add(form, 8);
        add(form, 9);
        form.comparisonSource->setPlainText(QStringLiteral("untouched"));

        // The window setting the current item is no pick: nothing follows it.
        form.comparedFruitsCombo->setCurrentIndex(1);
        QCOMPARE(form.reportTabs->tabText(0), listName(form, 9) + QStringLiteral(" Report"));

        pickFirst(form);
        QCOMPARE(form.comparedFruitsCombo->currentIndex(), 0);
        QCOMPARE(form.reportTabs->tabText(0), listName(form, 7) + QStringLiteral(" Report"));
        QCOMPARE(form.fruitReportSource->toPlainText(), expectedReport(7));
        QCOMPARE(form.comparisonSource->toPlainText(), QStringLiteral("untouched"));

        // The hidden refresh button reaches the model too.
        form.fruitReportSource->setPlainText(QStringLiteral("stale"));
        form.refreshReportButton->click();
        QCOMPARE(form.fruitReportSource->toPlainText(), expectedReport(7));
    }

    void removingParksTheComparisonTab() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ModalWatcher watcher;
        add(form, 30);
        add(form, 31);
        add(form, 32);
        pickFirst(form);
        form.reportTabs->setCurrentIndex(1);

        form.removeButton->click();
        QCOMPARE(comboItems(form), (QStringList{listName(form, 31), listName(form, 32)}));
        QCOMPARE(form.comparedFruitsCombo->currentIndex(), 1);
        QCOMPARE(form.reportTabs->tabText(0), listName(form, 32) + QStringLiteral(" Report"));
        QCOMPARE(form.comparisonSource->toPlainText(), expectedComparison({31, 32}));
        QCOMPARE(form.reportTabs->currentIndex(), 1);  // the shown tab stays shown

        // Down to one: the comparison tab is parked, and the report tab is shown again.
        form.removeButton->click();
        QCOMPARE(form.reportTabs->count(), 1);
        QCOMPARE(form.reportTabs->currentWidget(), form.fruitReportTab);
        QCOMPARE(form.parkedTabs->indexOf(form.comparisonTab), 0);

        // Down to none, and once more on the empty drop-down: nothing else moves.
        form.removeButton->click();
        form.removeButton->click();
        QCOMPARE(form.comparedFruitsCombo->count(), 0);
        QCOMPARE(form.reportTabs->count(), 1);
        QCOMPARE(form.reportTabs->tabText(0), listName(form, 31) + QStringLiteral(" Report"));
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

    void anAmpersandInTheCaptionShowsItself() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        const QString currants = QStringLiteral("Currants,red&white,raw");
        add(form,
            form.fruitList->row(form.fruitList->findItems(currants, Qt::MatchExactly).first()));
        QCOMPARE(form.comparedFruitsCombo->currentText(), currants);
        QCOMPARE(form.reportTabs->tabText(0), QStringLiteral("Currants,red&&white,raw Report"));
    }
};

QUORVEL_REGISTER_GUI_TEST(TestComparison);
#include "test_comparison.moc"
