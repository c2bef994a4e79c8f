// Report pages from the sample files in tests/assets/pages, written in the program's line
// formats, with "@APPFOLDER@" standing for the program's folder.
#include <QFile>
#include <QRegularExpression>

#include "report_pages.h"
#include "web_harness.h"

namespace {

TReportPage FromFixture(const QString& name) {
    QFile file(QStringLiteral(QUORVEL_FIXTURE_DIR "/") + name);
    TReportPage page;
    if (!file.open(QIODevice::ReadOnly)) {
        return page;
    }
    page.html = QString::fromLatin1(file.readAll());
    page.html.replace(QStringLiteral("@APPFOLDER@"), TWebHarness::AssetFolder());
    // Fruit names: the row headings of the first comparison table, or the <h1> of a report.
    static const QRegularExpression h1(QStringLiteral("<h1>Fruit name: (.*)</h1>"));
    static const QRegularExpression row(QStringLiteral("<th scope=\"row\">(.*)</th>"));
    const auto title = h1.match(page.html);
    if (title.hasMatch()) {
        page.fruits << title.captured(1);
    } else {
        const QString firstTable = page.html.section(QStringLiteral("</table>"), 0, 0);
        auto it = row.globalMatch(firstTable);
        while (it.hasNext()) {
            page.fruits << it.next().captured(1);
        }
    }
    return page;
}

}  // namespace

TReportPage SingleFruitPage(int which) {
    static const char* const names[] = {"single-acerola.html", "single-currants.html",
                                        "single-kiwano.html"};
    return FromFixture(QString::fromLatin1(names[which]));
}

TReportPage ComparisonPage(int fruitCount) {
    return FromFixture(QStringLiteral("comparison-%1.html").arg(fruitCount));
}

QString PlaceholderPageText() {
    QString page = QStringLiteral("<html><head></head><body>");
    for (int i = 0; i < 11; ++i) {
        page += QStringLiteral("<br/>");
    }
    page += QStringLiteral(
        "<p style=\"font-family:Verdana;font-weight:bold;font-size:22px;text-align:center\">"
        "Add a fruit to the comparison to build the report</p></body></html>");
    return page;
}
