// The chart scripts and style sheets that lie beside the program, run through the real web
// engine as the program runs them: each report page loaded with the program's folder as base,
// then "jq.dat", "enh.dat", "exc.dat", "vis.dat" and "exa.dat" (report of one fruit) or
// "exacomp.dat" (comparison report), each a separate evaluation in the page's main world.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>
#include <QWebEngineView>

#include "report_pages.h"
#include "web_harness.h"

namespace {

constexpr int kTimeoutMs = 30000;

// Rows of the five tables of the report of one fruit, and columns of the ten comparison tables.
const QList<int> kSingleRows = {5, 2, 10, 9, 3};
const QList<int> kComparisonColumns = {1, 5, 2, 5, 5, 6, 1, 1, 3, 3};

// Per chart, in page order: what the table holds (read straight from the DOM) and what the chart
// that follows it shows.
const char* const kChartSummary = R"JS(
Array.prototype.map.call(document.querySelectorAll("table"), function (table) {
    function texts(list) { return Array.prototype.map.call(list, function (e) { return e.textContent.trim(); }); }
    var slot = table.nextElementSibling;
    var chart = slot && slot.classList.contains("qv-chart") ? slot.qvChart : null;
    var out = {
        rowHeads: texts(table.querySelectorAll("tbody th")),
        colHeads: texts(table.querySelectorAll("thead th[scope=col]")),
        cells: Array.prototype.map.call(table.querySelectorAll("tbody tr"), function (tr) {
            return texts(tr.querySelectorAll("td"));
        }),
        hasChart: !!chart
    };
    if (chart) {
        var valueAxis = chart.options.indexAxis === "y" ? chart.scales.x : chart.scales.y;
        var tooltip = chart.options.plugins.tooltip.callbacks;
        out.labels = chart.data.labels;
        out.datasets = chart.data.datasets.map(function (ds, d) {
            return {
                label: ds.label,
                data: ds.data,
                colour: ds.borderColor,
                fills: chart.getDatasetMeta(d).data.map(function (bar) {
                    return bar.options.backgroundColor;
                }),
                tips: ds.data.map(function (v, i) {
                    var ctx = {dataset: ds, datasetIndex: d, dataIndex: i, raw: v};
                    return [tooltip.label(ctx), tooltip.afterLabel(ctx)];
                })
            };
        });
        out.scaleType = valueAxis.type;
        out.scaleMin = valueAxis.min;
        out.axisTitle = valueAxis.options.title.text;
        out.legend = chart.options.plugins.legend.display;
        out.legendItems = chart.legend.legendItems.map(function (item) {
            return {text: item.text, colour: item.fillStyle, hidden: item.hidden};
        });
        out.height = slot.getBoundingClientRect().height;
        out.width = slot.getBoundingClientRect().width;
    }
    return out;
})
)JS";

const char* const kTimerProbe = R"JS(
(function () {
    var t = window.__qvTimers = {intervals: 0, timeouts: new Set(), frames: new Set()};
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
})();
)JS";

// Stands in for the collection the program offers the pages: notes the charts drawn at each call.
const char* const kCollectionProbe = R"JS(
window.__qvCollections = [];
window.quorvelCollectGarbage = function () {
    __qvCollections.push(document.querySelectorAll("div.qv-chart[data-qv-state='drawn']").length);
};
)JS";

// Each chart slot of the page: its state, whether it lies (even in part) in the visible part of
// the view, and its box.
const char* const kSlotStates = R"JS(
Array.prototype.map.call(document.querySelectorAll("div.qv-chart"), function (slot) {
    var r = slot.getBoundingClientRect();
    return {state: slot.getAttribute("data-qv-state"), inView: r.bottom > 0 && r.top < innerHeight,
            top: r.top + scrollY, height: r.height};
})
)JS";

// The comparison's chart files with the slots' states noted at the end of the last one, in the
// same evaluation: what the page holds the moment its scripts have run.
QStringList comparisonSequenceNotingStates() {
    QStringList sources;
    for (const QString& name : WebHarness::comparisonSequence()) {
        QFile file(WebHarness::assetFolder() + name);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        sources << QString::fromLatin1(file.readAll());
    }
    sources.last() += QStringLiteral("\n;window.qvStatesAfterScripts = ") +
                      QString::fromLatin1(kSlotStates) + QStringLiteral(";\n");
    return sources;
}

