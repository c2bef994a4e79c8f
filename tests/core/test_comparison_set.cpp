// The comparison set: order, the limit of nine, one record per fruit, removal.
#include <QtTest>

#include <stdexcept>

#include "compare/comparison_set.h"
#include "data/fruit_table.h"

namespace {

using Names = std::vector<std::string>;

const std::vector<std::string>& Table() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> l;
        LoadFruitTable(l);
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
        set.Append(Table()[27]);
        set.Append(Table()[0]);
        QCOMPARE(set.DisplayNames(),
                 (Names{"Currants,red&white,raw", "Acerola,(west Indian Cherry),raw"}));
        QVERIFY(set.Contains("Currants,red&white,raw"));
        QVERIFY(set.Remove("Currants,red&white,raw"));
        set.Append(Table()[27]);
        QCOMPARE(set.DisplayNames().back(), std::string("Currants,red&white,raw"));
        QCOMPARE(set.Count(), std::size_t(2));
    }

    void refusesATenthFruitAndASecondCopy() {
        ComparisonSet set;
        for (std::size_t i = 0; i < ComparisonSet::kLimit; ++i) {
            QVERIFY(!set.IsFull());
            set.Append(Table()[i]);
        }
        QVERIFY(set.IsFull());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, set.Append(Table()[20]));
        QCOMPARE(set.Count(), std::size_t(9));
        QVERIFY(set.Remove(set.DisplayNames()[3]));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, set.Append(Table()[0]));
        QCOMPARE(set.Count(), std::size_t(8));
        QCOMPARE(QString(ComparisonSet::kLimitMessage),
                 QString("Please remove some fruits from comparison before adding any more"));
    }

    void badLinesLeaveTheSetAlone() {
        ComparisonSet set;
        set.Append(Table()[1]);
        QVERIFY_THROWS_EXCEPTION(EListError, set.Append("NOT;A;FRUIT"));
        QVERIFY_THROWS_EXCEPTION(EListError, set.Append(Table()[145].substr(0, 5)));
        QCOMPARE(set.Count(), std::size_t(1));
        QVERIFY(!set.Remove("Not A Fruit"));
        QVERIFY(!set.Remove(""));
        QCOMPARE(set.Count(), std::size_t(1));
    }

    void removingEveryFruitEmptiesTheSet() {
        ComparisonSet set;
        for (std::size_t i : {5, 6, 7}) {
            set.Append(Table()[i]);
        }
        for (const std::string& name : set.DisplayNames()) {
            QVERIFY(set.Remove(name));
        }
        QCOMPARE(set.Count(), std::size_t(0));
        QVERIFY(set.DisplayNames().empty());
        QVERIFY(!set.Remove("Apricots,raw"));
    }
};

QTEST_APPLESS_MAIN(TestComparisonSet)
#include "test_comparison_set.moc"
