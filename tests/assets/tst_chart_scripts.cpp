// The chart scripts and style sheets that lie beside the program, run through the real web
// engine as the program runs them: each report page loaded with the program's folder as base,
// then "jq.dat", "enh.dat", "exc.dat", "vis.dat" and "exa.dat" (report of one fruit) or
// "exacomp.dat" (comparison report), each a separate evaluation in the page's main world.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>

#include "report_pages.h"
#include "web_harness.h"

namespace {

constexpr int kTimeoutMs = 30000;

// Rows of the five tables of the report of one fruit, and columns of the ten comparison tables.
const QList<int> kSingleRows = {5, 2, 10, 9, 3};
const QList<int> kComparisonColumns = {1, 5, 2, 5, 5, 6, 1, 1, 3, 3};

// Per table, in page order: what the table holds (read straight from the DOM) and what the SVG
// chart that follows it shows, read back from its elements.
const char* const kChartSummary = R"JS(
Array.prototype.map.call(document.querySelectorAll("table"), function (table) {
    function texts(list) { return Array.prototype.map.call(list, function (e) { return e.textContent.trim(); }); }
    var slot = table.nextElementSibling;
    var svg = slot && slot.classList.contains("qv-chart") ? slot.querySelector("svg") : null;
    var out = {
        caption: table.caption ? table.caption.textContent.trim() : "",
        rowHeads: texts(table.querySelectorAll("tbody th")),
        colHeads: texts(table.querySelectorAll("thead th[scope=col]")),
        cells: Array.prototype.map.call(table.querySelectorAll("tbody tr"), function (tr) {
            return texts(tr.querySelectorAll("td"));
        }),
        hasChart: !!svg
    };
    if (svg) {
        var bars = svg.querySelectorAll("rect > title");
        out.role = svg.getAttribute("role");
        out.name = svg.getAttribute("aria-label");
        out.tips = texts(bars);
        out.pale = Array.prototype.map.call(bars, function (t) { return t.parentNode.getAttribute("fill-opacity") === "0.3"; });
        out.fills = Array.prototype.map.call(bars, function (t) { return getComputedStyle(t.parentNode).fill; });
        out.lengths = Array.prototype.map.call(bars, function (t) {
            var r = t.parentNode; return [r.getAttribute("width"), r.getAttribute("height")];
        });
        var across = out.lengths.map(function (l) { return Number(l[0]); });
        var longest = Math.max.apply(null, across);
        out.shares = across.map(function (l) { return Math.round(100 * l / longest); });
        out.texts = texts(svg.querySelectorAll("text"));
        out.legend = texts(svg.querySelectorAll(".qv-legend text"));
        out.legendFills = Array.prototype.map.call(svg.querySelectorAll(".qv-legend rect"), function (r) { return getComputedStyle(r).fill; });
        out.height = slot.getBoundingClientRect().height;
        out.width = slot.getBoundingClientRect().width;
    }
    return out;
})
)JS";

// Notes every timer, frame and interval the page asks for, and whether it is still pending.
const char* const kTimerProbe = R"JS(
(function () {
    var t = window.__qvTimers = {intervals: 0, timeouts: new Set(), frames: new Set(), tasks: 0};
    var st = window.setTimeout, ct = window.clearTimeout, si = window.setInterval;
    var raf = window.requestAnimationFrame, caf = window.cancelAnimationFrame;
    window.setTimeout = function (f, d) {
        var args = Array.prototype.slice.call(arguments, 2);
        var id = st.call(window, function () { t.timeouts.delete(id); if (typeof f === "function") f.apply(window, args); }, d);
        t.timeouts.add(id); return id;
    };
    window.clearTimeout = function (id) { t.timeouts.delete(id); return ct.call(window, id); };
    window.setInterval = function () { t.intervals++; return si.apply(window, arguments); };
    window.requestAnimationFrame = function (f) {
        var id = raf.call(window, function (ts) { t.frames.delete(id); f(ts); });
        t.frames.add(id); return id;
    };
    window.cancelAnimationFrame = function (id) { t.frames.delete(id); return caf.call(window, id); };
    window.requestIdleCallback = function () { t.tasks++; return 1; };
    if (window.scheduler) {
        window.scheduler.postTask = function () { t.tasks++; return new Promise(function () {}); };
    }
})();
)JS";