int countStates(const QJsonArray& chartSlots, const QString& state) {
    int count = 0;
    for (const QJsonValue slot : chartSlots) {
        count += slot.toObject()[QStringLiteral("state")].toString() == state ? 1 : 0;
    }
    return count;
}

// A page that never gets a turn of its own nor an idle moment: the scripts' later drawing never
// comes, only what scrolling, showing or printing asks for.
const char* const kNoTurnsNorIdle = R"JS(
window.requestIdleCallback = function () { return 1; };
window.setTimeout = function () { return 1; };
if (window.scheduler) {
    window.scheduler.postTask = function () { return new Promise(function () {}); };
}
window.MessageChannel = function () {
    this.port1 = {close: function () {}};
    this.port2 = {postMessage: function () {}};
};
)JS";

// Keeps the tasks the scripts hand to the engine's scheduler, with their priorities, instead of
// running them; runQueuedTasks runs them in order, new ones included, and gives for each the
// number of charts it drew.
const char* const kTaskRecorder = R"JS(
window.qvTasks = [];
window.scheduler.postTask = function (work, options) {
    window.qvTasks.push({work: work, priority: options && options.priority});
    return new Promise(function () {});
};
)JS";
const char* const kRunQueuedTasks = R"JS(
(function () {
    function drawn() { return document.querySelectorAll("div.qv-chart[data-qv-state='drawn']").length; }
    var out = {priorities: [], drawnByEach: []};
    while (window.qvTasks.length > 0 && out.drawnByEach.length < 100) {
        var task = window.qvTasks.shift();
        var before = drawn();
        task.work();
        out.priorities.push(task.priority);
        out.drawnByEach.push(drawn() - before);
    }
    return out;
})()
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

}  // namespace

class TestChartScripts : public QObject {
    Q_OBJECT

  private slots:
    void consoleErrorsAreSeen();
    void singleFruitReport_data();
    void singleFruitReport();
    void comparisonReport_data();
    void comparisonReport();
    void pagesWithoutReportTablesStayUnchanged_data();
    void pagesWithoutReportTablesStayUnchanged();
    void missingEarlierFilesDoNoHarm_data();
    void missingEarlierFilesDoNoHarm();
    void garbageGoesOnceAfterDrawingAndNothingKeepsRunning();
    void spanishPagesDrawTheEnglishAmounts();
    void chartAreaIsDrawnOnScreen_data();
    void chartAreaIsDrawnOnScreen();
    void chartsInViewComeFirstAndTheRestAfterThem();
    void chartsScrolledIntoViewOrPrintedAreDrawn();
    void chartsOutOfViewAreBackgroundTasks();
    void chartsFollowTheViewWhenItIsResized();
    void chartsNearTheViewWaitForTheirTurn();
};

// The error collector must see an uncaught error of a script run like the chart scripts, or
// the "no errors" checks below would prove nothing.
// The amounts a single-fruit page's charts draw, chart by chart.
QJsonArray drawnAmounts(const QString& html) {
    WebHarness web;
    if (!web.loadHtml(html) || !web.runFiles(WebHarness::reportSequence())) {
        return {};
    }
    const bool drawn = QTest::qWaitFor(
        [&] {
            return web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString() ==
                   QLatin1String("5");
        },
        kTimeoutMs);
    QJsonArray amounts;
    if (!drawn) {
        return amounts;
    }
    for (const QJsonValue chart : web.eval(QString::fromLatin1(kChartSummary)).toArray()) {
        amounts.append(chart.toObject()[QStringLiteral("datasets")]
                           .toArray()[0]
                           .toObject()[QStringLiteral("data")]);
    }
    return amounts;
}

