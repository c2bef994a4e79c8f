// Building a fruit record from a table line: cleaning, both orders, the microgram conversion.
#include <QtTest>

#include "data/fruit.h"
#include "data/fruit_table.h"
#include "data/resource_text.h"

namespace {

const std::string kLine0 =
    "ACEROLA,(WEST INDIAN CHERRY),RAW;91.41;32;0.40;0.30;0.20;7.69;1.1;;12;0.20;18;11;146;7;0.10;"
    "0.086;;0.6;1677.6;0.020;0.060;0.400;0.309;0.009;14;767;0;0;0;0.068;0.082;0.090";

// A line whose amounts are all "1" but the ones given.
std::string lineWith(const std::vector<std::pair<int, std::string>>& fields, int count = 33) {
    std::vector<std::string> parts(static_cast<std::size_t>(count), "1");
    parts[0] = "TEST FRUIT";
    for (const auto& [index, text] : fields) {
        parts[static_cast<std::size_t>(index)] = text;
    }
    std::string line;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        line += (i ? ";" : "") + parts[i];
    }
    return line;
}

QString Q(const std::string& s) {
    return QString::fromLatin1(s.data(), int(s.size()));
}

}  // namespace

class TestFruit : public QObject {
    Q_OBJECT
  private slots:
    void firstLineOfTheTable() {
        Fruit fruit(kLine0);
        QCOMPARE(Q(fruit.tableEntries()[0].value), QString("ACEROLA,(WEST INDIAN CHERRY),RAW"));
        const NutrientEntry& name = fruit.displayEntries()[0];
        QCOMPARE(Q(name.value), QString("Acerola,(west Indian Cherry),raw"));
        QCOMPARE(Q(name.name), QString("Fruit name"));
        QCOMPARE(Q(name.unit), QString("100 g"));
        QCOMPARE(Q(fruit.displayEntries()[1].value + "|" + fruit.displayEntries()[1].name + "|" +
                   fruit.displayEntries()[1].unit),
                 QString("32|Energy|kcal"));
        QCOMPARE(Q(fruit.displayEntries()[7].value + "|" + fruit.displayEntries()[7].name),
                 QString("0.002|Total sugars"));
        QCOMPARE(Q(fruit.displayEntries()[18].value + "|" + fruit.displayEntries()[18].unit),
                 Q("0.6|\xB5g"));
        QCOMPARE(Q(fruit.displayEntries()[29].value + "|" + fruit.displayEntries()[29].name),
                 QString("0.002|Carotenoids"));
        QCOMPARE(Q(fruit.displayEntries()[3].value), QString("0.40"));  // kept as written
        QCOMPARE(fruit.fields().size(), std::size_t(33));
    }

    void displayOrderFollowsTheReports() {
        Fruit fruit(kLine0);
        const char* expected[] = {"Fruit name",
                                  "Energy",
                                  "Water",
                                  "Protein",
                                  "Total lipid (fat)",
                                  "Ash",
                                  "Carbohydrate",
                                  "Total sugars",
                                  "Total dietary fiber",
                                  "Calcium",
                                  "Iron",
                                  "Magnesium",
                                  "Phosphorus",
                                  "Potassium",
                                  "Zinc",
                                  "Sodium",
                                  "Copper",
                                  "Manganese",
                                  "Selenium",
                                  "Vitamin C",
                                  "Vitamin B1",
                                  "Vitamin B2",
                                  "Vitamin B3",
                                  "Vitamin B5",
                                  "Vitamin B6",
                                  "Folic acid",
                                  "Vitamin A",
                                  "Vitamin E",
                                  "Vitamin K",
                                  "Carotenoids",
                                  "Saturated fatty acids",
                                  "Monounsaturated fatty acids",
                                  "Polyunsaturated fatty acids"};
        for (std::size_t k = 0; k < kFieldCount; ++k) {
            QCOMPARE(Q(fruit.displayEntries()[k].name), QString(expected[k]));
        }
        QCOMPARE(Q(fruit.displayEntries()[14].value), QString("0.10"));  // zinc, field 15
        QCOMPARE(Q(fruit.displayEntries()[15].value), QString("7"));     // sodium, field 14
    }

    void cleaningReplacesWhatIsNotAPositiveNumber() {
        Fruit fruit(lineWith({{1, "0"},
                              {2, "0.0"},
                              {3, "-1"},
                              {4, ""},
                              {5, "abc"},
                              {6, "0.40"},
                              {7, "1e3"},
                              {8, " 12 "},
                              {9, "\t"},
                              {10, "1e999"}}));
        const char* expected[] = {"0.002", "0.002", "0.002", "0.002", "0.002",
                                  "0.40",  "1e3",   " 12 ",  "0.002", "0.002"};
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(Q(fruit.fields()[std::size_t(i)]), QString(expected[i - 1]));
            QCOMPARE(fruit.tableEntries()[std::size_t(i)].value, fruit.fields()[std::size_t(i)]);
        }
    }

    void nameIsNeverCleaned() {
        Fruit fruit(lineWith({{0, ""}}));
        QCOMPARE(Q(fruit.tableEntries()[0].value), QString());
        QCOMPARE(Q(fruit.displayName()), QString());
    }

    void shortLinesFailLongLinesAreCut() {
        try {
            Fruit fruit(lineWith({}, 28));
            QFAIL("a 28-field line made a record");
        } catch (const ListIndexError& error) {
            QCOMPARE(QString(error.what()), QString("List index out of bounds (28)"));
        }
        QVERIFY_THROWS_EXCEPTION(ListIndexError, Fruit(""));
        Fruit longer(lineWith({{33, "-5"}, {34, "x"}}, 35));
        QCOMPARE(longer.fields().size(), std::size_t(35));
        QCOMPARE(Q(longer.fields()[34]), QString("0.002"));
        QCOMPARE(Q(longer.displayEntries()[32].value), QString("1"));
    }

    void spanishTableEndsWithLinesTooShortForARecord() {
        const std::vector<std::string> lines = splitTableLines(loadResourceText("esdat", "text"));
        QCOMPARE(lines.size(), std::size_t(146));
        Fruit first(lines[0]);
        QCOMPARE(first.displayEntries()[1].value, Fruit(kLine0).displayEntries()[1].value);
        QVERIFY_THROWS_EXCEPTION(ListIndexError, Fruit{lines[144]});
    }

    void micrograms() {
        Fruit fruit(kLine0);
        const auto first = fruit.milligramAmounts();
        QCOMPARE(Q(first[0]), QString("0.0006"));
        QCOMPARE(Q(first[1]), QString("0.014"));
        QCOMPARE(Q(first[2]), QString("2E-6"));
        QCOMPARE(Q(first[3]), QString("2E-6"));
        // The record itself stays as the table has it: micrograms, the value as written.
        for (std::size_t k : {18, 25, 28, 29}) {
            QCOMPARE(Q(fruit.displayEntries()[k].unit), Q("\xB5g"));
        }
        QCOMPARE(Q(fruit.displayEntries()[18].value), QString("0.6"));
        QCOMPARE(fruit.milligramAmounts(), first);
    }

    void everyEmbeddedFruitBuilds() {
        std::vector<std::string> lines;
        const auto names = loadFruitTable(lines);
        for (std::size_t i = 0; i < names.size(); ++i) {
            Fruit fruit(lines[i]);
            QCOMPARE(fruit.displayName(), names[i]);
            for (std::size_t k = 1; k < kFieldCount; ++k) {
                const std::string& v = fruit.displayEntries()[k].value;
                QVERIFY2(std::stod(v) > 0, v.c_str());
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFruit)
#include "test_fruta.moc"
