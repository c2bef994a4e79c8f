// The rules behind the main window: selecting, adding, removing and choosing compared fruits, and
// what the window is told to show and to load after each of them.
#include <QtTest>

#include <numeric>
#include <stdexcept>

#include "compare/comparison_model.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "reports/comparison_csv.h"
#include "reports/comparison_report.h"
#include "reports/single_fruit_report.h"
#include "reports/utf8_text.h"

namespace {

using Names = std::vector<std::string>;
using Lines = std::vector<std::string>;

const Lines& table() {
    static const Lines lines = [] {
        Lines l;
        loadFruitTable(l);
        return l;
    }();
    return lines;
}

std::string nameOf(int row) {
    return displayNameOf(table().at(static_cast<std::size_t>(row)));
}

Lines reportOf(int row) {
    return singleFruitReportLines(Fruit(table().at(static_cast<std::size_t>(row))));
}

Lines comparisonOf(std::initializer_list<int> rows) {
    std::vector<Fruit> fruits;
    for (const int row : rows) {
        fruits.emplace_back(table().at(static_cast<std::size_t>(row)));
    }
    return comparisonReportLines(fruits);
}

ComparisonChange add(ComparisonModel& model, int row) {
    model.selectFruit(row);
    return model.addSelectedFruit();
}

bool sameChange(const ComparisonChange& a, const ComparisonChange& b) {
    return a.limitReached == b.limitReached && a.fruitReportChanged == b.fruitReportChanged &&
           a.comparisonChanged == b.comparisonChanged;
}

const ComparisonChange kNothing{};
const ComparisonChange kReport{false, true, false};
const ComparisonChange kBoth{false, true, true};

}  // namespace

class TestComparisonModel : public QObject {
    Q_OBJECT
  private slots:
    void startAndSelecting() {
        ComparisonModel model(table());
        const ComparisonState& s = model.state();
        QCOMPARE(s.fruitNames.size(), std::size_t(145));
        QCOMPARE(s.selectedRow, 0);
        QVERIFY(!s.fruitLabel);  // the label keeps its laid-out text
        QCOMPARE(s.reportCaption, std::string("Report"));
        QVERIFY(!s.comparisonTabShown && s.comparedNames.empty() && s.chosenIndex == -1);

        // Selecting changes the label and nothing else.
        QVERIFY(sameChange(model.selectFruit(27), kNothing));
        QCOMPARE(*s.fruitLabel, std::string("Currants,red&white,raw"));
        QCOMPARE(s.selectedRow, 27);
        QVERIFY(sameChange(model.selectFruit(145), kNothing));  // no such entry
        QVERIFY(sameChange(model.selectFruit(-1), kNothing));
        QCOMPARE(s.selectedRow, 27);
        QCOMPARE(s.reportCaption, std::string("Report"));

        // Without a table every action is a no-op.
        ComparisonModel empty;
        QVERIFY(sameChange(empty.addSelectedFruit(), kNothing));
        QVERIFY(sameChange(empty.removeChosenFruit(), kNothing));
        QVERIFY(sameChange(empty.chooseComparedFruit(0), kNothing));
        QVERIFY(sameChange(empty.refreshFruitReport(), kNothing));
    }

    void addingTheFirstFruitsBringsInTheComparison() {
        ComparisonModel model(table());
        const ComparisonState& s = model.state();
        QVERIFY(sameChange(add(model, 10), kReport));
        QCOMPARE(s.comparedNames, Names{nameOf(10)});
        QCOMPARE(s.chosenIndex, 0);
        QCOMPARE(s.reportCaption, nameOf(10) + " Report");
        QCOMPARE(s.fruitReport, reportOf(10));
        QVERIFY(!s.comparisonTabShown);

        QVERIFY(sameChange(add(model, 2), kBoth));
        QCOMPARE(s.comparedNames, (Names{nameOf(10), nameOf(2)}));
        QCOMPARE(s.chosenIndex, 1);
        QCOMPARE(s.reportCaption, nameOf(2) + " Report");
        QCOMPARE(s.fruitReport, reportOf(2));
        QVERIFY(s.comparisonTabShown);
        QCOMPARE(s.comparisonReport, comparisonOf({10, 2}));

        QVERIFY(sameChange(add(model, 20), kBoth));
        QCOMPARE(s.comparisonReport, comparisonOf({10, 2, 20}));
    }

