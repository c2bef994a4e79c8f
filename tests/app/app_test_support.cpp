#include "app_test_support.h"

#include <QDesktopServices>
#include <QStringList>
#include <cstdio>
#include <fstream>

#include "data/app_folder.h"

void writeTestScript(const std::string& name, const std::string& record) {
    std::ofstream file(appFolder() + name, std::ios::binary | std::ios::trunc);
    file << "(function () { var root = document.documentElement;\n"
            "root.setAttribute('data-ran', (root.getAttribute('data-ran') || '') + '"
         << record << ";'); })();\n";
}

void writeTestAppFiles() {
    for (const char* name :
         {"jq.dat", "enh.dat", "exc.dat", "vis.dat", "exa.dat", "exacomp.dat", "rank.dat"}) {
        writeTestScript(name, name);
    }
    std::ofstream page(appFolder() + "quorvel.html", std::ios::binary | std::ios::trunc);
    page << "<!DOCTYPE html><html><body style=\"margin:0\"><button style=\"width:100px;"
            "height:100px\">Like</button></body></html>\n";
}

void removeAppFile(const std::string& name) {
    std::remove((appFolder() + name).c_str());
}

// The centre of a cell of the row of table row, scrolled into view, in view pixels.
QPoint cellOfRow(QWebEngineView* view, int row, const char* cell) {
    const QStringList xy =
        pageValue(view, QStringLiteral(
                            "(function () { var c = document.querySelector('tr[data-row=\"%1\"]"
                            " > %2'); c.scrollIntoView({block: 'center'});"
                            " var r = c.getBoundingClientRect();"
                            " return Math.round(r.left + 8) + ',' +"
                            " Math.round(r.top + r.height / 2); })()")
                            .arg(row)
                            .arg(QLatin1String(cell)))
            .split(QLatin1Char(','));
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint(-1, -1);
}

QString scriptsRan(QWebEngineView* view) {
    return pageValue(view, QStringLiteral("document.documentElement.getAttribute('data-ran')"));
}

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void UrlRecorder::open(const QUrl& url) {
    urls.append(url);
}
