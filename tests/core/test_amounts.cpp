// Amounts on a basis and their share of a daily value: weights, scaling, unknown amounts,
// percentages, and the household measures the portions come from.
#include <QtTest>

#include <stdexcept>

#include "data/amount_basis.h"
#include "data/daily_values.h"
#include "data/fruit_table.h"
#include "data/household_measures.h"

namespace {

using Standard = DailyValueStandard;

const std::vector<HouseholdMeasure> kCupAndSlice = {{"1", "cup, sliced", "165", 165},
                                                    {"1", "slice", "12.5", 12.5}};

QString Q(const std::string& s) {
    return QString::fromLatin1(s.data(), int(s.size()));
}

}  // namespace

class TestAmounts : public QObject {
    Q_OBJECT
  private slots:
    void amountsAndPercentages_data() {
        QTest::addColumn<int>("basis");
        QTest::addColumn<bool>("hasMeasures");
        QTest::addColumn<int>("portion");
        QTest::addColumn<QString>("energy");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("grams");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("us");
        QTest::addColumn<QString>("eu");
        const int g100 = int(Basis::Per100g), portion = int(Basis::PerPortion),
                  kcal = int(Basis::Per100kcal);
        // Vitamin C 53.2 mg per 100 g in a 165 g cup: 87.78 mg, 97.5 % of 90 mg, 109.7 % of 80.
        QTest::newRow("usual portion")
            << portion << true << 0 << "47" << 19 << "53.2" << 165.0 << "87.8"
            << "98"
            << "110";
        QTest::newRow("second portion")
            << portion << true << 1 << "47" << 19 << "53.2" << 12.5 << "6.65"
            << "7"
            << "8";
        // 100 kcal of a 52 kcal fruit weigh 192.3 g: energy reads 100 kcal, 5 % of 2000.
        QTest::newRow("energy per 100 kcal")
            << kcal << true << 0 << "52" << 2 << "52" << 100 * 100 / 52.0 << "100"
            << "5"
            << "5";
        QTest::newRow("small per 100 kcal")
            << kcal << true << 0 << "52" << 16 << "0.027" << 100 * 100 / 52.0 << "0.0519"
            << "6"
            << "5";
        // Vitamin A in IU: 767 IU are 38.35 ug RAE (4 % of 900) and 76.7 ug RE (10 % of 800).
        QTest::newRow("vitamin A") << g100 << true << 0 << "32" << 26 << "767" << 100.0 << "767"
                                   << "4"
                                   << "10";
        // EU sodium as salt: 735 mg sodium are 1.84 g salt, 31 % of 6 g; US 32 % of 2300 mg.
        QTest::newRow("sodium") << g100 << true << 0 << "32" << 14 << "735" << 100.0 << "735"
                                << "32"
                                << "31";
        QTest::newRow("under one percent")
            << g100 << true << 0 << "32" << 14 << "7" << 100.0 << "7.00"
            << "<1"
            << "<1";
        QTest::newRow("zero is an amount")
            << portion << true << 0 << "32" << 19 << "0.0" << 165.0 << "0"
            << "0"
            << "0";
        // Water has no daily value anywhere, sugars none in the US, fiber none in the EU.
        QTest::newRow("water") << g100 << true << 0 << "32" << 1 << "91.41" << 100.0 << "91.4"
                               << ""
                               << "";
        QTest::newRow("sugars") << g100 << true << 0 << "32" << 8 << "9" << 100.0 << "9.00"
                                << ""
                                << "10";
        QTest::newRow("fiber") << g100 << true << 0 << "32" << 7 << "2.8" << 100.0 << "2.80"
                               << "10"
                               << "";
        // An empty field is unknown on every basis, whatever the record shows in its place.
        QTest::newRow("unknown") << portion << true << 0 << "32" << 19 << "" << 165.0 << ""
                                 << ""
                                 << "";
        QTest::newRow("not a number") << kcal << true << 0 << "32" << 19 << "abc" << 312.5 << ""
                                      << ""
                                      << "";
        // Without measures, or without energy, a fruit stays at 100 g.
        QTest::newRow("no measures")
            << portion << false << 0 << "47" << 19 << "53.2" << 100.0 << "53.2"
            << "59"
            << "67";
        QTest::newRow("no energy") << kcal << true << 0 << "" << 19 << "53.2" << 100.0 << "53.2"
                                   << "59"
                                   << "67";
    }

