// The comparison set: order, the limit of nine, one record per fruit, removal.
#include <QtTest>

#include <stdexcept>

#include "compare/comparison_set.h"
#include "data/fruit_table.h"

namespace {

using Names = std::vector<std::string>;

const std::vector<std::string>& table() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> l;
        loadFruitTable(l);
        return l;
    }();
    return lines;
}

}  // namespace

class TestComparisonSet : public QObject {
    Q_OBJECT
  private slots:
    void keepsTheOrderOfAdding() {
        ComparisonSet set;
        set.append(27, table()[27]);
        set.append(0, table()[0]);
        QCOMPARE(set.displayNames(),
                 (Names{"Currants,red&white,raw", "Acerola,(west Indian Cherry),raw"}));
        QCOMPARE(set.tableLines(), (std::vector<std::size_t>{27, 0}));
        QVERIFY(set.contains(27) && !set.contains(1));
        QVERIFY(set.remove(27));
        set.append(27, table()[27]);
        QCOMPARE(set.displayNames().back(), std::string("Currants,red&white,raw"));
        QCOMPARE(set.tableLines(), (std::vector<std::size_t>{0, 27}));
        QCOMPARE(set.count(), std::size_t(2));
    }

    void refusesATenthFruitAndASecondCopy() {
        ComparisonSet set;
        for (std::size_t i = 0; i < ComparisonSet::kLimit; ++i) {
            QVERIFY(!set.isFull());
            set.append(i, table()[i]);
        }
        QVERIFY(set.isFull());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, set.append(20, table()[20]));
        QCOMPARE(set.count(), std::size_t(9));
        QVERIFY(set.remove(3));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, set.append(0, table()[0]));
        QCOMPARE(set.count(), std::size_t(8));
        QCOMPARE(QString(ComparisonSet::kLimitMessage),
                 QString("Please remove some fruits from comparison before adding any more"));
    }

    void badLinesLeaveTheSetAlone() {
        ComparisonSet set;
        set.append(1, table()[1]);
        QVERIFY_THROWS_EXCEPTION(ListIndexError, set.append(2, "NOT;A;FRUIT"));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, set.append(145, table()[145].substr(0, 5)));
        QCOMPARE(set.count(), std::size_t(1));
        QVERIFY(!set.contains(2) && !set.contains(145));
        QVERIFY(!set.remove(2));
        QCOMPARE(set.count(), std::size_t(1));
    }

    void removingEveryFruitEmptiesTheSet() {
        ComparisonSet set;
        for (std::size_t i : {5, 6, 7}) {
            set.append(i, table()[i]);
        }
        for (const std::size_t line : std::vector<std::size_t>(set.tableLines())) {
            QVERIFY(set.remove(line));
        }
        QCOMPARE(set.count(), std::size_t(0));
        QVERIFY(set.displayNames().empty() && set.tableLines().empty());
        QVERIFY(!set.remove(5));
    }
};

QTEST_APPLESS_MAIN(TestComparisonSet)
#include "test_comparison_set.moc"
