// The comparison as CSV: quoting, units in UTF-8, empty fields, and every fruit of the table
// read back through an RFC 4180 reader.
#include <QtTest>

#include <algorithm>

#include <stdexcept>

#include "data/fruit_table.h"
#include "data/split_by_delimiter.h"
#include "reports/comparison_csv.h"
#include "reports/utf8_text.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

// A strict RFC 4180 reader: every record ends with CR LF, a field is bare (no quote, comma, CR or
// LF) or quoted with inner quotes doubled. Throws on anything else.
Records readCsv(const std::string& text) {
    Records records(1);
    std::size_t i = 0;
    while (i < text.size()) {
        std::string field;
        if (text[i] == '"') {
            while (++i < text.size() && (text[i] != '"' || text.compare(i, 2, "\"\"") == 0))
                field += text[text[i] == '"' ? i++ : i];
            if (i++ == text.size())
                throw std::runtime_error("unterminated quote");
        } else {
            for (; i < text.size() && text[i] != ',' && text[i] != '\r'; ++i) {
                if (text[i] == '"' || text[i] == '\n')
                    throw std::runtime_error("quote or line feed in a bare field");
                field += text[i];
            }
        }
        records.back().push_back(field);
        if (text.compare(i, 2, "\r\n") == 0) {
            i += 2;
            records.emplace_back();
        } else if (text[i++] != ',') {
            throw std::runtime_error("a field not followed by a comma or CR LF");
        }
    }
    if (!records.back().empty())
        throw std::runtime_error("last record without CR LF");
    records.pop_back();
    return records;
}

QString U(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

class TestComparisonCsv : public QObject {
    Q_OBJECT
  private slots:
    void fieldsAreQuotedOnlyWhenTheyMustBe() {
        QCOMPARE(U(csvField("Apples (raw) 0.40")), QString("Apples (raw) 0.40"));
        QCOMPARE(U(csvField("")), QString(""));
        QCOMPARE(U(csvField("a,b")), QString("\"a,b\""));
        QCOMPARE(U(csvField("say \"hi\"")), QString("\"say \"\"hi\"\"\""));
        QCOMPARE(U(csvField("cr\r lf\n")), QString("\"cr\r lf\n\""));
    }

    void headerAndRowAsTheTableWritesThem() {
        const std::string line0 =
            "ACEROLA,(WEST INDIAN CHERRY),RAW;91.41;32;0.40;0.30;0.20;7.69;1.1;;12;0.20;18;11;146;"
            "7;0.10;0.086;;0.6;1677.6;0.020;0.060;0.400;0.309;0.009;14;767;0;0;0;0.068;0.082;0.090";
        const std::string csv = comparisonCsv({line0}, {0});
        const Records records = readCsv(csv);
        QCOMPARE(records.size(), std::size_t(2));
        const auto& header = records[0];
        QCOMPARE(header.size(), std::size_t(33));
        QCOMPARE(U(header[0] + "|" + header[1] + "|" + header[2] + "|" + header[4]),
                 QString("Fruit|Water (g)|Energy (kcal)|Total lipid (fat) (g)"));
        QCOMPARE(U(header[18]), QString::fromUtf8("Selenium (\u00B5g)"));  // UTF-8, not 0xB5
        QCOMPARE(U(header[32]), QString("Polyunsaturated fatty acids (g)"));
        // The name is quoted for its commas; empty fields stay empty, zeros stay "0".
        QCOMPARE(U(csv.substr(csv.find("\r\n") + 2)),
                 QString("\"Acerola,(west Indian Cherry),raw\",91.41,32,0.40,0.30,0.20,7.69,1.1,,"
                         "12,0.20,18,11,146,7,0.10,0.086,,0.6,1677.6,0.020,0.060,0.400,0.309,"
                         "0.009,14,767,0,0,0,0.068,0.082,0.090\r\n"));
    }

    void namesBecomeUtf8AndBrokenLinesAreRefused() {
        const std::string name =
            "PI\xD1"
            "AS \x80"
            "X,\"DRY\"";  // Ñ, €, a quote
        const Records records = readCsv(comparisonCsv({name + std::string(32, ';')}, {0}));
        QCOMPARE(U(records.at(1).at(0)), QString::fromUtf8("Pi\u00F1as \u20ACx,\"dry\""));
        QCOMPARE(readCsv(comparisonCsv({}, {})).size(), std::size_t(1));  // the header alone
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, comparisonCsv({"APPLES;1;2"}, {0}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, comparisonCsv({std::string(33, ';')}, {0}));
    }

    void fileOnABasis() {
        std::vector<std::string> table;
        loadFruitTable(table);
        const auto kiwano = [&](Basis basis, DailyValueStandard standard) {
            return amountsOnBasis(table[144], {}, basis, 0, standard, Language::English);
        };
        // Per 100 g without a standard: the file as the table writes it.
        QCOMPARE(comparisonCsv(table, {144}, Language::English,
                               {kiwano(Basis::Per100g, DailyValueStandard::None)}),
                 comparisonCsv(table, {144}));
        const AmountsOnBasis amounts = kiwano(Basis::Per100kcal, DailyValueStandard::Us2016);
        const Records records = readCsv(comparisonCsv(table, {144}, Language::English, {amounts}));
        QCOMPARE(records.size(), std::size_t(3));
        QCOMPARE(U(records[0][0]), QString("Amounts per 100 kcal, % of US daily values"));
        const auto& header = records[1];
        const auto& row = records[2];
        QCOMPARE(header.size(), row.size());
        QCOMPARE(U(header[1] + "|" + header[2] + "|" + header[3]),
                 QString("Basis|Weight (g)|Water (g)"));
        QCOMPARE(U(row[1] + "|" + row[2]), QString("100 kcal (227 g)|227"));
        QCOMPARE(U(row[4]), QString("100"));  // energy
        QCOMPARE(U(row[9]), QString());       // fiber: unknown, not the stand-in
        const auto column = std::find(header.begin(), header.end(), "% of daily value: Vitamin C");
        QVERIFY(column != header.end());
        QCOMPARE(row[std::size_t(column - header.begin())], percentText(*amounts.percents[19]));
        QVERIFY(std::find(header.begin(), header.end(), "% of daily value: Water") == header.end());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 comparisonCsv(table, {144}, Language::English, {}));
    }

    // Fruits are table lines, in the drop-down's order (here the table's, backwards).
    void everyFruitRoundTripsInTheDropDownsOrder() {
        std::vector<std::string> table;
        const std::vector<std::string> names = loadFruitTable(table);
        std::vector<std::size_t> fruits;
        for (std::size_t line = names.size(); line-- > 0;)
            fruits.push_back(line);
        const Records records = readCsv(comparisonCsv(table, fruits));
        QCOMPARE(records.size(), std::size_t(146));
        for (std::size_t row = 0; row < fruits.size(); ++row) {
            std::vector<std::string> expected;
            splitByDelimiter(expected, table[fruits[row]], ";");
            expected[0] = utf8FromWindows1252(names[fruits[row]]);
            QVERIFY2(records[row + 1] == expected, table[fruits[row]].c_str());
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, comparisonCsv(table, {0, 146}));
    }
};

QTEST_GUILESS_MAIN(TestComparisonCsv)
#include "test_comparison_csv.moc"
