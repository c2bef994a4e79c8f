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
        set.append(table()[27]);
        set.append(table()[0]);
        QCOMPARE(set.displayNames(),
                 (Names{"Currants,red&white,raw", "Acerola,(west Indian Cherry),raw"}));
        QVERIFY(set.contains("Currants,red&white,raw"));
        QVERIFY(set.remove("Currants,red&white,raw"));
        set.append(table()[27]);
        QCOMPARE(set.displayNames().back(), std::string("Currants,red&white,raw"));
        QCOMPARE(set.count(), std::size_t(2));
    }

    void refusesATenthFruitAndASecondCopy() {
        ComparisonSet set;
        for (std::size_t i = 0; i < ComparisonSet::kLimit; ++i) {
            QVERIFY(!set.isFull());
            set.append(table()[i]);
        }
        QVERIFY(set.isFull());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, set.append(table()[20]));
        QCOMPARE(set.count(), std::size_t(9));
        QVERIFY(set.remove(set.displayNames()[3]));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, set.append(table()[0]));
        QCOMPARE(set.count(), std::size_t(8));
        QCOMPARE(QString(ComparisonSet::kLimitMessage),
                 QString("Please remove some fruits from comparison before adding any more"));
    }

    void badLinesLeaveTheSetAlone() {
        ComparisonSet set;
        set.append(table()[1]);
        QVERIFY_THROWS_EXCEPTION(ListIndexError, set.append("NOT;A;FRUIT"));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, set.append(table()[145].substr(0, 5)));
        QCOMPARE(set.count(), std::size_t(1));
        QVERIFY(!set.remove("Not A Fruit"));
        QVERIFY(!set.remove(""));
        QCOMPARE(set.count(), std::size_t(1));
    }

    void removingEveryFruitEmptiesTheSet() {
        ComparisonSet set;
        for (std::size_t i : {5, 6, 7}) {
            set.append(table()[i]);
        }
        for (const std::string& name : set.displayNames()) {
            QVERIFY(set.remove(name));
        }
        QCOMPARE(set.count(), std::size_t(0));
        QVERIFY(set.displayNames().empty());
        QVERIFY(!set.remove("Apricots,raw"));
    }
};

QTEST_APPLESS_MAIN(TestComparisonSet)
#include "test_comparison_set.moc"