    void theLimitAndFruitsComparedAlready() {
        ComparisonModel model(table());
        const ComparisonState& s = model.state();
        for (int row = 0; row < 9; ++row) {
            QVERIFY(!add(model, row * 3).limitReached);
        }
        QCOMPARE(s.comparisonReport, comparisonOf({0, 3, 6, 9, 12, 15, 18, 21, 24}));
        model.chooseComparedFruit(4);
        const ComparisonState before = s;

        // The tenth is refused, also when it is one of the nine; nothing changes.
        for (const int row : {100, 3}) {
            QVERIFY(sameChange(add(model, row), ComparisonChange{true, false, false}));
            QCOMPARE(s.comparedNames, before.comparedNames);
            QCOMPARE(s.chosenIndex, 4);
            QCOMPARE(s.reportCaption, before.reportCaption);
            QCOMPARE(s.fruitReport, before.fruitReport);
        }

        // Below the limit, a fruit compared already is silently ignored.
        model.removeChosenFruit();
        model.chooseComparedFruit(0);
        const std::string caption = s.reportCaption;
        QVERIFY(sameChange(add(model, 3), kNothing));
        QCOMPARE(s.comparedNames.size(), std::size_t(8));
        QCOMPARE(s.chosenIndex, 0);
        QCOMPARE(s.reportCaption, caption);
    }

    void choosingAndRefreshing() {
        ComparisonModel model(table());
        const ComparisonState& s = model.state();
        add(model, 7);
        add(model, 8);
        add(model, 9);
        QVERIFY(sameChange(model.chooseComparedFruit(0), kReport));  // comparison not rebuilt
        QCOMPARE(s.reportCaption, nameOf(7) + " Report");
        QCOMPARE(s.fruitReport, reportOf(7));
        QVERIFY(sameChange(model.chooseComparedFruit(3), kNothing));
        QVERIFY(sameChange(model.chooseComparedFruit(-1), kNothing));
        QCOMPARE(s.chosenIndex, 0);

        // A refresh writes the chosen fruit's page again and leaves the caption alone.
        QVERIFY(sameChange(model.refreshFruitReport(), kReport));
        QCOMPARE(s.fruitReport, reportOf(7));
        QCOMPARE(s.reportCaption, nameOf(7) + " Report");
    }

    void removingDownToNone() {
        ComparisonModel model(table());
        const ComparisonState& s = model.state();
        add(model, 30);
        add(model, 31);
        add(model, 32);
        model.chooseComparedFruit(0);

        // The chosen first fruit goes; the last one left is chosen and shown.
        QVERIFY(sameChange(model.removeChosenFruit(), kBoth));
        QCOMPARE(s.comparedNames, (Names{nameOf(31), nameOf(32)}));
        QCOMPARE(s.chosenIndex, 1);
        QCOMPARE(s.reportCaption, nameOf(32) + " Report");
        QCOMPARE(s.fruitReport, reportOf(32));
        QCOMPARE(s.comparisonReport, comparisonOf({31, 32}));
        QVERIFY(s.comparisonTabShown);

        // Down to one: the comparison tab is parked.
        QVERIFY(sameChange(model.removeChosenFruit(), kReport));
        QCOMPARE(s.comparedNames, Names{nameOf(31)});
        QVERIFY(!s.comparisonTabShown);

        // Down to none: the report keeps its last page and caption.
        QVERIFY(sameChange(model.removeChosenFruit(), kNothing));
        QVERIFY(s.comparedNames.empty());
        QCOMPARE(s.chosenIndex, -1);
        QCOMPARE(s.reportCaption, nameOf(31) + " Report");
        QCOMPARE(s.fruitReport, reportOf(31));
        QVERIFY(sameChange(model.removeChosenFruit(), kNothing));
        QVERIFY(!s.comparisonTabShown);
    }

    void aRemovedFruitComesBackLast() {
        ComparisonModel model(table());
        const ComparisonState& s = model.state();
        add(model, 27);  // "Currants,red&white,raw"
        add(model, 40);
        add(model, 41);
        model.chooseComparedFruit(0);
        model.removeChosenFruit();
        QVERIFY(sameChange(add(model, 27), kBoth));
        QCOMPARE(s.comparedNames, (Names{nameOf(40), nameOf(41), nameOf(27)}));
        QCOMPARE(s.chosenIndex, 2);
        QCOMPARE(s.reportCaption, std::string("Currants,red&white,raw Report"));
        QCOMPARE(s.comparisonReport, comparisonOf({40, 41, 27}));
    }

