// The ranking of all fruits by one amount: the order rule and the page that shows it.
#include <QtTest>

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "data/fruit_table.h"
#include "data/household_measures.h"
#include "data/numbers.h"
#include "reports/amounts_on_basis.h"
#include "reports/ranking.h"
#include "reports/ranking_page.h"

namespace {

using Lines = std::vector<std::string>;

const Lines& table() {
    static const Lines lines = [] {
        Lines l;
        loadFruitTable(l);
        return l;
    }();
    return lines;
}

// A line of 33 fields named name, with amount in field 1 and the rest empty.
std::string line(const std::string& name, const std::string& amount) {
    return name + ";" + amount + std::string(31, ';');
}

std::vector<std::size_t> rows(std::initializer_list<std::size_t> rows) {
    return rows;
}

}  // namespace

class TestRanking : public QObject {
    Q_OBJECT
  private slots:
    void orderRules() {
        const Lines lines = {line("A", "2"),   line("B", ""),       line("C", "0.40"),
                             line("D", "0"),   line("E", "abc"),    line("F", "0.4"),
                             line("G", "-1"),  line("H", "2.0"),    "I",
                             line("J", "0.0"), line("CLOSING", "9")};
        const Ranking ranking = rankTableRows(lines, 1);
        // Largest first, equal amounts ("2"/"2.0", "0.40"/"0.4", "0"/"0.0") in table order, zero
        // last among the numbers; the closing line never counts.
        QCOMPARE(ranking.ranked, rows({0, 7, 2, 5, 3, 9}));
        // Empty, not a number, negative, and a line too short for the column.
        QCOMPARE(ranking.unranked, rows({1, 4, 6, 8}));
        QCOMPARE(rankTableRows({"only line;1"}, 1).ranked, rows({}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, rankTableRows(lines, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, rankTableRows(lines, 33));
    }

    void everyFruitOnceInEveryColumn() {
        for (std::size_t column = 1; column <= 32; ++column) {
            const Ranking ranking = rankTableRows(table(), column);
            std::vector<std::size_t> all = ranking.ranked;
            all.insert(all.end(), ranking.unranked.begin(), ranking.unranked.end());
            std::sort(all.begin(), all.end());
            std::vector<std::size_t> expected(145);
            std::iota(expected.begin(), expected.end(), std::size_t(0));
            QCOMPARE(all, expected);
            for (std::size_t i = 1; i < ranking.ranked.size(); ++i) {
                const double before = *parseNumber(fieldOf(table()[ranking.ranked[i - 1]], column));
                const double here = *parseNumber(fieldOf(table()[ranking.ranked[i]], column));
                QVERIFY(before > here ||
                        (before == here && ranking.ranked[i - 1] < ranking.ranked[i]));
            }
            // The real table has only empty fields besides its numbers.
            for (const std::size_t row : ranking.unranked) {
                QCOMPARE(fieldOf(table()[row], column), std::string());
            }
        }
    }

    void pageRows() {
        const Lines page = rankingPageLines(table(), 19);  // Vitamin C
        const auto first = std::find_if(page.begin(), page.end(), [](const std::string& l) {
            return l.find("scope=\"row\"") != std::string::npos;
        });
        QCOMPARE(*first,
                 std::string(
                     "<tr data-row=\"0\"><td>1</td><th scope=\"row\" tabindex=\"0\">Acerola,(west "
                     "Indian Cherry),raw</th><td>1677.6mg</td></tr>"));
        // The one fruit without vitamin C comes last, under its own heading.
        QCOMPARE(page[page.size() - 3],
                 std::string("<tr data-row=\"43\"><th scope=\"row\" tabindex=\"0\">Grapes,"
                             "muscadine,raw</th><td>no amount</td></tr>"));
        QVERIFY(std::count(page.begin(), page.end(),
                           std::string("<h2>No amount of Vitamin C in the table</h2>")) == 1);

        // Selenium keeps its microgram unit; "0.0" and "0" are zeros, ranked last with one rank.
        const Lines selenium = rankingPageLines(table(), 18);
        const std::string all = std::accumulate(selenium.begin(), selenium.end(), std::string());
        QVERIFY(all.find("Apples,raw,with Skin</th><td>0.0\xB5g</td>") != std::string::npos);
        const Ranking ranking = rankTableRows(table(), 18);
        const std::string lastRanked = "<tr data-row=\"" + std::to_string(ranking.ranked.back()) +
                                       "\"><td>" + std::to_string(ranking.ranked.size() - 10);
        QVERIFY(all.find(lastRanked) != std::string::npos);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, rankingPageLines(table(), 0));
    }

    void rankingOnABasis() {
        const MeasureTable measures = loadMeasureTable(Language::English, 145);
        std::vector<AmountsOnBasis> amounts;
        for (std::size_t row = 0; row < 145; ++row) {
            amounts.push_back(amountsOnBasis(table()[row], measures[row], Basis::PerPortion, 0,
                                             DailyValueStandard::None, Language::English));
        }
        const Lines page = rankingPageLines(table(), 13, Language::English, amounts);  // potassium
        std::vector<double> ranked;
        Lines noMeasure;
        for (const std::string& line : page) {
            if (line.find("<td>no household measure</td>") != std::string::npos) {
                noMeasure.push_back(line.substr(0, line.find("><th")));
            } else if (line.find("mg</td></tr>") != std::string::npos) {
                const std::size_t cell = line.rfind("<td>") + 4;
                ranked.push_back(*parseNumber(line.substr(cell, line.size() - cell - 12)));
            }
        }
        // Largest first on each fruit's usual portion; the five fruits without one come after.
        QCOMPARE(ranked.size(), std::size_t(139));  // 140 with measures, one without potassium
        QVERIFY(std::is_sorted(ranked.rbegin(), ranked.rend()));
        QCOMPARE(noMeasure,
                 Lines({"<tr data-row=\"29\"", "<tr data-row=\"52\"", "<tr data-row=\"53\"",
                        "<tr data-row=\"119\"", "<tr data-row=\"133\""}));
        QVERIFY(std::find(page.begin(), page.end(),
                          "<table id=\"ranking\" data-qv-per=\"per portion\">") != page.end());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 rankingPageLines(table(), 13, Language::English, {amounts[0]}));
    }

    void oddFieldsAreShownNotHidden() {
        const Lines page = rankingPageLines({line("X", "<b>"), line("Y", " "), ";"}, 1);
        QVERIFY(std::find(page.begin(), page.end(),
                          "<tr data-row=\"0\"><th scope=\"row\" tabindex=\"0\">X</th><td>&lt;b&gt; "
                          "(not an amount)"
                          "</td></tr>") != page.end());
        QVERIFY(std::find(page.begin(), page.end(),
                          "<tr data-row=\"1\"><th scope=\"row\" tabindex=\"0\">Y</th><td>no "
                          "amount</td></tr>") != page.end());
        QVERIFY(std::find(page.begin(), page.end(),
                          "<p>No fruit has an amount of Water in the table.</p>") != page.end());
    }
};

QTEST_APPLESS_MAIN(TestRanking)
#include "test_ranking.moc"