bool isMissingStandIn(const QString& cell) {
    return cell.startsWith(QLatin1String("0.002")) || cell.startsWith(QLatin1String("2E-6"));
}

QStringList strings(const QJsonValue& value) {
    QStringList out;
    for (const QJsonValue& v : value.toArray()) {
        out << v.toString();
    }
    return out;
}

bool anyStartsWith(const QStringList& texts, const QString& start) {
    return std::any_of(texts.begin(), texts.end(),
                       [&start](const QString& text) { return text.startsWith(start); });
}

// The chart words of a language as the pages get them, read back through the engine.
QJsonObject chartWords(Language language) {
    WebHarness web;
    web.setChartWords(language);
    if (!web.loadHtml(placeholderPageText())) {
        return {};
    }
    return web.eval(QStringLiteral("window.QuorvelWords")).toObject();
}

// Every text a page's charts show or say: their texts, accessible names and tooltips.
QStringList chartTexts(const QJsonArray& charts) {
    QStringList out;
    for (const QJsonValue chart : charts) {
        const QJsonObject c = chart.toObject();
        out << strings(c[QStringLiteral("texts")]) << strings(c[QStringLiteral("tips")])
            << c[QStringLiteral("name")].toString();
    }
    return out;
}

}  // namespace

class TestChartScripts : public QObject {
    Q_OBJECT

  private slots:
    void consoleErrorsAreSeen();
    void singleFruitReport_data();
    void singleFruitReport();
    void comparisonReport_data();
    void comparisonReport();
    void tablesOfOtherBasesTellTheirAmountAndReference();
    void pagesWithoutReportTablesStayUnchanged_data();
    void pagesWithoutReportTablesStayUnchanged();
    void missingEarlierFilesDoNoHarm_data();
    void missingEarlierFilesDoNoHarm();
    void everyChartIsDrawnAtOnceAndNothingKeepsRunning();
    void spanishPagesDrawTheSameBarsInSpanish();
    void chartAreaIsDrawnOnScreen_data();
    void chartAreaIsDrawnOnScreen();
    void chartsFollowTheViewWhenItIsResized();
};

// The error collector must see an uncaught error of a script run like the chart scripts, or
// the "no errors" checks below would prove nothing.
void TestChartScripts::consoleErrorsAreSeen() {
    WebHarness web;
    QVERIFY(web.loadHtml(placeholderPageText()));
    QVERIFY(web.runScripts({QStringLiteral("quorvelNoSuchFunction();")}));
    const QStringList errors = web.errorsSoFar();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QLatin1String("quorvelNoSuchFunction")),
             qPrintable(errors.first()));
}

void TestChartScripts::singleFruitReport_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("first fruit") << 0;
    QTest::newRow("fruit with & in its name") << 1;
    QTest::newRow("last fruit, many amounts missing") << 2;
}