    void amountsAndPercentages() {
        QFETCH(int, basis);
        QFETCH(bool, hasMeasures);
        QFETCH(int, portion);
        QFETCH(QString, energy);
        QFETCH(int, column);
        QFETCH(QString, field);
        QFETCH(double, grams);
        const auto weight = weightOn(static_cast<Basis>(basis),
                                     hasMeasures ? kCupAndSlice : std::vector<HouseholdMeasure>{},
                                     std::size_t(portion), energy.toStdString());
        QCOMPARE(weight.grams, grams);
        QCOMPARE(weight.fellBack, grams == 100.0 && basis != int(Basis::Per100g));
        const auto amount = amountIn(field.toStdString(), weight.grams);
        QTEST(amount ? Q(scaledAmountText(*amount)) : QString(), "amount");
        const auto percent = [&](Standard standard) {
            const auto share =
                amount ? dailyValuePercent(standard, std::size_t(column), *amount) : std::nullopt;
            return share ? Q(percentText(*share)) : QString();
        };
        QTEST(percent(Standard::Us2016), "us");
        QTEST(percent(Standard::Eu2011), "eu");
        QVERIFY(!dailyValuePercent(Standard::None, std::size_t(column), 1.0));
        QCOMPARE(hasDailyValue(Standard::Us2016, std::size_t(column)),
                 dailyValuePercent(Standard::Us2016, std::size_t(column), 1.0).has_value());
    }

    void portionPastTheMeasuresIsRefused() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 weightOn(Basis::PerPortion, kCupAndSlice, 2, "47"));
        QCOMPARE(Q(percentText(99.5)), QString("100"));
        QCOMPARE(Q(scaledAmountText(1234.56)), QString("1235"));
    }

    void measureTables() {
        std::vector<std::string> fruitLines;
        const std::size_t fruits = loadFruitTable(fruitLines).size();
        const MeasureTable english = loadMeasureTable(Language::English, fruits);
        const MeasureTable spanish = loadMeasureTable(Language::Spanish, fruits);
        QCOMPARE(english.size(), fruits);
        std::size_t count = 0;
        for (std::size_t line = 0; line < fruits; ++line) {
            QCOMPARE(spanish[line].size(), english[line].size());
            count += english[line].size();
            for (std::size_t m = 0; m < english[line].size(); ++m) {
                QCOMPARE(spanish[line][m].grams, english[line][m].grams);
            }
        }
        QCOMPARE(count, std::size_t(329));
        QCOMPARE(Q(english[2][0].name), QString("cup, quartered or chopped"));
        QVERIFY(english[29].empty());  // custard-apple: no measure in the USDA release
    }

    void badMeasureTables_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("four fields") << "0;1;1;cup\r\n";
        QTest::newRow("fruit past the table") << "3;1;1;cup;98\r\n";
        QTest::newRow("order skips") << "0;1;1;cup;98\r\n0;3;1;slice;9\r\n";
        QTest::newRow("fruits out of order") << "1;1;1;cup;98\r\n0;1;1;cup;98\r\n";
        QTest::newRow("no weight") << "0;1;1;cup;0\r\n";
        QTest::newRow("no name") << "0;1;1;;98\r\n";
    }

    void badMeasureTables() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, parseMeasureTable(text.toStdString(), 3));
        QCOMPARE(parseMeasureTable("0;1;1;cup;98\r\n0;2;0.5;cup;49\r\n2;1;1;cup;9", 3)[0].size(),
                 std::size_t(2));
    }
};

QTEST_APPLESS_MAIN(TestAmounts)
#include "test_amounts.moc"
