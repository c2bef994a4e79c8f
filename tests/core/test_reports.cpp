// The pages the program writes: the single-fruit report, the comparison report, the placeholder.
#include <QtTest>

#include <memory>

#include "data/app_folder.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "data/household_measures.h"
#include "german_locale.h"
#include "reports/amounts_on_basis.h"
#include "reports/comparison_report.h"
#include "reports/page_head.h"
#include "reports/placeholder_page.h"
#include "reports/single_fruit_report.h"

namespace {

using Lines = std::vector<std::string>;

QString Q(const std::string& s) {
    return QString::fromLatin1(s.data(), int(s.size()));
}

const Lines& table() {
    static const Lines lines = [] {
        Lines l;
        loadFruitTable(l);
        return l;
    }();
    return lines;
}

Lines fruitPage(std::size_t line) {
    Lines page{"stale line"};
    page = singleFruitReportLines(Fruit(table()[line]));
    return page;
}

std::vector<Fruit> fruitsAt(std::initializer_list<std::size_t> lines) {
    std::vector<Fruit> fruits;
    for (std::size_t line : lines) {
        fruits.emplace_back(table()[line]);
    }
    return fruits;
}

// The amounts of table line `line` on a basis, from the program's own measures.
AmountsOnBasis onBasis(std::size_t line, Basis basis, DailyValueStandard standard,
                       Language language = Language::English, std::size_t portion = 0) {
    static const MeasureTable english = loadMeasureTable(Language::English, 145);
    static const MeasureTable spanish = loadMeasureTable(Language::Spanish, 145);
    const MeasureTable& measures = language == Language::Spanish ? spanish : english;
    return amountsOnBasis(table()[line], measures[line], basis, portion, standard, language);
}

bool contains(const Lines& lines, const QString& text) {
    for (const std::string& line : lines) {
        if (Q(line).contains(text)) {
            return true;
        }
    }
    return false;
}

}  // namespace

class TestReports : public QObject {
    Q_OBJECT
  private slots:
    void singleFruitPageOfTheFirstFruit() {
        const Lines page = fruitPage(0);
        QCOMPARE(page.size(), std::size_t(19));
        QCOMPARE(Q(page[0]), QString("<!DOCTYPE html><HTML><HEAD>"));
        QCOMPARE(Q(page[2]), QString("</HEAD><BODY>"));
        QCOMPARE(Q(page[3]), QString("<h1>Fruit name: Acerola,(west Indian Cherry),raw</h1>"));
        QCOMPARE(Q(page[4]), QString("<p>Nutritional values for 100 gr of product</p>"));
        QCOMPARE(Q(page[5]), QString("<h2>Energy: 32 kcal</h2>"));
        QCOMPARE(Q(page[6]), QString("<h2>Nutrients:</h2>"));
        QCOMPARE(Q(page[7]),
                 QString("<table><caption>Acerola,(west Indian Cherry),raw nutrients</caption>"
                         "<thead><tr><th>Nutrient</th><td>For each 100g</td></tr><tbody>"
                         "<tr><th>Water</th><td>91.41g</td></tr>"
                         "<tr><th>Protein</th><td>0.40g</td></tr>"
                         "<tr><th>Total lipid (fat)</th><td>0.30g</td></tr>"
                         "<tr><th>Ash</th><td>0.20g</td></tr>"
                         "<tr><th>Carbohydrate</th><td>7.69g</td></tr></tbody></table>"));
        QCOMPARE(Q(page[8]), QString("<h2>Carbohydrates:</h2>"));
        QCOMPARE(Q(page[9]),
                 QString("<table><caption>Acerola,(west Indian Cherry),raw Carbohydrates</caption>"
                         "<thead><tr><th>Nutrient</th><td>For each 100g</td></tr><tbody><tr><th>"
                         "Total dietary fiber</th><td>1.1g</td></tr><tr><th>Total sugars</th><td>"
                         "0.002g</td></tr></tbody></table>"));
        QCOMPARE(Q(page[10]), QString("<h2>Minerals:</h2>"));
        QVERIFY(Q(page[11]).startsWith(
            "<table><caption>Acerola,(west Indian Cherry),raw Minerals</caption><thead><tr><th>"
            "Nutrient</th><td>For each 100g</td></tr><tbody><tr><th>Calcium</th><td>12mg</td>"));
        QVERIFY(
            Q(page[11]).endsWith("<tr><th>Manganese</th><td>0.002mg</td></tr><tr><th>Selenium"
                                 "</th><td>0.0006mg</td></tr></tbody></table>"));
        QVERIFY(
            Q(page[11]).contains("<tr><th>Zinc</th><td>0.10mg</td></tr><tr><th>Sodium</th>"
                                 "<td>7mg</td></tr><tr><th>Copper</th><td>0.086mg</td></tr>"));
        QCOMPARE(Q(page[12]), QString("<h2>Vitamins:</h2>"));
        QVERIFY(
            Q(page[13]).contains("<th>Vitamin</th><td>For each 100g</td></tr><tbody><tr><th>"
                                 "Vitamin C</th><td>1677.6mg</td></tr>"));
        QVERIFY(Q(page[13]).endsWith(
            "<tr><th>Folic acid</th><td>0.014mg</td></tr><tr><th>Vitamin E</th><td>0.002mg</td>"
            "</tr><tr><th>Vitamin K</th><td>2E-6mg</td></tr></tbody></table>"));
        QVERIFY(!Q(page[13]).contains("Vitamin A") && !Q(page[13]).contains("Carotenoids"));
        QCOMPARE(Q(page[14]),
                 QString("<p style=\"font-size:20px;font-weight:bold\">Vitamin A : 767IU</p>"));
        QCOMPARE(Q(page[15]),
                 QString("<p style=\"font-size:20px;font-weight:bold\">Carotenoids : 2E-6mg</p>"));
        QCOMPARE(Q(page[16]), QString("<h2>Fatty acids:</h2>"));
        QCOMPARE(Q(page[17]),
                 QString("<table><caption>Acerola,(west Indian Cherry),raw Fatty acids</caption>"
                         "<thead><tr><th>Fatty acids</th><td>For each 100g</td></tr><tbody>"
                         "<tr><th>Saturated fatty acids</th><td>0.068g</td></tr>"
                         "<tr><th>Monounsaturated fatty acids</th><td>0.082g</td></tr>"
                         "<tr><th>Polyunsaturated fatty acids</th><td>0.090g</td></tr>"
                         "</tbody></table>"));
        QCOMPARE(Q(page[18]), QString("</BODY></HTML>"));
    }