void TestChartScripts::singleFruitReport() {
    QFETCH(int, which);
    const ReportPage page = singleFruitPage(which);
    QVERIFY(!page.html.isEmpty());
    WebHarness web;
    QVERIFY(web.loadHtml(page.html));
    const QString tables = QStringLiteral(
        "Array.prototype.map.call(document.querySelectorAll('table'), function (t) { return "
        "t.outerHTML; })");
    const QJsonValue tablesBefore = web.eval(tables);
    QCOMPARE(tablesBefore.toArray().size(), 5);
    // The page links the three style sheets by their paths in the program's folder: one rule of
    // each is in force.
    QCOMPARE(web.eval(QStringLiteral("[getComputedStyle(document.documentElement).getPropertyValue("
                                     "'--qv-text').trim() !== '',"
                                     " getComputedStyle(document.querySelector('td')).textAlign,"
                                     " getComputedStyle(document.documentElement).getPropertyValue("
                                     "'--qv-series-1').trim() !== '']"))
                 .toArray(),
             QJsonArray({true, QStringLiteral("right"), true}));

    QVERIFY(web.runFiles(WebHarness::reportSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("5"));
    QCOMPARE(
        web.eval(QStringLiteral("document.querySelectorAll('div.qv-chart > svg').length")).toInt(),
        5);
    // The tables are all still there, unchanged, each followed by its chart.
    QCOMPARE(web.eval(tables), tablesBefore);

    const QJsonObject words = chartWords(Language::English);
    const QJsonArray charts = web.eval(QString::fromLatin1(kChartSummary)).toArray();
    QCOMPARE(charts.size(), 5);
    for (int i = 0; i < charts.size(); ++i) {
        const QJsonObject c = charts[i].toObject();
        QVERIFY2(c[QStringLiteral("hasChart")].toBool(), qPrintable(QString::number(i)));
        QCOMPARE(c[QStringLiteral("role")].toString(), QStringLiteral("img"));
        QCOMPARE(c[QStringLiteral("name")].toString(), words[QStringLiteral("chartOf")].toString() +
                                                           c[QStringLiteral("caption")].toString());
        const QStringList rows = strings(c[QStringLiteral("rowHeads")]);
        QCOMPARE(rows.size(), kSingleRows[i]);
        // One bar per row and no other, its tooltip the row's name and its cell exactly as the
        // table writes it; a stand-in for a missing amount is pale.
        const QJsonArray cells = c[QStringLiteral("cells")].toArray();
        QStringList expected;
        QList<bool> pale;
        for (int r = 0; r < rows.size(); ++r) {
            const QString cell = cells[r].toArray()[0].toString();
            expected << rows[r] + QStringLiteral(": ") + cell;
            pale << isMissingStandIn(cell);
        }
        QCOMPARE(strings(c[QStringLiteral("tips")]), expected);
        QList<bool> drawnPale;
        for (const QJsonValue p : c[QStringLiteral("pale")].toArray()) {
            drawnPale << p.toBool();
        }
        QCOMPARE(drawnPale, pale);
        // Every bar has length, the smallest amount too, above the floor of a log axis.
        for (const QJsonValue length : c[QStringLiteral("lengths")].toArray()) {
            QVERIFY2(length.toArray()[0].toString().toDouble() > 0, qPrintable(expected.join('|')));
        }
        QVERIFY(c[QStringLiteral("height")].toDouble() > 100);
        QVERIFY(c[QStringLiteral("width")].toDouble() > 400);
    }
    // The axis title carries the unit; minerals span several orders of magnitude (potassium
    // next to selenium), so their axis is logarithmic and says so.
    const QString per = words[QStringLiteral("perAmount")].toString();
    const QString log = words[QStringLiteral("logScale")].toString();
    const QStringList nutrients = strings(charts[0].toObject()[QStringLiteral("texts")]);
    QVERIFY2(anyStartsWith(nutrients, QStringLiteral("g ") + per), qPrintable(nutrients.join('|')));
    QVERIFY(strings(charts[2].toObject()[QStringLiteral("texts")])
                .contains(QStringLiteral("mg ") + per + QStringLiteral(" (") + log + ")"));

    // A second run in the same page adds nothing.
    const QJsonValue bodyBefore = web.eval(QStringLiteral("document.body.innerHTML"));
    QVERIFY(web.runFiles(WebHarness::reportSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.body.innerHTML")), bodyBefore);
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("5"));

    QCOMPARE(web.errorsSoFar(), QStringList());
    QCOMPARE(web.requests().nonLocal, QStringList());
}

void TestChartScripts::comparisonReport_data() {
    QTest::addColumn<int>("fruitCount");
    QTest::newRow("two fruits") << 2;
    QTest::newRow("nine fruits") << 9;
}

void TestChartScripts::comparisonReport() {
    QFETCH(int, fruitCount);
    const ReportPage page = comparisonPage(fruitCount);
    QCOMPARE(page.fruits.size(), fruitCount);
    WebHarness web;
    QVERIFY(web.loadHtml(page.html));
    const QString tables = QStringLiteral(
        "Array.prototype.map.call(document.querySelectorAll('table'), function (t) { return "
        "t.outerHTML; })");
    const QJsonValue tablesBefore = web.eval(tables);
    QCOMPARE(tablesBefore.toArray().size(), 10);

    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("10"));
    QCOMPARE(web.eval(tables), tablesBefore);

    const QJsonArray charts = web.eval(QString::fromLatin1(kChartSummary)).toArray();
    QCOMPARE(charts.size(), 10);
    QStringList firstColours;
    for (int i = 0; i < charts.size(); ++i) {
        const QJsonObject c = charts[i].toObject();
        QVERIFY2(c[QStringLiteral("hasChart")].toBool(), qPrintable(QString::number(i)));
        QCOMPARE(c[QStringLiteral("role")].toString(), QStringLiteral("img"));
        QVERIFY(
            c[QStringLiteral("name")].toString().endsWith(c[QStringLiteral("caption")].toString()));
        const QStringList columns = strings(c[QStringLiteral("colHeads")]);
        QCOMPARE(columns.size(), kComparisonColumns[i]);
        // One bar per cell and no other, fruit by fruit, each in its fruit's colour.
        const QJsonArray cells = c[QStringLiteral("cells")].toArray();
        const QJsonArray fills = c[QStringLiteral("fills")].toArray();
        QStringList expected;
        QStringList colours;
        for (int f = 0; f < fruitCount; ++f) {
            for (int k = 0; k < columns.size(); ++k) {
                expected << page.fruits[f] + QStringLiteral(" \u2013 ") + columns[k] +
                                QStringLiteral(": ") + cells[f].toArray()[k].toString();
                QCOMPARE(fills[f * columns.size() + k], fills[f * columns.size()]);
            }
            colours << fills[f * columns.size()].toString();
        }
        QCOMPARE(strings(c[QStringLiteral("tips")]), expected);
        // The legend names each fruit (a long name cut short) in its bars' colour.
        const QStringList legend = strings(c[QStringLiteral("legend")]);
        QCOMPARE(legend.size(), fruitCount);
        for (int f = 0; f < fruitCount; ++f) {
            QVERIFY2(
                legend[f] == page.fruits[f] || (legend[f].endsWith(QLatin1String("...")) &&
                                                page.fruits[f].startsWith(legend[f].chopped(3))),
                qPrintable(legend[f]));
        }
        QCOMPARE(strings(c[QStringLiteral("legendFills")]), colours);
        if (i == 0) {
            firstColours = colours;
        }
        QCOMPARE(colours, firstColours);  // a fruit keeps its colour in every chart
        colours.removeDuplicates();
        QCOMPARE(colours.size(), fruitCount);
    }
    // Second minerals table: zinc, iron, copper, manganese and selenium (0.0006mg) together need
    // a logarithmic axis; its title names the unit.
    const QJsonObject words = chartWords(Language::English);
    const QStringList minerals = strings(charts[4].toObject()[QStringLiteral("texts")]);
    QVERIFY(minerals.contains(QStringLiteral("mg ") +
                              words[QStringLiteral("perAmount")].toString() + " (" +
                              words[QStringLiteral("logScale")].toString() + ")"));
    QVERIFY(anyStartsWith(strings(charts[0].toObject()[QStringLiteral("texts")]),
                          QStringLiteral("kcal ") + words[QStringLiteral("perAmount")].toString()));

    const QJsonValue bodyBefore = web.eval(QStringLiteral("document.body.innerHTML"));
    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.body.innerHTML")), bodyBefore);
    QCOMPARE(web.errorsSoFar(), QStringList());
    QCOMPARE(web.requests().nonLocal, QStringList());
}

// A table may say what amount its numbers are for and a reference value: the axis title takes
// the amount instead of the words' one, and a line marks the reference, also beyond the bars.
void TestChartScripts::tablesOfOtherBasesTellTheirAmountAndReference() {
    WebHarness web;
    QVERIFY(web.loadHtml(comparisonPage(3).html));
    web.eval(
        QStringLiteral("(function () { var t = document.querySelectorAll('table');"
                       " t[1].setAttribute('data-qv-per', 'per 1 cup (165 g) & more');"
                       " t[2].setAttribute('data-qv-reference', '5000'); })()"));
    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    const QJsonArray charts = web.eval(QString::fromLatin1(kChartSummary)).toArray();
    QCOMPARE(charts.size(), 10);
    const QStringList perCup = strings(charts[1].toObject()[QStringLiteral("texts")]);
    QVERIFY2(anyStartsWith(perCup, QStringLiteral("g per 1 cup (165 g) & more")),
             qPrintable(perCup.join('|')));
    const QJsonObject line =
        web.eval(QStringLiteral(
                     "(function () { var s = document.querySelectorAll('div.qv-chart svg');"
                     " var l = s[2].querySelector('line.qv-reference'), top = 1e9;"
                     " s[2].querySelectorAll('rect > title').forEach(function (t) {"
                     "  top = Math.min(top, t.parentNode.getBBox().y); });"
                     " return {lines: document.querySelectorAll('line.qv-reference').length,"
                     "  y: l ? l.getBBox().y : null, highestBar: top,"
                     "  tip: l ? l.textContent : ''}; })()"))
            .toObject();
    QCOMPARE(line[QStringLiteral("lines")].toInt(), 1);
    QVERIFY(line[QStringLiteral("y")].toDouble() < line[QStringLiteral("highestBar")].toDouble());
    QVERIFY(line[QStringLiteral("tip")].toString().endsWith(QLatin1String("5,000")));
    QCOMPARE(web.errorsSoFar(), QStringList());
}

void TestChartScripts::pagesWithoutReportTablesStayUnchanged_data() {
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("placeholder page") << true;
    QTest::newRow("blank page") << false;
}

void TestChartScripts::pagesWithoutReportTablesStayUnchanged() {
    QFETCH(bool, placeholder);
    WebHarness web;
    QVERIFY(placeholder ? web.loadHtml(placeholderPageText())
                        : web.loadUrl(QUrl(QStringLiteral("about:blank"))));
    const QString page = QStringLiteral("document.documentElement.innerHTML");
    const QJsonValue before = web.eval(page);
    QVERIFY(before.isString());
    if (placeholder) {
        QVERIFY(before.toString().contains(QLatin1String("Add a fruit to the comparison")));
    }
    // Both sequences, twice, as the program runs one of them after every completed page.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(web.runFiles(WebHarness::reportSequence()));
        QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    }
    QCOMPARE(web.eval(page), before);
    // The page is marked as done with no charts.
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("0"));
    QCOMPARE(web.errorsSoFar(), QStringList());
    QCOMPARE(web.requests().nonLocal, QStringList());
}