void TestChartScripts::spanishPagesDrawTheEnglishAmounts() {
    // Spanish pages write "0,40" for 0.40: the charts must read the decimal comma.
    for (const int line : {0, 60, 144}) {
        const QJsonArray english = drawnAmounts(singleFruitPageText(line, false));
        QCOMPARE(english.size(), 5);
        QCOMPARE(drawnAmounts(singleFruitPageText(line, true)), english);
    }
}

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
    const QJsonValue tablesBefore =
        web.eval(QStringLiteral("Array.prototype.map.call(document.querySelectorAll('table'), "
                                "function (t) { return t.outerHTML; })"));
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
    QTRY_COMPARE_WITH_TIMEOUT(
        web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
        QStringLiteral("5"), kTimeoutMs);
    QCOMPARE(
        web.eval(QStringLiteral("document.querySelectorAll('div.qv-chart canvas').length")).toInt(),
        5);
    // The tables are all still there, unchanged, each followed by its chart.
    QCOMPARE(web.eval(QStringLiteral("Array.prototype.map.call(document.querySelectorAll('table'),"
                                     " function (t) { return t.outerHTML; })")),
             tablesBefore);

    const QJsonArray charts = web.eval(QString::fromLatin1(kChartSummary)).toArray();
    QCOMPARE(charts.size(), 5);
    for (int i = 0; i < charts.size(); ++i) {
        const QJsonObject c = charts[i].toObject();
        QVERIFY2(c[QStringLiteral("hasChart")].toBool(), qPrintable(QString::number(i)));
        const QStringList rows = strings(c[QStringLiteral("rowHeads")]);
        QCOMPARE(rows.size(), kSingleRows[i]);
        QCOMPARE(strings(c[QStringLiteral("labels")]), rows);
        const QJsonArray datasets = c[QStringLiteral("datasets")].toArray();
        QCOMPARE(datasets.size(), 1);
        const QJsonObject ds = datasets[0].toObject();
        QCOMPARE(ds[QStringLiteral("data")].toArray().size(), rows.size());
        QVERIFY(!c[QStringLiteral("legend")].toBool());
        // Every bar's tooltip shows the exact cell text; stand-ins for missing amounts say so.
        const QJsonArray cells = c[QStringLiteral("cells")].toArray();
        const QJsonArray tips = ds[QStringLiteral("tips")].toArray();
        for (int r = 0; r < rows.size(); ++r) {
            const QString cell = cells[r].toArray()[0].toString();
            const QJsonArray tip = tips[r].toArray();
            QCOMPARE(tip[0].toString(), cell);
            QCOMPARE(!tip[1].toString().isEmpty(), isMissingStandIn(cell));
            // Its bar has the series colour, a stand-in's a paler one.
            QCOMPARE(ds[QStringLiteral("fills")].toArray()[r].toString() ==
                         ds[QStringLiteral("colour")].toString(),
                     !isMissingStandIn(cell));
            // Every amount is a bar: positive, and above the floor of a log axis.
            const double value = ds[QStringLiteral("data")].toArray()[r].toDouble();
            QVERIFY2(value > 0, qPrintable(cell));
            if (c[QStringLiteral("scaleType")].toString() == QLatin1String("logarithmic")) {
                QVERIFY2(value > c[QStringLiteral("scaleMin")].toDouble(), qPrintable(cell));
            }
        }
        QVERIFY(c[QStringLiteral("height")].toDouble() > 100);
        QVERIFY(c[QStringLiteral("width")].toDouble() > 400);
    }
    // The axis title carries the unit; minerals span several orders of magnitude (potassium
    // next to selenium), so their axis is logarithmic.
    QVERIFY(charts[0].toObject()[QStringLiteral("axisTitle")].toString().startsWith("g "));
    const QJsonObject minerals = charts[2].toObject();
    QVERIFY(minerals[QStringLiteral("axisTitle")].toString().startsWith("mg "));
    QCOMPARE(minerals[QStringLiteral("scaleType")].toString(), QStringLiteral("logarithmic"));

    // A second run in the same page adds nothing.
    const QJsonValue bodyBefore = web.eval(QStringLiteral("document.body.children.length"));
    QVERIFY(web.runFiles(WebHarness::reportSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.body.children.length")), bodyBefore);
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('div.qv-chart').length")).toInt(),
             5);
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('canvas').length")).toInt(), 5);
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
    const QJsonValue tablesBefore =
        web.eval(QStringLiteral("Array.prototype.map.call(document.querySelectorAll('table'), "
                                "function (t) { return t.outerHTML; })"));
    QCOMPARE(tablesBefore.toArray().size(), 10);

    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    QTRY_COMPARE_WITH_TIMEOUT(
        web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
        QStringLiteral("10"), kTimeoutMs);
    QCOMPARE(web.eval(QStringLiteral("Array.prototype.map.call(document.querySelectorAll('table'),"
                                     " function (t) { return t.outerHTML; })")),
             tablesBefore);

    const QJsonArray charts = web.eval(QString::fromLatin1(kChartSummary)).toArray();
    QCOMPARE(charts.size(), 10);
    for (int i = 0; i < charts.size(); ++i) {
        const QJsonObject c = charts[i].toObject();
        QVERIFY2(c[QStringLiteral("hasChart")].toBool(), qPrintable(QString::number(i)));
        const QStringList columns = strings(c[QStringLiteral("colHeads")]);
        QCOMPARE(columns.size(), kComparisonColumns[i]);
        QCOMPARE(strings(c[QStringLiteral("labels")]), columns);
        QVERIFY(c[QStringLiteral("legend")].toBool());
        const QJsonArray datasets = c[QStringLiteral("datasets")].toArray();
        QCOMPARE(datasets.size(), fruitCount);
        QStringList colours;
        const QJsonArray cells = c[QStringLiteral("cells")].toArray();
        for (int f = 0; f < fruitCount; ++f) {
            const QJsonObject ds = datasets[f].toObject();
            QCOMPARE(ds[QStringLiteral("label")].toString(), page.fruits[f]);
            QCOMPARE(ds[QStringLiteral("data")].toArray().size(), columns.size());
            colours << ds[QStringLiteral("colour")].toString();
            const QJsonArray tips = ds[QStringLiteral("tips")].toArray();
            for (int k = 0; k < columns.size(); ++k) {
                const QString cell = cells[f].toArray()[k].toString();
                QCOMPARE(tips[k].toArray()[0].toString(),
                         page.fruits[f] + QStringLiteral(": ") + cell);
                QCOMPARE(ds[QStringLiteral("fills")].toArray()[k].toString() ==
                             ds[QStringLiteral("colour")].toString(),
                         !isMissingStandIn(cell));
            }
        }
        // The legend names each fruit with its colour, also when its first bar is a pale one.
        QJsonArray legend;
        for (int f = 0; f < fruitCount; ++f) {
            legend.append(QJsonObject{{QStringLiteral("text"), page.fruits[f]},
                                      {QStringLiteral("colour"), colours[f]},
                                      {QStringLiteral("hidden"), false}});
        }
        QCOMPARE(c[QStringLiteral("legendItems")].toArray(), legend);
        colours.removeDuplicates();
        QCOMPARE(colours.size(), fruitCount);
    }
    // Second minerals table: zinc, iron, copper, manganese and selenium (0.0006mg) together need
    // a logarithmic axis; its title names the unit.
    const QJsonObject moreMinerals = charts[4].toObject();
    QCOMPARE(strings(moreMinerals[QStringLiteral("labels")]),
             QStringList({"Zinc", "Iron", "Copper", "Manganese", "Selenium"}));
    QCOMPARE(moreMinerals[QStringLiteral("scaleType")].toString(), QStringLiteral("logarithmic"));
    QVERIFY(moreMinerals[QStringLiteral("axisTitle")].toString().startsWith("mg "));
    QVERIFY(charts[0].toObject()[QStringLiteral("axisTitle")].toString().startsWith("kcal "));
    QVERIFY(charts[6].toObject()[QStringLiteral("axisTitle")].toString().startsWith("IU "));

    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('div.qv-chart').length")).toInt(),
             10);
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('canvas').length")).toInt(), 10);
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("10"));
    QCOMPARE(web.errorsSoFar(), QStringList());
    QCOMPARE(web.requests().nonLocal, QStringList());
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
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('canvas, div.qv-chart').length"))
                 .toInt(),
             0);
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
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('canvas').length")).toInt(), 0);
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('table').length")).toInt(), 5);
    QCOMPARE(web.errorsSoFar(), QStringList());

    QVERIFY(web.runFiles(WebHarness::reportSequence()));
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("5"));
    QCOMPARE(web.eval(QStringLiteral("document.querySelectorAll('canvas').length")).toInt(), 5);
    QCOMPARE(web.errorsSoFar(), QStringList());
}

