// Shows a page with a style sheet and a chart drawn by a script in the program's web view, saves
// a picture of the window and quits.   htmlview_demo [picture.png]
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <cstdio>

#include "htmlview/html_view.h"
#include "htmlview/web_engine_setup.h"

namespace {

const char* const kStyleSheet =
    "body { font-family: sans-serif; background: #fff8e7; color: #3b2b1a; margin: 16px; }\n"
    "h1 { color: #c0392b; border-bottom: 3px solid #c0392b; }\n"
    "table { border-collapse: collapse; }\n"
    "td, th { border: 1px solid #b08d57; padding: 4px 10px; }\n"
    "th { background: #f3d9a4; }\n";

// Draws the table's amounts as bars on the canvas and says so in a paragraph.
const char* const kChartScript =
    "(function () {"
    " var rows = document.querySelectorAll('#amounts tr.v');"
    " var c = document.getElementById('chart'); var g = c.getContext('2d');"
    " g.fillStyle = '#fff'; g.fillRect(0, 0, c.width, c.height);"
    " for (var i = 0; i < rows.length; i++) {"
    "  var v = parseFloat(rows[i].cells[1].textContent);"
    "  g.fillStyle = ['#e74c3c', '#f39c12', '#27ae60'][i % 3];"
    "  g.fillRect(20 + i * 90, c.height - 20 - v * 1.5, 60, v * 1.5);"
    "  g.fillStyle = '#333'; g.font = '14px sans-serif';"
    "  g.fillText(rows[i].cells[0].textContent, 20 + i * 90, c.height - 4);"
    " }"
    " var p = document.createElement('p'); p.id = 'drawn';"
    " p.textContent = 'Chart drawn by a script from the ' + rows.length + ' rows of the table.';"
    " document.body.appendChild(p);"
    "})();";

}  // namespace

int main(int argc, char** argv) {
    prepareWebEngine();
    QApplication app(argc, argv);
    const QString picture =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("htmlview-demo.png");

    QTemporaryDir folder;
    const QString css = folder.filePath(QStringLiteral("demo.css"));
    QFile cssFile(css);
    if (!folder.isValid() || !cssFile.open(QIODevice::WriteOnly) ||
        cssFile.write(kStyleSheet) < 0) {
        std::fputs("htmlview_demo: cannot write the style sheet.\n", stderr);
        return 1;
    }
    cssFile.close();

    QWidget window;
    window.setWindowTitle(QStringLiteral("TEmbeddedWB demo"));
    auto* layout = new QHBoxLayout(&window);
    auto* view = new HtmlView(&window);
    view->setUserInterfaceOptions(
        {UserInterfaceOption::DisableTextSelect, UserInterfaceOption::DisableHelpMenu,
         UserInterfaceOption::DontUse3DBorders, UserInterfaceOption::ForceFlatScrollBars,
         UserInterfaceOption::EnablesFormsAutoComplete, UserInterfaceOption::EnableThemes});
    layout->addWidget(view);
    window.resize(640, 480);
    window.show();

    const std::string link = "<link rel=\"stylesheet\" href=\"" + css.toStdString() + "\">";
    view->loadHtmlLines({
        "<html><head>" + link + "</head><body>",
        "<h1>Fruit of the day</h1>",
        "<table id=\"amounts\"><tr><th>Nutrient</th><th>Amount</th></tr>",
        "<tr class=\"v\"><td>Water</td><td>91.41</td></tr>",
        "<tr class=\"v\"><td>Sugars</td><td>48.9</td></tr>",
        // 0xB5 is the micro sign in the program's code page.
        "<tr class=\"v\"><td>Vitamin K (\xB5g)</td><td>13</td></tr></table>",
        "<canvas id=\"chart\" width=\"300\" height=\"170\"></canvas>",
        "</body></html>",
    });

    int status = 1;
    QObject::connect(view, &HtmlView::documentComplete, &app, [&] {
        view->runScript(kChartScript, "javascript");
        // Wait until the script's paragraph is there, give the compositor a moment, take the
        // picture.
        auto* poll = new QTimer(&app);
        QObject::connect(poll, &QTimer::timeout, &app, [&, poll] {
            view->page()->runJavaScript(
                QStringLiteral("!!document.getElementById('drawn')"), [&, poll](const QVariant& v) {
                    if (!v.toBool() || !poll->isActive())
                        return;
                    poll->stop();
                    QTimer::singleShot(700, &app, [&] {
                        status = window.grab().save(picture) ? 0 : 1;
                        if (status != 0)
                            std::fputs("htmlview_demo: cannot save the picture.\n", stderr);
                        app.quit();
                    });
                });
        });
        poll->start(100);
    });
    QTimer::singleShot(60000, &app, [&] {
        std::fputs("htmlview_demo: the page did not finish in time.\n", stderr);
        app.exit(1);
    });
    const int loop = app.exec();
    return loop != 0 ? loop : status;
}