    void aLineThatIsNoFruitChangesNothing() {
        Lines lines = table();
        lines[3] = "BROKEN;1;2";
        ComparisonModel model(lines);
        add(model, 1);
        const ComparisonState before = model.state();
        model.selectFruit(3);
        QVERIFY_THROWS_EXCEPTION(ListIndexError, model.addSelectedFruit());
        QCOMPARE(model.state().comparedNames, before.comparedNames);
        QCOMPARE(model.state().fruitReport, before.fruitReport);
        QCOMPARE(model.state().reportCaption, before.reportCaption);
        QCOMPARE(model.comparedFruits().count(), std::size_t(1));
    }
    // The Spanish list is in Spanish order: every entry still brings in its own table line, the
    // label names the selected entry from the start, and the pages and the CSV follow the lines.
    void theSpanishListKeysFruitsByTableLine() {
        Lines spanishTable;
        loadFruitTable(spanishTable, Language::Spanish);
        ComparisonModel model(spanishTable, Language::Spanish);
        const ComparisonState& s = model.state();
        QCOMPARE(s.reportCaption, std::string("Informe"));
        QCOMPARE(s.selectedRow, 0);
        QVERIFY(s.fruitLabel && *s.fruitLabel == s.fruitNames.front());
        QVERIFY(model.tableLineOf(0) != 0);  // "Abiyuch" comes before the table's first line
        QCOMPARE(model.rowOf(145), -1);
        for (int row = 0; row < 145; ++row) {
            QCOMPARE(s.fruitNames[static_cast<std::size_t>(row)],
                     displayNameOf(spanishTable[model.tableLineOf(row)], Language::Spanish));
        }

        const int acerolaRow = model.rowOf(0);
        const int kiwanoRow = model.rowOf(144);
        QVERIFY(sameChange(add(model, kiwanoRow), kReport));
        QVERIFY(sameChange(add(model, acerolaRow), kBoth));
        QVERIFY(sameChange(add(model, kiwanoRow), kNothing));  // compared already
        const Fruit acerola(spanishTable[0], Language::Spanish);
        const Fruit kiwano(spanishTable[144], Language::Spanish);
        QCOMPARE(s.comparedLines, (std::vector<std::size_t>{144, 0}));
        QCOMPARE(s.comparedNames, (Names{kiwano.displayName(), acerola.displayName()}));
        QCOMPARE(s.fruitReport, singleFruitReportLines(acerola));
        QCOMPARE(s.comparisonReport, comparisonReportLines({kiwano, acerola}));
        QCOMPARE(s.reportCaption, "Informe: " + acerola.displayName());
        const std::string csv = comparisonCsv(spanishTable, s.comparedLines, Language::Spanish);
        QVERIFY(csv.find(utf8FromWindows1252(kiwano.displayName())) <
                csv.find(utf8FromWindows1252(acerola.displayName())));

        model.chooseComparedFruit(0);
        model.removeChosenFruit();
        QCOMPARE(s.comparedLines, std::vector<std::size_t>{0});
        QCOMPARE(s.fruitReport, singleFruitReportLines(acerola));
    }

    void amountsOnABasisAndPortionsPerFruit() {
        ComparisonModel model(table());
        model.setMeasures(loadMeasureTable(Language::English, 145));
        add(model, 13);  // bananas
        add(model, 29);  // custard-apple: no measures
        QVERIFY(sameChange(model.chooseComparedFruit(0), kReport));
        QVERIFY(sameChange(model.choosePortion(13, 1), kNothing));  // kept for later, per 100 g
        QCOMPARE(model.state().fruitReport, reportOf(13));
        QVERIFY(sameChange(model.setAmounts(Basis::PerPortion, DailyValueStandard::Us2016), kBoth));
        const AmountsOnBasis second = model.amountsOf(13);
        QCOMPARE(second.weight.portion, std::size_t(1));
        QCOMPARE(model.state().fruitReport, singleFruitReportLines(Fruit(table()[13]), second));
        QCOMPARE(model.state().comparisonReport,
                 comparisonReportLines({Fruit(table()[13]), Fruit(table()[29])},
                                       {second, model.amountsOf(29)}));
        // A portion the fruit does not have changes nothing; the usual one rewrites both pages.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, model.choosePortion(29, 0));
        QVERIFY(sameChange(model.choosePortion(13, 0), kBoth));
        QCOMPARE(model.portionOf(13), std::size_t(0));
        model.setAmounts(Basis::Per100g, DailyValueStandard::None);
        QCOMPARE(model.state().comparisonReport, comparisonOf({13, 29}));
    }
};

QTEST_APPLESS_MAIN(TestComparisonModel)
#include "test_comparison_model.moc"