void TestChartScripts::missingEarlierFilesDoNoHarm_data() {
    QTest::addColumn<QString>("missing");
    for (const char* name : {"jq.dat", "enh.dat", "exc.dat", "vis.dat"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

// The program stops the sequence at a missing file, but the files also meet each other after
// one was left out (a broken file runs and fails): the later ones draw nothing and raise no
// error, and a complete run afterwards in the same page draws every chart once.
void TestChartScripts::missingEarlierFilesDoNoHarm() {
    QFETCH(QString, missing);
    WebHarness web;
    QVERIFY(web.loadHtml(singleFruitPage(0).html));
    QStringList partial = WebHarness::reportSequence();
    partial.removeAll(missing);
    QVERIFY(web.runFiles(partial));
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("0"));
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('div.qv-chart').length")).toInt(),
             0);
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('table').length")).toInt(), 5);
    QCOMPARE(web.errorsSoFar(), QStringList());

    QVERIFY(web.runFiles(WebHarness::reportSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("5"));
    QCOMPARE(
        web.eval(QStringLiteral("document.querySelectorAll('div.qv-chart svg').length")).toInt(),
        5);
    QCOMPARE(web.errorsSoFar(), QStringList());
}

// The moment the scripts have run, in a view shown or hidden, every chart is drawn, and they
// leave nothing behind them: no timer, frame, interval or task.
void TestChartScripts::everyChartIsDrawnAtOnceAndNothingKeepsRunning() {
    for (const bool shown : {true, false}) {
        WebHarness web;
        QVERIFY(web.loadHtml(comparisonPage(9).html));
        if (!shown) {
            web.view().hide();
            QTRY_COMPARE_WITH_TIMEOUT(
                web.eval(QStringLiteral("document.visibilityState")).toString(),
                QStringLiteral("hidden"), kTimeoutMs);
        }
        QStringList sources{QString::fromLatin1(kTimerProbe)};
        for (const QString& name : WebHarness::comparisonSequence()) {
            QFile file(WebHarness::assetFolder() + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            sources << QString::fromLatin1(file.readAll());
        }
        sources.last() += QStringLiteral(
            "\n;window.qvDrawnAfterScripts = document.querySelectorAll("
            "\"div.qv-chart[data-qv-state='drawn'] svg\").length;\n");
        QVERIFY(web.runScripts(sources));
        QCOMPARE(web.eval(QStringLiteral("window.qvDrawnAfterScripts")).toInt(), 10);
        QCOMPARE(web.eval(QStringLiteral("[__qvTimers.timeouts.size, __qvTimers.frames.size,"
                                         " __qvTimers.intervals, __qvTimers.tasks]"))
                     .toArray(),
                 QJsonArray({0, 0, 0, 0}));
        QCOMPARE(web.errorsSoFar(), QStringList());
    }
}

// Spanish pages write "0,40" for 0.40: the charts read the decimal comma and draw the same bars
// as the English page, and every word the charts show or say is a Spanish one.
void TestChartScripts::spanishPagesDrawTheSameBarsInSpanish() {
    const QJsonObject english = chartWords(Language::English);
    const QJsonObject spanish = chartWords(Language::Spanish);
    QCOMPARE(spanish.keys(), english.keys());
    for (const int line : {0, 60, 144}) {
        QJsonArray charts[2];
        for (const bool inSpanish : {false, true}) {
            WebHarness web;
            web.setChartWords(inSpanish ? Language::Spanish : Language::English);
            QVERIFY(web.loadHtml(singleFruitPageText(line, inSpanish)));
            QVERIFY(web.runFiles(WebHarness::reportSequence()));
            charts[inSpanish] = web.eval(QString::fromLatin1(kChartSummary)).toArray();
            QCOMPARE(charts[inSpanish].size(), 5);
            QCOMPARE(web.errorsSoFar(), QStringList());
        }
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(charts[1][i].toObject()[QStringLiteral("shares")],
                     charts[0][i].toObject()[QStringLiteral("shares")]);
        }
        const QStringList texts = chartTexts(charts[1]);
        for (const QString& key : english.keys()) {
            const QString word = english[key].toString();
            if (word.size() > 2) {
                QVERIFY2(texts.filter(word).isEmpty(), qPrintable(word));
            }
        }
        QVERIFY(!texts.filter(spanish[QStringLiteral("perAmount")].toString()).isEmpty());
        // Tick numbers with a decimal point would be English ones.
        QVERIFY2(texts.filter(QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9]+$"))).isEmpty(),
                 qPrintable(texts.join('|')));
    }
}

void TestChartScripts::chartAreaIsDrawnOnScreen_data() {
    QTest::addColumn<bool>("comparison");
    QTest::newRow("report of the last fruit") << false;
    QTest::newRow("comparison of nine fruits") << true;
}

// Grabs the view at the program's size and looks for the first series colour inside the first
// chart's box: the chart is really painted.
void TestChartScripts::chartAreaIsDrawnOnScreen() {
    QFETCH(bool, comparison);
    WebHarness web(735, 525);
    QVERIFY(web.loadHtml(comparison ? comparisonPage(9).html : singleFruitPage(2).html));
    QVERIFY(
        web.runFiles(comparison ? WebHarness::comparisonSequence() : WebHarness::reportSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             comparison ? QStringLiteral("10") : QStringLiteral("5"));
    const QJsonObject box =
        web.eval(QStringLiteral("(function () { var c = document.querySelector('div.qv-chart');"
                                " window.scrollTo(0, c.offsetTop - 8);"
                                " var r = c.getBoundingClientRect();"
                                " return {x: r.left, y: r.top, w: r.width, h: r.height}; })()"))
            .toObject();
    const QRect rect(
        qRound(box[QStringLiteral("x")].toDouble()), qRound(box[QStringLiteral("y")].toDouble()),
        qRound(box[QStringLiteral("w")].toDouble()), qRound(box[QStringLiteral("h")].toDouble()));
    QVERIFY(rect.width() > 300 && rect.height() > 100);
    // The first series colour (the first fruit, or the nutrients chart): #4e79a7.
    const QColor series(0x4e, 0x79, 0xa7);
    int seriesPixels = 0;
    QImage shot;
    auto countSeriesPixels = [&] {
        shot = web.view().grab().toImage();
        seriesPixels = 0;
        const QRect inside = rect.intersected(shot.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (qAbs(c.red() - series.red()) < 12 && qAbs(c.green() - series.green()) < 12 &&
                    qAbs(c.blue() - series.blue()) < 12) {
                    ++seriesPixels;
                }
            }
        }
        return seriesPixels > 200;
    };
    QTRY_VERIFY_WITH_TIMEOUT(countSeriesPixels(), kTimeoutMs);
    const QByteArray dir = qgetenv("QUORVEL_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        shot.save(QString::fromLocal8Bit(dir) + (comparison ? QStringLiteral("/comparison-9.png")
                                                            : QStringLiteral("/single.png")));
    }
}

