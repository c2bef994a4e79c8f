// Reading and writing amounts: the grammar, the general format, and independence from the locale.
#include <QtTest>

#include <cstdio>
#include <limits>
#include <string>

#include "data/numbers.h"
#include "data/split_by_delimiter.h"
#include "german_locale.h"

class TestNumbers : public QObject {
    Q_OBJECT
  private slots:
    void parsesWhatTheGrammarAllows_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal") << "1677.6" << 1677.6;
        QTest::newRow("blanks around") << " 12 " << 12.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("plus") << "+4.5" << 4.5;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("signed exponent") << "2E-6" << 2e-6;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("written zero") << "0.0" << 0.0;
        QTest::newRow("underflow reads as zero") << "1e-400" << 0.0;
    }
    void parsesWhatTheGrammarAllows() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto parsed = parseNumber(text.toStdString());
        QVERIFY(parsed.has_value());
        QCOMPARE(*parsed, value);
    }

    void rejectsEverythingElse_data() {
        QTest::addColumn<QString>("text");
        for (const char* bad :
             {"", " ", "abc", "1,5", "1.2.3", ".", "-", "1e", "1e+", "12a", "0x10", "nan", "inf",
              "1 2", "\t1", "1e999", "-1e400", "++1", "1..2"}) {
            QTest::newRow(bad) << QString::fromLatin1(bad);
        }
    }
    void rejectsEverythingElse() {
        QFETCH(QString, text);
        QVERIFY(!parseNumber(text.toStdString()).has_value());
    }

    // A long exponent must not be cut short: a million leading zeros do not bring 1e20000000 into
    // range, and two million digits do not lift 1e-20000000 out of the underflow to zero.
    void longExponentsKeepTheirSide() {
        const std::string farTooLarge = "0." + std::string(1000000, '0') + "1e20000000";
        QVERIFY(!parseNumber(farTooLarge).has_value());
        const std::string farTooSmall = "1" + std::string(2000000, '0') + "e-20000000";
        const auto parsed = parseNumber(farTooSmall);
        QVERIFY(parsed.has_value());
        QCOMPARE(*parsed, 0.0);
    }

    void formatsWithFifteenDigits_data() {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("selenium") << 0.6 / 1000 << "0.0006";
        QTest::newRow("stand-in") << 0.002 / 1000 << "2E-6";
        QTest::newRow("vitamin A") << 767.0 / 1000 << "0.767";
        QTest::newRow("carotenoids") << 5578.0 / 1000 << "5.578";
        QTest::newRow("one") << 1.0 / 1000 << "0.001";
        QTest::newRow("lower edge") << 0.1 / 1000 << "0.0001";
        QTest::newRow("below edge") << 0.05 / 1000 << "5E-5";
        QTest::newRow("plain") << 1677.6 << "1677.6";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -2.5 << "-2.5";
        QTest::newRow("padded integer") << 1200.0 << "1200";
        QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
        QTest::newRow("1E15") << 1e15 << "1E15";
        QTest::newRow("rounds to 15 digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("rounding carries") << 9.9999999999999999 << "10";
        QTest::newRow("big with fraction digits") << 1.5e20 << "1.5E20";
        QTest::newRow("tiny negative") << -1.25e-7 << "-1.25E-7";
    }
    void formatsWithFifteenDigits() {
        QFETCH(double, number);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatNumber(number)), text);
    }

    void formattedNumbersReadBack() {
        for (double x : {1e-300, 3.14159265358979, 123456.789, 2e-6, 1e300, 0.0006}) {
            const auto back = parseNumber(formatNumber(x));
            QVERIFY(back.has_value());
            QCOMPARE(formatNumber(*back), formatNumber(x));
        }
        QCOMPARE(QString::fromStdString(formatNumber(std::numeric_limits<double>::infinity())),
                 QString("INF"));
    }

    void ignoresTheLocale() {
        // A German locale writes "1,5": the program must still read and write "1.5".
        const GermanLocale german;
        QVERIFY2(german.installed, kNoGermanLocale);
        char inGerman[8];
        std::snprintf(inGerman, sizeof inGerman, "%.1f", 1.5);
        QCOMPARE(QString(inGerman), QString("1,5"));  // the C library does follow it
        QCOMPARE(*parseNumber("1.5"), 1.5);
        QVERIFY(!parseNumber("1,5").has_value());
        QCOMPARE(QString::fromStdString(formatNumber(0.0006)), QString("0.0006"));
    }

    void splitsAtEveryDelimiter() {
        std::vector<std::string> list{"stale"};
        splitByDelimiter(list, "a;;b;", ";");
        QCOMPARE(list, (std::vector<std::string>{"a", "", "b", ""}));
        splitByDelimiter(list, "", ";");
        QCOMPARE(list, std::vector<std::string>{""});
        splitByDelimiter(list, "x<>y", "<>");
        QCOMPARE(list, (std::vector<std::string>{"x", "y"}));
        splitByDelimiter(list, "a;b", "");
        QCOMPARE(list, std::vector<std::string>{"a;b"});
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
