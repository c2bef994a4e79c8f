#include "reports/comparison_report.h"

#include <array>
#include <initializer_list>

#include "data/app_folder.h"
#include "reports/local_amount.h"
#include "reports/page_head.h"

namespace {

struct Group {
    const char* heading;  // nullptr: the entry name at namedBy
    const char* caption;  // nullptr: the entry name at namedBy, then " for 100g"
    std::size_t namedBy;  // the display position whose name titles the group, if any
    std::initializer_list<std::size_t> columns;
};

// The groups in page order; their columns follow the groups, not the display positions.
const std::array<Group, 10> kGroups = {{
    {nullptr, "Energy for 100g", kEnergy, {1}},
    {"Nutrients", "Nutrients for 100g", 0, {2, 3, 4, 5, 6}},
    {nullptr, nullptr, kCarbohydrate, {7, 8}},
    {"Minerals", "Minerals for 100g", 0, {9, 15, 11, 12, 13}},
    {"More Minerals", "Minerals for 100g", 0, {14, 10, 16, 17, 18}},
    {"Group B Vitamins", "Group B Vitamins for 100g", 0, {20, 21, 22, 23, 24, 25}},
    {"Vitamin A", "Vitamin A for 100g", 0, {26}},
    {"Vitamin C", "Vitamin C for 100g", 0, {19}},
    {"Other Vitamins", "Other Vitamins for 100g", 0, {27, 28, 29}},
    {"Fatty Acids", "Fatty Acids for 100g", 0, {30, 31, 32}},
}};

// The same groups on a Spanish page, with their own words (Windows-1252: 0xED "í", 0xC1 "Á").
const std::array<Group, 10> kSpanishGroups = {{
    {nullptr,
     "Energ\xED"
     "a por 100 g",
     kEnergy,
     {1}},
    {"Nutrientes", "Nutrientes por 100 g", 0, {2, 3, 4, 5, 6}},
    {nullptr, "Hidratos de carbono por 100 g", kCarbohydrate, {7, 8}},
    {"Minerales", "Minerales por 100 g", 0, {9, 15, 11, 12, 13}},
    {"M\xE1s minerales", "Minerales por 100 g", 0, {14, 10, 16, 17, 18}},
    {"Vitaminas del grupo B", "Vitaminas del grupo B por 100 g", 0, {20, 21, 22, 23, 24, 25}},
    {"Vitamina A", "Vitamina A por 100 g", 0, {26}},
    {"Vitamina C", "Vitamina C por 100 g", 0, {19}},
    {"Otras vitaminas", "Otras vitaminas por 100 g", 0, {27, 28, 29}},
    {"\xC1"
     "cidos grasos",
     "\xC1"
     "cidos grasos por 100 g",
     0,
     {30, 31, 32}},
}};

// The cell texts of one record, by display position: value and unit, or for the four microgram
// amounts the milligram text; with a decimal comma on a Spanish page.
std::array<std::string, kFieldCount> cellTexts(const Fruit& fruit) {
    std::array<std::string, kFieldCount> cells;
    const auto& entries = fruit.displayEntries();
    for (std::size_t k = 1; k < kFieldCount; ++k) {
        cells[k] = localAmount(entries[k].value, fruit.language()) + entries[k].unit;
    }
    const auto milligrams = fruit.milligramAmounts();
    for (std::size_t i = 0; i < kMicrogramPositions.size(); ++i) {
        cells[kMicrogramPositions[i]] = localAmount(milligrams[i], fruit.language()) + "mg";
    }
    return cells;
}

}  // namespace

std::vector<std::string> comparisonReportLines(const std::vector<Fruit>& fruits) {
    std::vector<std::string> lines;
    if (fruits.empty()) {
        return lines;
    }
    lines.reserve(44 + 62 * fruits.size());
    const Language language = fruits.front().language();
    appendPageHead(lines, appFolder(), language);
    std::vector<std::array<std::string, kFieldCount>> cells;
    cells.reserve(fruits.size());
    for (const auto& fruit : fruits) {
        cells.push_back(cellTexts(fruit));
    }
    const auto& names = fruits.front().displayEntries();
    for (const Group& group : language == Language::Spanish ? kSpanishGroups : kGroups) {
        const std::string heading = group.heading ? group.heading : names[group.namedBy].name;
        const std::string caption =
            group.caption ? group.caption : names[group.namedBy].name + " for 100g";
        lines.push_back("<h2>" + heading + "</h2>");
        lines.emplace_back("<table>");
        std::string head = "<caption>" + caption + "</caption><thead><tr><td></td>";
        for (const std::size_t column : group.columns) {
            head += "<th scope=\"col\">" + names[column].name + "</th>";
        }
        lines.push_back(head + "</tr></thead><tbody>");
        for (std::size_t f = 0; f < fruits.size(); ++f) {
            lines.emplace_back("<tr>");
            lines.push_back("<th scope=\"row\">" + fruits[f].displayName() + "</th>");
            for (const std::size_t column : group.columns) {
                lines.push_back("<td>" + cells[f][column] + "</td>");
            }
            lines.emplace_back("</tr>");
        }
        lines.emplace_back("</tbody></table>");
    }
    lines.emplace_back("</body></html>");
    return lines;
}
