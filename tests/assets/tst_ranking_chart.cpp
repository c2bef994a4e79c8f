// The ranking's chart script on the real web engine: after "jq.dat", "enh.dat", "exc.dat",
// "vis.dat" and "rank.dat" have run in a ranking page, one chart holds one bar per ranked fruit,
// in the ranking's order, with the amount exactly as the table writes it in the tooltip.
#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

#include "data/fruit_table.h"
#include "data/nutrient_columns.h"
#include "report_pages.h"
#include "reports/ranking.h"
#include "web_harness.h"

namespace {

const QStringList kRankingSequence = {"jq.dat", "enh.dat", "exc.dat", "vis.dat", "rank.dat"};

const char* const kChart = R"JS(
(function () {
    var slot = document.querySelector("div.qv-chart");
    var chart = slot ? slot.qvChart : null;
    if (!chart) return null;
    var tips = chart.options.plugins.tooltip.callbacks;
    return {
        labels: chart.data.labels,
        data: chart.data.datasets[0].data,
        tips: chart.data.labels.map(function (l, i) { return tips.label({dataIndex: i}); }),
        height: slot.getBoundingClientRect().height
    };
})()
)JS";

}  // namespace

class TestRankingChart : public QObject {
    Q_OBJECT
  private slots:
    void barsAreTheRankedFruits_data() {
        QTest::addColumn<int>("column");
        QTest::newRow("Vitamin C") << 19;
        QTest::newRow("Selenium: micrograms, zeros, many empty") << 18;
        QTest::newRow("Water: no empty field") << 1;
    }

    void barsAreTheRankedFruits() {
        QFETCH(int, column);
        std::vector<std::string> lines;
        loadFruitTable(lines);
        const Ranking ranking = rankTableRows(lines, static_cast<std::size_t>(column));
        QStringList names, texts;
        QList<double> amounts;
        for (const std::size_t row : ranking.ranked) {
            amounts << *amountOf(fieldOf(lines[row], column));
            names << QString::fromLatin1(displayNameOf(lines[row]).c_str());
            texts << QString::fromLatin1(
                (fieldOf(lines[row], column) + kTableColumns[column].unit).c_str());
        }

        WebHarness web;
        QVERIFY(web.loadHtml(rankingPageText(column)));
        const QString body = QStringLiteral("document.body.innerHTML.length");
        QVERIFY(web.runFiles(kRankingSequence));
        QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
                 QStringLiteral("1"));
        const QJsonObject chart = web.eval(QString::fromLatin1(kChart)).toObject();
        QCOMPARE(chart[QStringLiteral("labels")].toArray(), QJsonArray::fromStringList(names));
        QCOMPARE(chart[QStringLiteral("tips")].toArray(), QJsonArray::fromStringList(texts));
        QList<double> data;
        for (const QJsonValue& v : chart[QStringLiteral("data")].toArray()) {
            data << v.toDouble();
        }
        QCOMPARE(data, amounts);
        // A bar's height of its own for every fruit: the page grows and scrolls.
        QVERIFY(chart[QStringLiteral("height")].toDouble() >= 16.0 * names.size());

        // Once more in the same page: nothing added.
        const QJsonValue length = web.eval(body);
        QVERIFY(web.runFiles(kRankingSequence));
        QCOMPARE(web.eval(body), length);
        QCOMPARE(web.page().errors, QStringList());
        QCOMPARE(web.requests().nonLocal, QStringList());
    }

    void pagesWithoutTheRankingAreLeftAlone() {
        WebHarness web;
        QVERIFY(web.loadHtml(placeholderPageText()));
        const QJsonValue before = web.eval(QStringLiteral("document.documentElement.innerHTML"));
        QVERIFY(web.runFiles(kRankingSequence));
        QCOMPARE(web.eval(QStringLiteral("document.documentElement.innerHTML")), before);
        QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
                 QStringLiteral("0"));
        QCOMPARE(web.page().errors, QStringList());
    }
};

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestRankingChart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ranking_chart.moc"