    void styleSheetsAreLinkedByFullPath() {
        const std::string folder = appFolder();
        const std::string link = "\" type=\"text/css\" rel=\"stylesheet\" />";
        const std::string expected = "<link href=\"" + folder + "basic.css" + link +
                                     "<link href=\"" + folder + "visualize.css" + link +
                                     "<link href=\"" + folder + "visualize-light.css" + link + " ";
        QCOMPARE(Q(fruitPage(5)[1]), Q(expected));
        QCOMPARE(Q(comparisonReportLines(fruitsAt({1, 2}))[1]), Q(expected));
    }

    void foldersThatWouldBreakTheLinkAreEncoded() {
        QVERIFY(
            Q(styleSheetLinks("/opt/My Fruits/")).startsWith("<link href=\"/opt/My Fruits/basic"));
        const QString odd = Q(styleSheetLinks("/a\"b<c>&#?%\xC3\xA9/"));
        QVERIFY(odd.startsWith("<link href=\"/a%22b%3Cc%3E%26%23%3F%25%C3%A9/basic.css\""));
    }

    void reportReplacesThePreviousOne() {
        Lines page;
        page = singleFruitReportLines(Fruit(table()[0]));
        page = singleFruitReportLines(Fruit(table()[27]));
        QCOMPARE(page.size(), std::size_t(19));
        QCOMPARE(Q(page[3]), QString("<h1>Fruit name: Currants,red&white,raw</h1>"));
        QVERIFY(Q(page[7]).startsWith("<table><caption>Currants,red&white,raw nutrients"));
    }

    void lastFruitWithMissingAmounts() {
        const Lines page = fruitPage(144);
        QCOMPARE(Q(page[3]), QString("<h1>Fruit name: Horned Melon (kiwano)</h1>"));
        QVERIFY(Q(page[9]).contains("<th>Total sugars</th><td>0.002g</td>"));
        QVERIFY(Q(page[17]).contains("<th>Saturated fatty acids</th><td>0.002g</td>"));
        QVERIFY(Q(page[13]).contains("<th>Vitamin K</th><td>2E-6mg</td>"));
    }

