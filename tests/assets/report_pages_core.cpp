// Report pages written by the program's own report writers, from the embedded fruit table.
#include <QString>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "data/fruit.h"
#include "data/fruit_table.h"
#include "report_pages.h"
#include "reports/comparison_report.h"
#include "reports/placeholder_page.h"
#include "reports/ranking_page.h"
#include "reports/single_fruit_report.h"

namespace {

// The view's conversion of the page's Windows-1252 bytes into text.
QString fromWindows1252(const std::string& bytes) {
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char byte : bytes) {
        text += (byte >= 0x80 && byte < 0xA0) ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return text;
}

// The page as the view gets it: the lines, each ended by a line break.
QString joinLines(const std::vector<std::string>& lines) {
    std::string page;
    for (const std::string& line : lines) {
        page += line;
        page += "\r\n";
    }
    return fromWindows1252(page);
}

// The fruit lines of the embedded table (without its closing line).
const std::vector<std::string>& fruitLines() {
    static const std::vector<std::string> fruits = [] {
        std::vector<std::string> lines;
        loadFruitTable(lines);
        if (!lines.empty()) {
            lines.pop_back();
        }
        return lines;
    }();
    return fruits;
}

}  // namespace

ReportPage singleFruitPage(int which) {
    const auto& lines = fruitLines();
    std::size_t index = 0;
    if (which == 1) {
        const auto amp = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
            return displayNameOf(line).find('&') != std::string::npos;
        });
        index =
            amp == lines.end() ? lines.size() / 2 : static_cast<std::size_t>(amp - lines.begin());
    } else if (which == 2) {
        index = lines.size() - 1;
    }
    Fruit fruit(lines.at(index));
    std::vector<std::string> page;
    page = singleFruitReportLines(fruit);
    return {joinLines(page), {fromWindows1252(fruit.displayName())}};
}

ReportPage comparisonPage(int fruitCount) {
    const auto& lines = fruitLines();
    std::vector<Fruit> fruits;
    ReportPage result;
    // Spread over the whole table: the first fruit, the last one and evenly between.
    for (int i = 0; i < fruitCount; ++i) {
        const std::size_t index = (lines.size() - 1) * static_cast<std::size_t>(i) /
                                  static_cast<std::size_t>(std::max(1, fruitCount - 1));
        fruits.emplace_back(lines.at(index));
        result.fruits << fromWindows1252(fruits.back().displayName());
    }
    result.html = joinLines(comparisonReportLines(fruits));
    return result;
}

QString placeholderPageText() {
    return fromWindows1252(placeholderPage());
}

QString rankingPageText(int column) {
    std::vector<std::string> lines;
    loadFruitTable(lines);
    return joinLines(rankingPageLines(lines, static_cast<std::size_t>(column)));
}

QString singleFruitPageText(int line, bool spanish) {
    const Language language = spanish ? Language::Spanish : Language::English;
    std::vector<std::string> lines;
    loadFruitTable(lines, language);
    return joinLines(
        singleFruitReportLines(Fruit(lines.at(static_cast<std::size_t>(line)), language)));
}
