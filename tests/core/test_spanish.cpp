// The Spanish program's core: the language the program chooses at start, the Spanish table and its
// display names, and the Spanish pages and CSV, held against the English ones line by line.
#include <QtTest>

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

#include "data/fruit.h"
#include "data/fruit_table.h"
#include "data/language.h"
#include "data/name_folding.h"
#include "data/sentence_case.h"
#include "data/split_by_delimiter.h"
#include "reports/comparison_csv.h"
#include "reports/comparison_report.h"
#include "reports/ranking_page.h"
#include "reports/single_fruit_report.h"

namespace {

using Lines = std::vector<std::string>;
using Environment = std::map<std::string, std::string>;

EnvironmentLookup lookupIn(Environment environment) {
    return [environment = std::move(environment)](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    };
}

const Lines& table(Language language) {
    static const Lines english = [] {
        Lines l;
        loadFruitTable(l, Language::English);
        return l;
    }();
    static const Lines spanish = [] {
        Lines l;
        loadFruitTable(l, Language::Spanish);
        return l;
    }();
    return language == Language::Spanish ? spanish : english;
}

std::string withCommas(std::string text) {
    for (char& c : text) {
        c = c == '.' ? ',' : c;
    }
    return text;
}

// The amount cells of a page (a cell that starts with a digit), in page order.
Lines amountCells(const Lines& page) {
    // Latin-1 keeps every byte as one character, so the match gives the bytes back.
    static const QRegularExpression cell(QStringLiteral("<td>([0-9][^<]*)</td>"));
    Lines cells;
    for (const std::string& line : page) {
        auto it = cell.globalMatch(QString::fromLatin1(line.data(), qsizetype(line.size())));
        while (it.hasNext()) {
            cells.push_back(it.next().captured(1).toLatin1().toStdString());
        }
    }
    return cells;
}

// The English cells as a Spanish page must write them: decimal comma, "UI" for "IU".
Lines asSpanish(const Lines& cells) {
    Lines spanish;
    for (const std::string& cell : cells) {
        std::string text = withCommas(cell);
        if (text.size() > 2 && text.compare(text.size() - 2, 2, "IU") == 0) {
            text.replace(text.size() - 2, 2, "UI");
        }
        spanish.push_back(text);
    }
    return spanish;
}

std::vector<Fruit> fruitsOf(std::initializer_list<std::size_t> rows, Language language) {
    std::vector<Fruit> fruits;
    for (const std::size_t row : rows) {
        fruits.emplace_back(table(language).at(row), language);
    }
    return fruits;
}

bool contains(const Lines& lines, const std::string& text) {
    for (const std::string& line : lines) {
        if (line.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

class TestSpanish : public QObject {
    Q_OBJECT

  private slots:
    void languageFromTheDesktopAndTheOption() {
        const EnvironmentLookup none = lookupIn({});
        QVERIFY(chooseLanguage(std::nullopt, none) == Language::English);
        // Each variable alone decides.
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            for (const char* locale : {"es_ES.UTF-8", "es", "es_MX", "es@euro", "es:en"}) {
                const Environment env{{variable, locale}};
                QVERIFY2(languageFromEnvironment(lookupIn(env)) == Language::Spanish, variable);
            }
            for (const char* locale : {"C.UTF-8", "en_GB.UTF-8", "de_DE", "est", "POSIX", "e"}) {
                const Environment env{{variable, locale}};
                QVERIFY2(languageFromEnvironment(lookupIn(env)) == Language::English, locale);
            }
        }
        // The first variable that is set and not empty wins, in the order of the list.
        const Environment spanishFirst{{"LANGUAGE", "es_ES"}, {"LC_ALL", "C"}, {"LANG", "en_US"}};
        QVERIFY(languageFromEnvironment(lookupIn(spanishFirst)) == Language::Spanish);
        const Environment emptyFirst{{"LANGUAGE", ""}, {"LC_ALL", "C.UTF-8"}, {"LANG", "es_ES"}};
        QVERIFY(languageFromEnvironment(lookupIn(emptyFirst)) == Language::English);
        const Environment messages{{"LC_MESSAGES", "es_AR"}, {"LANG", "en_US.UTF-8"}};
        QVERIFY(languageFromEnvironment(lookupIn(messages)) == Language::Spanish);
        // The option overrides the desktop either way; anything but en or es is refused.
        QVERIFY(chooseLanguage(std::string_view("en"), lookupIn(spanishFirst)) ==
                Language::English);
        QVERIFY(chooseLanguage(std::string_view("es"), none) == Language::Spanish);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 chooseLanguage(std::string_view("fr"), none));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, chooseLanguage(std::string_view(""), none));
    }

    void spanishNamesReadAsSentences() {
        QCOMPARE(sentenceCaseWin1252("N\xC9"
                                     "CTAR DE ALBARICOQUE"),
                 std::string("N\xE9"
                             "ctar de albaricoque"));
        QCOMPARE(sentenceCaseWin1252("\xC1"
                                     "CIDO"),
                 std::string("\xC1"
                             "cido"));
        QCOMPARE(sentenceCaseWin1252("(PI\xD1"
                                     "A)"),
                 std::string("(Pi\xF1"
                             "a)"));
        QCOMPARE(sentenceCaseWin1252(""), std::string());

        const Lines names = fruitListNames(table(Language::Spanish), Language::Spanish);
        QCOMPARE(names.size(), std::size_t{145});
        QCOMPARE(names[2], std::string("Manzanas, en crudo, con la piel"));
        QCOMPARE(names[100], std::string("Pi\xF1"
                                         "a, en crudo, todas las variedades"));
        QCOMPARE(names[144], std::string("Mel\xF3"
                                         "n cornudo (kiwano)"));
        QCOMPARE(std::set<std::string>(names.begin(), names.end()).size(), names.size());
        // Every line of the Spanish table makes a record, the short last ones included, and the
        // record carries the list's name and the English line's amounts.
        for (std::size_t i = 0; i < names.size(); ++i) {
            const Fruit spanish(table(Language::Spanish)[i], Language::Spanish);
            const Fruit english(table(Language::English)[i]);
            QCOMPARE(spanish.displayName(), names[i]);
            Lines spanishAmounts(spanish.fields().begin() + 1, spanish.fields().end());
            Lines englishAmounts(english.fields().begin() + 1, english.fields().end());
            QCOMPARE(spanishAmounts, englishAmounts);
        }
    }

    void singleFruitPagesHaveTheEnglishAmountsWithCommas() {
        for (std::size_t i = 0; i + 1 < table(Language::English).size(); ++i) {
            const Lines english = singleFruitReportLines(Fruit(table(Language::English)[i]));
            const Fruit fruit(table(Language::Spanish)[i], Language::Spanish);
            const Lines spanish = singleFruitReportLines(fruit);
            QCOMPARE(spanish.size(), english.size());
            QCOMPARE(amountCells(spanish), asSpanish(amountCells(english)));
            QCOMPARE(spanish[3], "<h1>Nombre de la fruta: " + fruit.displayName() + "</h1>");
            QVERIFY(!contains(spanish, "For each") && !contains(spanish, "Minerals"));
        }
        const Lines acerola = singleFruitReportLines(fruitsOf({0}, Language::Spanish)[0]);
        QCOMPARE(acerola[0], std::string("<!DOCTYPE html><HTML lang=\"es\"><HEAD>"));
        QVERIFY(contains(acerola, "<tr><th>Prote\xEDnas</th><td>0,40g</td></tr>"));
        QVERIFY(contains(acerola, "<tr><th>Selenio</th><td>0,0006mg</td></tr>"));
        QVERIFY(contains(acerola, "Vitamina A : 767UI</p>"));
    }

    void comparisonPagesHaveTheEnglishAmountsWithCommas() {
        for (const auto rows :
             {std::initializer_list<std::size_t>{0, 144},
              std::initializer_list<std::size_t>{27, 100, 2, 13, 57, 76, 99, 126, 143}}) {
            const Lines english = comparisonReportLines(fruitsOf(rows, Language::English));
            const Lines spanish = comparisonReportLines(fruitsOf(rows, Language::Spanish));
            QCOMPARE(spanish.size(), english.size());
            QCOMPARE(amountCells(spanish), asSpanish(amountCells(english)));
            for (const Fruit& fruit : fruitsOf(rows, Language::Spanish)) {
                QVERIFY(contains(spanish, "<th scope=\"row\">" + fruit.displayName() + "</th>"));
            }
            QVERIFY(contains(spanish, "<caption>Minerales por 100 g</caption>"));
            QVERIFY(!contains(spanish, "for 100g"));
        }
    }

    // The same fruits with the same amounts in both languages; equal amounts in the order of the
    // list the reader sees, which in Spanish is not the table's.
    void rankingsListTheSameLinesInBothLanguages() {
        static const QRegularExpression rowAndAmount(
            QStringLiteral("data-row=\"([0-9]+)\"><td>[0-9]+</td>.*<td>([^<]*)</td></tr>"));
        const auto rankedRows = [](const Lines& page) {
            std::vector<std::pair<std::size_t, std::string>> rows;
            for (const std::string& line : page) {
                const auto m =
                    rowAndAmount.match(QString::fromLatin1(line.data(), qsizetype(line.size())));
                if (m.hasMatch())
                    rows.emplace_back(m.captured(1).toULong(), m.captured(2).toStdString());
            }
            return rows;
        };
        const Lines spanishNames = fruitListNames(table(Language::Spanish), Language::Spanish);
        std::vector<std::size_t> listPosition(spanishNames.size());
        const auto order = fruitListOrder(spanishNames, Language::Spanish);
        for (std::size_t position = 0; position < order.size(); ++position)
            listPosition[order[position]] = position;
        std::size_t tiesSeen = 0;
        for (std::size_t column = 1; column <= 32; ++column) {
            auto english = rankedRows(rankingPageLines(table(Language::English), column));
            const auto spanish =
                rankedRows(rankingPageLines(table(Language::Spanish), column, Language::Spanish));
            QCOMPARE(spanish.size(), english.size());
            QVERIFY(!english.empty());
            for (std::size_t i = 0; i < spanish.size(); ++i) {
                QCOMPARE(spanish[i].second, asSpanish({english[i].second})[0]);
                if (i > 0 && spanish[i].second == spanish[i - 1].second) {
                    ++tiesSeen;
                    QVERIFY(listPosition[spanish[i - 1].first] < listPosition[spanish[i].first]);
                }
            }
            auto sortedSpanish = spanish;
            for (auto& row : english)
                row.second = asSpanish({row.second})[0];
            std::sort(english.begin(), english.end());
            std::sort(sortedSpanish.begin(), sortedSpanish.end());
            QCOMPARE(sortedSpanish, english);
        }
        QVERIFY(tiesSeen > 0);
    }

    void spanishListOrderAndFinding() {
        // "á" sorts with "a", "ñ" after "n", case aside; equal names keep the table's order.
        const Lines names{"Zumo",
                          "\xD1"
                          "ame",
                          "Nueces",
                          "Albaricoque",
                          "\xC1"
                          "cido",
                          "nabo",
                          "Nueces"};
        QCOMPARE(fruitListOrder(names, Language::Spanish),
                 (std::vector<std::size_t>{4, 3, 5, 2, 6, 1, 0}));
        QCOMPARE(fruitListOrder(names, Language::English),
                 (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6}));
        // Case and accents aside in both directions; an empty text is in every name.
        const struct {
            const char* name;
            const char* typed;
            bool found;
        } finds[] = {{"Pl\xE1tanos, en crudo", "platano", true},
                     {"Platanos", "PL\xC1T", true},
                     {"Pi\xF1"
                      "a, en crudo",
                      "pina", true},
                     {"Pi\xF1"
                      "a, en crudo",
                      "pi\xF1"
                      "a",
                      true},
                     {"Apples,raw", "", true},
                     {"Apples,raw", "pear", false},
                     {"Apples,raw", "apples,raw,", false}};
        for (const auto& find : finds)
            QVERIFY2(nameContains(find.name, find.typed) == find.found, find.typed);
    }