    void comparisonPageOfTwo() {
        auto fruits = fruitsAt({0, 2});
        const Lines page = comparisonReportLines(fruits);
        QCOMPARE(page.size(), std::size_t(168));
        QCOMPARE(Q(page[3]), QString("<h2>Energy</h2>"));
        QCOMPARE(Q(page[4]), QString("<table>"));
        QCOMPARE(Q(page[5]), QString("<caption>Energy for 100g</caption><thead><tr><td></td><th "
                                     "scope=\"col\">Energy</th></tr></thead><tbody>"));
        QCOMPARE(Q(page[6]), QString("<tr>"));
        QCOMPARE(Q(page[7]), QString("<th scope=\"row\">Acerola,(west Indian Cherry),raw</th>"));
        QCOMPARE(Q(page[8]), QString("<td>32kcal</td>"));
        QCOMPARE(Q(page[9]), QString("</tr>"));
        QCOMPARE(Q(page[11]), QString("<th scope=\"row\">Apples,raw,with Skin</th>"));
        QCOMPARE(Q(page[14]), QString("</tbody></table>"));
        QCOMPARE(Q(page.back()), QString("</body></html>"));

        QStringList headings, heads;
        for (const std::string& line : page) {
            if (Q(line).startsWith("<h2>")) {
                headings << Q(line);
            }
            if (Q(line).startsWith("<caption>")) {
                heads << Q(line);
            }
        }
        QCOMPARE(headings, QStringList({"<h2>Energy</h2>", "<h2>Nutrients</h2>",
                                        "<h2>Carbohydrate</h2>", "<h2>Minerals</h2>",
                                        "<h2>More Minerals</h2>", "<h2>Group B Vitamins</h2>",
                                        "<h2>Vitamin A</h2>", "<h2>Vitamin C</h2>",
                                        "<h2>Other Vitamins</h2>", "<h2>Fatty Acids</h2>"}));
        const QString col = "<th scope=\"col\">";
        QCOMPARE(heads[2], "<caption>Carbohydrate for 100g</caption><thead><tr><td></td>" + col +
                               "Total sugars</th>" + col +
                               "Total dietary fiber</th></tr></thead><tbody>");
        QCOMPARE(heads[3], "<caption>Minerals for 100g</caption><thead><tr><td></td>" + col +
                               "Calcium</th>" + col + "Sodium</th>" + col + "Magnesium</th>" + col +
                               "Phosphorus</th>" + col + "Potassium</th></tr></thead><tbody>");
        QCOMPARE(heads[4], "<caption>Minerals for 100g</caption><thead><tr><td></td>" + col +
                               "Zinc</th>" + col + "Iron</th>" + col + "Copper</th>" + col +
                               "Manganese</th>" + col + "Selenium</th></tr></thead><tbody>");
        QVERIFY(heads[5].contains("Vitamin B6</th>" + col + "Folic acid</th></tr>"));
        QVERIFY(heads[8].contains("Vitamin E</th>" + col + "Vitamin K</th>" + col + "Carotenoids"));
    }

    void comparisonCells() {
        auto fruits = fruitsAt({0, 2, 27});
        const Lines page = comparisonReportLines(fruits);
        QCOMPARE(page.size(), std::size_t(44 + 62 * 3));
        const QString joined = Q([&] {
            std::string all;
            for (const auto& l : page) {
                all += l + "\n";
            }
            return all;
        }());
        // Acerola in "More Minerals": zinc, iron, copper, manganese, selenium in milligrams.
        QVERIFY(
            joined.contains("<th scope=\"row\">Acerola,(west Indian Cherry),raw</th>\n<td>0.10mg"
                            "</td>\n<td>0.20mg</td>\n<td>0.086mg</td>\n<td>0.002mg</td>\n<td>"
                            "0.0006mg</td>\n</tr>"));
        // Other vitamins: vitamin E, vitamin K and carotenoids.
        QVERIFY(joined.contains("<td>0.002mg</td>\n<td>2E-6mg</td>\n<td>2E-6mg</td>"));
        QVERIFY(joined.contains("<th scope=\"row\">Currants,red&white,raw</th>"));
        QVERIFY(!joined.contains("&amp;") && !joined.contains("\xB5"));
        // Writing again gives the same page.
        QCOMPARE(comparisonReportLines(fruits), page);
        QCOMPARE(comparisonReportLines(fruitsAt({0, 1, 2, 3, 4, 5, 6, 7, 8})).size(),
                 std::size_t(602));
    }

