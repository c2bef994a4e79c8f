// The ranking's chart script on the real web engine: after "jq.dat", "enh.dat", "exc.dat",
// "vis.dat" and "rank.dat" have run in a ranking page, one chart holds one bar per ranked fruit,
// in the ranking's order, with the fruit and its amount exactly as the table writes it in the
// tooltip.
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

// The chart before the ranking table, read back from its SVG: the bars' tooltips and lengths,
// the amount texts at their ends.
const char* const kChart = R"JS(
(function () {
    var slot = document.querySelector("div.qv-chart");
    var svg = slot && slot.nextElementSibling === document.getElementById("ranking")
        ? slot.querySelector("svg") : null;
    if (!svg) return null;
    var bars = Array.prototype.map.call(svg.querySelectorAll("rect > title"), function (t) { return t.parentNode; });
    return {
        name: svg.getAttribute("aria-label"),
        tips: bars.map(function (r) { return r.textContent; }),
        lengths: bars.map(function (r) { return Number(r.getAttribute("width")); }),
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
        QStringList tips;
        for (int i = 0; i < names.size(); ++i) {
            tips << names[i] + QStringLiteral(": ") + texts[i];
        }
        QCOMPARE(chart[QStringLiteral("tips")].toArray(), QJsonArray::fromStringList(tips));
        QVERIFY(chart[QStringLiteral("name")].toString().contains(
            web.eval(QStringLiteral("document.getElementById('ranking').caption.textContent"))
                .toString()));
        // Bar lengths in proportion to the amounts on a linear axis from zero.
        const QJsonArray lengths = chart[QStringLiteral("lengths")].toArray();
        const double perUnit = lengths[0].toDouble() / amounts[0];
        for (int i = 0; i < amounts.size(); ++i) {
            QVERIFY2(qAbs(lengths[i].toDouble() - amounts[i] * perUnit) <= 0.1,
                     qPrintable(tips[i]));
        }
        // A bar's height of its own for every fruit: the page grows and scrolls.
        QVERIFY(chart[QStringLiteral("height")].toDouble() >= 16.0 * names.size());

        // Once more in the same page: nothing added.
        const QJsonValue length = web.eval(body);
        QVERIFY(web.runFiles(kRankingSequence));
        QCOMPARE(web.eval(body), length);
        QCOMPARE(web.errorsSoFar(), QStringList());
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
        QCOMPARE(web.errorsSoFar(), QStringList());
    }
};

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestRankingChart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ranking_chart.moc"