    void spanishCsvUsesSemicolonsAndDecimalCommas() {
        const std::string csv =
            comparisonCsv(table(Language::Spanish), {0, 144}, Language::Spanish);
        Lines records;
        splitByDelimiter(records, csv, "\r\n");
        QCOMPARE(records.size(), std::size_t{4});  // header, two fruits, the empty rest
        Lines header;
        splitByDelimiter(header, records[0], ";");
        QCOMPARE(header.size(), std::size_t{33});
        QCOMPARE(header[0], std::string("Fruta"));
        QCOMPARE(header[2], std::string("Energ\xC3\xAD"
                                        "a (kcal)"));  // UTF-8
        Lines acerola;
        splitByDelimiter(acerola, records[1], ";");
        QCOMPARE(acerola[0], std::string("Acerola, (cereza de las antillas), en crudo"));
        QCOMPARE(acerola[3], std::string("0,40"));
        QCOMPARE(acerola[19], std::string("1677,6"));
        QCOMPARE(acerola[8], std::string());
        Lines kiwano;
        splitByDelimiter(kiwano, records[2], ";");
        QCOMPARE(kiwano.size(), std::size_t{33});
        // A name holding the separator is quoted; English keeps its commas and its quoting.
        QCOMPARE(csvField("a;b", ';'), std::string("\"a;b\""));
        QCOMPARE(csvField("a,b", ';'), std::string("a,b"));
    }
};

QTEST_APPLESS_MAIN(TestSpanish)
#include "test_spanish.moc"