    void singleFruitPageOnABasis() {
        // Kiwano's second measure, 209 g, is named with inches ('"'); its fiber is not in the
        // table.
        const AmountsOnBasis amounts =
            onBasis(144, Basis::PerPortion, DailyValueStandard::Us2016, Language::English, 1);
        const Lines page = singleFruitReportLines(Fruit(table()[144]), amounts);
        const QString phrase = "per 1 fruit (4-2/3\" long x 2-3/4\" dia) (209 g)";
        QVERIFY(Q(page[3]).endsWith(phrase + "</h1>"));
        QString attribute = phrase;
        attribute.replace("\"", "&quot;");
        int tables = 0;
        for (const std::string& line : page) {
            tables += Q(line).startsWith("<table") ? 1 : 0;
            if (Q(line).startsWith("<table")) {
                QVERIFY(Q(line).contains("data-qv-per=\"" + attribute + "\""));
            }
        }
        QCOMPARE(tables, 6);  // five tables of amounts and the shares
        // Water 88.97 g per 100 g; the unknown fiber is unknown, and has no share but is named.
        QVERIFY(
            contains(page, "<tr><th>Water</th><td>" + Q(scaledAmountText(88.97 * 2.09)) + "g<"));
        QVERIFY(contains(page, "<tr><th>Total dietary fiber</th><td>unknown</td></tr>"));
        QVERIFY(!contains(page, "<td>0.002g") && !contains(page, "2E-6"));
        const QString vitaminC = Q(percentText(*amounts.percents[19]));
        QVERIFY(contains(page, "<table data-qv-reference=\"100\""));
        QVERIFY(contains(page, "<tr><th>Vitamin C</th><td>" + vitaminC + "%</td></tr>"));
        QVERIFY(contains(page, "the table does not give: Total dietary fiber, Selenium"));

        // Per 100 kcal in Spanish: the weight in the heading, decimal commas, Spanish words.
        const Lines spanish = singleFruitReportLines(
            Fruit(table()[144], Language::Spanish),
            onBasis(144, Basis::Per100kcal, DailyValueStandard::None, Language::Spanish));
        QVERIFY(Q(spanish[3]).endsWith("por 100 kcal (227 g)</h1>"));
        QVERIFY(
            contains(spanish, "<td>" + Q(scaledAmountText(1.78 * 100 / 44.0)).replace('.', ',')));
        QVERIFY(!contains(spanish, "data-qv-reference"));
        // 100 g with a standard: the tables as always, then the shares.
        const Lines withShares = singleFruitReportLines(
            Fruit(table()[0]), onBasis(0, Basis::Per100g, DailyValueStandard::Eu2011));
        const Lines plain = fruitPage(0);
        QVERIFY(std::equal(plain.begin() + 5, plain.end() - 1, withShares.begin() + 6));
        QVERIFY(contains(withShares, "<tr><th>Vitamin C</th><td>2097%</td></tr>"));
    }

    void comparisonOnABasis() {
        // Bananas at their first measure, custard-apple without measures at 100 g.
        const std::vector<AmountsOnBasis> amounts = {
            onBasis(13, Basis::PerPortion, DailyValueStandard::Eu2011),
            onBasis(29, Basis::PerPortion, DailyValueStandard::Eu2011)};
        const Lines page = comparisonReportLines(fruitsAt({13, 29}), amounts);
        QVERIFY(contains(page, Q("<th scope=\"row\">Bananas,raw \x97 1 cup, mashed (225 g)</th>")));
        QVERIFY(
            contains(page, Q("<th scope=\"row\">Custard-apple,(bullock's-heart),raw \x97 100 g (no "
                             "household measure)</th>")));
        QVERIFY(contains(page, "<caption>Energy per portion</caption>"));
        // Every group has an amount with an EU reference intake: ten tables of amounts, each
        // followed by its shares.
        int amountTables = 0, shareTables = 0;
        for (const std::string& line : page) {
            amountTables += line == "<table data-qv-per=\"per portion\">" ? 1 : 0;
            shareTables += Q(line).startsWith("<table data-qv-reference=\"100\"") ? 1 : 0;
        }
        QCOMPARE(amountTables, 10);
        QCOMPARE(shareTables, 10);
        QVERIFY(contains(page, "<caption>Vitamin C: % of EU reference intakes</caption>"));
        // An amount the table leaves empty is unknown, never the stand-in, at 100 g too.
        QVERIFY(contains(page, "<td>unknown</td>"));
        QVERIFY(!contains(page, "<td>0.002g") && !contains(page, "2E-6"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 comparisonReportLines(fruitsAt({13, 29}), {amounts[0]}));
    }

    void placeholderPageLine() {
        const std::string page = placeholderPage();
        QCOMPARE(page.size(), std::size_t(228));
        QCOMPARE(Q(page),
                 QString("<html><head></head><body><br/><br/><br/><br/><br/><br/><br/><br/>"
                         "<br/><br/><br/><p style=\"font-family:Verdana;font-weight:bold;"
                         "font-size:22px;text-align:center\">Add a fruit to the comparison "
                         "to build the report</p></body></html>"));
    }

    void pagesDoNotDependOnTheLocale() {
        const Lines fruitBefore = fruitPage(0);
        const Lines compareBefore = comparisonReportLines(fruitsAt({0, 110, 144}));
        Lines fruitAfter;
        Lines compareAfter;
        {
            const GermanLocale german;
            QVERIFY2(german.installed, kNoGermanLocale);
            fruitAfter = fruitPage(0);
            compareAfter = comparisonReportLines(fruitsAt({0, 110, 144}));
        }
        QCOMPARE(fruitAfter, fruitBefore);
        QCOMPARE(compareAfter, compareBefore);
    }
};

QTEST_APPLESS_MAIN(TestReports)
#include "test_reports.moc"