// A chart fills its box's content area and is drawn for that width (its text keeps its size), in
// a narrower view too: the box follows the view, the drawing follows the box.
void TestChartScripts::chartsFollowTheViewWhenItIsResized() {
    const QString fits = QStringLiteral(
        "Array.prototype.every.call(document.querySelectorAll('div.qv-chart'), function (slot) {"
        " var style = getComputedStyle(slot);"
        " var width = slot.clientWidth - parseFloat(style.paddingLeft) -"
        "  parseFloat(style.paddingRight);"
        " var svg = slot.querySelector('svg');"
        " return Math.abs(svg.getBoundingClientRect().width - width) < 1 &&"
        "  Math.abs(svg.viewBox.baseVal.width - width) < 1; })");
    const QString width =
        QStringLiteral("document.querySelector('div.qv-chart svg').getBoundingClientRect().width");
    WebHarness web(735, 525);
    QVERIFY(web.loadHtml(comparisonPage(3).html));
    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    QVERIFY(web.eval(fits).toBool());
    const double wide = web.eval(width).toDouble();
    web.view().resize(480, 525);
    QTRY_VERIFY_WITH_TIMEOUT(web.eval(width).toDouble() < wide, kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(web.eval(fits).toBool(), kTimeoutMs);
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('div.qv-chart').length")).toInt(),
             10);
    QCOMPARE(web.errorsSoFar(), QStringList());
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestChartScripts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chart_scripts.moc"