// After drawing, a page on screen has the garbage collected once (a page out of sight leaves
// that to the one on screen), no interval runs, and every timeout and animation frame the
// scripts asked for has come and gone.
void TestChartScripts::garbageGoesOnceAfterDrawingAndNothingKeepsRunning() {
    for (const bool shown : {true, false}) {
        WebHarness web;
        QVERIFY(web.loadHtml(comparisonPage(9).html));
        if (!shown) {
            web.view().hide();
            QTRY_COMPARE_WITH_TIMEOUT(
                web.eval(QStringLiteral("document.visibilityState")).toString(),
                QStringLiteral("hidden"), kTimeoutMs);
        }
        QVERIFY(web.runScripts(
            {QString::fromLatin1(kTimerProbe), QString::fromLatin1(kCollectionProbe)}));
        QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
        QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
                 QStringLiteral("10"));
        QTRY_COMPARE_WITH_TIMEOUT(countStates(web.eval(QString::fromLatin1(kSlotStates)).toArray(),
                                              QStringLiteral("drawn")),
                                  10, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            web.eval(QStringLiteral("__qvTimers.timeouts.size + __qvTimers.frames.size")).toInt() ==
                0,
            kTimeoutMs);
        QCOMPARE(web.eval(QStringLiteral("__qvTimers.intervals")).toInt(), 0);
        QCOMPARE(web.eval(QStringLiteral("__qvCollections")).toArray(),
                 shown ? QJsonArray{10} : QJsonArray());
    }
}

