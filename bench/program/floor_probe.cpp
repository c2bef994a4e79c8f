// The floor: the same web engine with one bare view and nothing else of the program. It loads
// the placeholder page (start and memory), then the program's own report pages without any
// script (a single-fruit page, and the comparison page of nine fruits after one of eight).
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/program/bench_clock.h"
#include "bench/program/process_memory.h"
#include "data/app_folder.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "htmlview/web_engine_setup.h"
#include "htmlview/win1252.h"
#include "reports/single_fruit_report.h"
#include "reports/comparison_report.h"
#include "reports/placeholder_page.h"

namespace {

QByteArray pageText(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += line;
        joined += "\r\n";
    }
    return fromWindows1252(joined).toUtf8();
}

// Loads the page as the program's views do (text, UTF-8, the program folder as base) and
// returns when it has finished; the time it took in ms.
double load(QWebEngineView& view, const QByteArray& page) {
    QEventLoop loop;
    const auto connection =
        QObject::connect(view.page(), &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, [] {
        std::fprintf(stderr, "quorvel-bench-floor: a page did not load in time\n");
        _exit(3);
    });
    const double started = sinceStart();
    view.page()->setContent(page, QStringLiteral("text/html;charset=UTF-8"),
                            QUrl::fromLocalFile(QString::fromStdString(appFolder())));
    loop.exec();
    QObject::disconnect(connection);
    return sinceStart() - started;
}

}  // namespace

int main(int argc, char* argv[]) {
    prepareWebEngine();
    QApplication application(argc, argv);
    QWebEngineView view;
    view.resize(760, 600);
    view.show();
    load(view, pageText({placeholderPage()}));
    printFigure(QStringLiteral("start"), sinceStart());
    std::printf("# helpers at start: %s\n", qPrintable(helperKinds(getpid())));
    printFigure(QStringLiteral("memory.start"), treePssMiB(getpid()));

    std::vector<std::string> table;
    loadFruitTable(table);
    std::vector<Fruit> fruits;
    for (int row = 0; row < 9; ++row) {
        fruits.emplace_back(table.at(static_cast<std::size_t>(row * 7)));
    }
    std::vector<std::string> single;
    single = singleFruitReportLines(Fruit(table.at(0)));
    printFigure(QStringLiteral("add"), load(view, pageText(single)));

    auto last = std::move(fruits.back());
    fruits.pop_back();
    load(view, pageText(comparisonReportLines(fruits)));
    fruits.push_back(std::move(last));
    printFigure(QStringLiteral("ninth"), load(view, pageText(comparisonReportLines(fruits))));
    printFigure(QStringLiteral("memory.nine"), treePssMiB(getpid()));
    return 0;
}