void TestChartScripts::chartAreaIsDrawnOnScreen_data() {
    QTest::addColumn<bool>("comparison");
    QTest::newRow("report of the last fruit") << false;
    QTest::newRow("comparison of nine fruits") << true;
}

// Grabs the view at the program's size and looks for the first series colour inside the first
// chart's box: the chart is really painted, not an empty canvas.
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

// The moment the scripts have run, every chart in the visible part of the view is drawn and
// charts further down wait; with nobody scrolling, the page draws them in later turns, into
// the boxes kept for them, so nothing on the page moves.
void TestChartScripts::chartsInViewComeFirstAndTheRestAfterThem() {
    WebHarness web(735, 525);
    QVERIFY(web.loadHtml(comparisonPage(9).html));
    const QStringList sources = comparisonSequenceNotingStates();
    QCOMPARE(sources.size(), 5);
    QVERIFY(web.runScripts(sources));
    const QJsonArray first = web.eval(QStringLiteral("window.qvStatesAfterScripts")).toArray();
    QCOMPARE(first.size(), 10);
    int inView = 0;
    for (const QJsonValue slot : first) {
        if (slot.toObject()[QStringLiteral("inView")].toBool()) {
            ++inView;
            QCOMPARE(slot.toObject()[QStringLiteral("state")].toString(), QStringLiteral("drawn"));
        }
    }
    QVERIFY(inView >= 1);
    QVERIFY2(countStates(first, QStringLiteral("waiting")) > 0, "every chart drawn at once");
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("10"));

    QTRY_COMPARE_WITH_TIMEOUT(
        countStates(web.eval(QString::fromLatin1(kSlotStates)).toArray(), QStringLiteral("drawn")),
        10, kTimeoutMs);
    const QJsonArray last = web.eval(QString::fromLatin1(kSlotStates)).toArray();
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(last[i].toObject()[QStringLiteral("top")].toDouble(),
                 first[i].toObject()[QStringLiteral("top")].toDouble());
        QCOMPARE(last[i].toObject()[QStringLiteral("height")].toDouble(),
                 first[i].toObject()[QStringLiteral("height")].toDouble());
    }
    QCOMPARE(web.eval(QStringLiteral("window.scrollY")).toInt(), 0);
    QCOMPARE(web.page().errors, QStringList());
}

// With the page never getting a turn, a chart is drawn when it is scrolled into view, the charts
// far from it still wait, and printing draws every chart left before the page goes to paper.
void TestChartScripts::chartsScrolledIntoViewOrPrintedAreDrawn() {
    WebHarness web(735, 525);
    QVERIFY(web.loadHtml(comparisonPage(9).html));
    QVERIFY(web.runScripts({QString::fromLatin1(kNoTurnsNorIdle)}));
    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    const QJsonArray first = web.eval(QString::fromLatin1(kSlotStates)).toArray();
    QCOMPARE(first.size(), 10);
    QCOMPARE(first[9].toObject()[QStringLiteral("state")].toString(), QStringLiteral("waiting"));

    web.eval(QStringLiteral("window.scrollTo(0, document.documentElement.scrollHeight)"));
    QTRY_COMPARE_WITH_TIMEOUT(web.eval(QString::fromLatin1(kSlotStates))
                                  .toArray()[9]
                                  .toObject()[QStringLiteral("state")]
                                  .toString(),
                              QStringLiteral("drawn"), kTimeoutMs);
    QVERIFY(countStates(web.eval(QString::fromLatin1(kSlotStates)).toArray(),
                        QStringLiteral("waiting")) > 0);

    QCOMPARE(web.eval(QStringLiteral("(window.dispatchEvent(new Event('beforeprint')),"
                                     " document.querySelectorAll(\"div.qv-chart[data-qv-state="
                                     "'drawn'] canvas\").length)"))
                 .toInt(),
             10);
    QCOMPARE(web.eval(QStringLiteral("document.documentElement.dataset.charts")).toString(),
             QStringLiteral("10"));
    QCOMPARE(web.page().errors, QStringList());
}

// The charts out of view are drawn one a task, each task of background priority, so that the
// engine runs them after everything else it has to do, the other views' pages among it.
void TestChartScripts::chartsOutOfViewAreBackgroundTasks() {
    WebHarness web(735, 525);
    QVERIFY(web.loadHtml(comparisonPage(9).html));
    QVERIFY(web.runScripts({QString::fromLatin1(kTaskRecorder)}));
    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    const QJsonObject run = web.eval(QString::fromLatin1(kRunQueuedTasks)).toObject();
    const QJsonArray priorities = run[QStringLiteral("priorities")].toArray();
    QVERIFY2(!priorities.isEmpty(), "no chart left to a task");
    for (const QJsonValue priority : priorities) {
        QCOMPARE(priority.toString(), QStringLiteral("background"));
    }
    for (const QJsonValue drawn : run[QStringLiteral("drawnByEach")].toArray()) {
        QVERIFY2(drawn.toInt() <= 1, "a task drew more than one chart");
    }
    QCOMPARE(
        countStates(web.eval(QString::fromLatin1(kSlotStates)).toArray(), QStringLiteral("drawn")),
        10);
    QCOMPARE(web.page().errors, QStringList());
}

// Each drawn chart fills its box's content area, in a narrower view too, once the view has been
// resized: the box follows the view, the chart follows the box.
const char* const kChartFitsItsBox = R"JS(
Array.prototype.every.call(document.querySelectorAll("div.qv-chart"), function (slot) {
    var style = getComputedStyle(slot);
    var width = slot.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    var canvas = slot.querySelector("canvas");
    return slot.getAttribute("data-qv-state") === "drawn" &&
           Math.abs(canvas.getBoundingClientRect().width - width) < 1;
})
)JS";

void TestChartScripts::chartsFollowTheViewWhenItIsResized() {
    WebHarness web(735, 525);
    QVERIFY(web.loadHtml(comparisonPage(3).html));
    QVERIFY(web.runFiles(WebHarness::comparisonSequence()));
    QTRY_VERIFY_WITH_TIMEOUT(web.eval(QString::fromLatin1(kChartFitsItsBox)).toBool(), kTimeoutMs);
    const double wide =
        web.eval(QStringLiteral("document.querySelector('canvas').width")).toDouble();

    web.view().resize(480, 525);
    QTRY_VERIFY_WITH_TIMEOUT(
        web.eval(QStringLiteral("document.querySelector('canvas').width")).toDouble() < wide,
        kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(web.eval(QString::fromLatin1(kChartFitsItsBox)).toBool(), kTimeoutMs);
    QCOMPARE(web.page().errors, QStringList());
}

// Once the page is shown, the charts near the visible part (within a screen of it) are not
// drawn ahead of their turn: only the charts in view are, so that nothing of this page holds up
// the charts in view of the other view's page.
void TestChartScripts::chartsNearTheViewWaitForTheirTurn() {
    WebHarness web(735, 525);
    QVERIFY(web.loadHtml(singleFruitPage(0).html));
    QVERIFY(web.runScripts({QString::fromLatin1(kNoTurnsNorIdle)}));
    QVERIFY(web.runFiles(WebHarness::reportSequence()));
    // An observer made after the chart scripts' own reports after it, in the same frame.
    web.eval(
        QStringLiteral("new IntersectionObserver(function () { window.qvReported = true; })"
                       ".observe(document.body)"));
    QTRY_VERIFY_WITH_TIMEOUT(web.eval(QStringLiteral("window.qvReported === true")).toBool(),
                             kTimeoutMs);
    int near = 0;
    for (const QJsonValue value : web.eval(QString::fromLatin1(kSlotStates)).toArray()) {
        const QJsonObject slot = value.toObject();
        const bool inView = slot[QStringLiteral("inView")].toBool();
        near += !inView && slot[QStringLiteral("top")].toDouble() < 2 * 525 ? 1 : 0;
        QCOMPARE(slot[QStringLiteral("state")].toString(),
                 inView ? QStringLiteral("drawn") : QStringLiteral("waiting"));
    }
    QVERIFY2(near > 0, "no chart within a screen of the visible part");
    QCOMPARE(web.page().errors, QStringList());
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestChartScripts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chart_scripts.moc"
