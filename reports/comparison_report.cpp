#include "reports/comparison_report.h"

#include <array>
#include <initializer_list>
#include <stdexcept>

#include "data/app_folder.h"
#include "reports/html_text.h"
#include "reports/page_head.h"

namespace {

struct Group {
    const char* heading;  // nullptr: the entry name at namedBy
    const char* caption;  // nullptr: the entry name at namedBy; followed by the basis
    std::size_t namedBy;  // the display position whose name titles the group, if any
    std::initializer_list<std::size_t> columns;
};

// The groups in page order; their columns follow the groups, not the display positions.
const std::array<Group, 10> kGroups = {{
    {nullptr, "Energy", kEnergy, {1}},
    {"Nutrients", "Nutrients", 0, {2, 3, 4, 5, 6}},
    {nullptr, nullptr, kCarbohydrate, {7, 8}},
    {"Minerals", "Minerals", 0, {9, 15, 11, 12, 13}},
    {"More Minerals", "Minerals", 0, {14, 10, 16, 17, 18}},
    {"Group B Vitamins", "Group B Vitamins", 0, {20, 21, 22, 23, 24, 25}},
    {"Vitamin A", "Vitamin A", 0, {26}},
    {"Vitamin C", "Vitamin C", 0, {19}},
    {"Other Vitamins", "Other Vitamins", 0, {27, 28, 29}},
    {"Fatty Acids", "Fatty Acids", 0, {30, 31, 32}},
}};

// The same groups on a Spanish page, with their own words (Windows-1252: 0xED "í", 0xC1 "Á").
const std::array<Group, 10> kSpanishGroups = {{
    {nullptr,
     "Energ\xED"
     "a",
     kEnergy,
     {1}},
    {"Nutrientes", "Nutrientes", 0, {2, 3, 4, 5, 6}},
    {nullptr, "Hidratos de carbono", kCarbohydrate, {7, 8}},
    {"Minerales", "Minerales", 0, {9, 15, 11, 12, 13}},
    {"M\xE1s minerales", "Minerales", 0, {14, 10, 16, 17, 18}},
    {"Vitaminas del grupo B", "Vitaminas del grupo B", 0, {20, 21, 22, 23, 24, 25}},
    {"Vitamina A", "Vitamina A", 0, {26}},
    {"Vitamina C", "Vitamina C", 0, {19}},
    {"Otras vitaminas", "Otras vitaminas", 0, {27, 28, 29}},
    {"\xC1"
     "cidos grasos",
     "\xC1"
     "cidos grasos",
     0,
     {30, 31, 32}},
}};

// The page's words besides the groups'.
struct PageWords {
    const char* per100g;   // after a caption, per 100 g
    const char* sharesOf;  // between a group's name and the standard's title
    const char* rowBasis;  // between a fruit's name and its weight
};

const PageWords kEnglish = {" for 100g", ": ", " \x97 "};
const PageWords kSpanish = {" por 100 g", ": ", " \x97 "};

// The cell texts of one record on its basis, by display position: value and unit, or for the four
// microgram amounts the milligram text; with a decimal comma on a Spanish page.
std::array<std::string, kFieldCount> cellTexts(const Fruit& fruit, const AmountsOnBasis& amounts) {
    std::array<std::string, kFieldCount> cells;
    for (std::size_t k = 1; k < kFieldCount; ++k) {
        cells[k] = amountCell(amounts, fruit, k);
    }
    return cells;
}

// One table of the page: the caption, the columns' names, and per fruit its row head and cells.
void appendTable(std::vector<std::string>& lines, const std::string& tableTag,
                 const std::string& caption, const std::vector<std::size_t>& columns,
                 const std::array<NutrientEntry, kFieldCount>& names,
                 const std::vector<std::string>& rowHeads,
                 const std::vector<std::array<std::string, kFieldCount>>& cells) {
    lines.push_back(tableTag);
    std::string head = "<caption>" + caption + "</caption><thead><tr><td></td>";
    for (const std::size_t column : columns) {
        head += "<th scope=\"col\">" + names[column].name + "</th>";
    }
    lines.push_back(head + "</tr></thead><tbody>");
    for (std::size_t f = 0; f < rowHeads.size(); ++f) {
        lines.emplace_back("<tr>");
        lines.push_back("<th scope=\"row\">" + rowHeads[f] + "</th>");
        for (const std::size_t column : columns) {
            lines.push_back("<td>" + cells[f][column] + "</td>");
        }
        lines.emplace_back("</tr>");
    }
    lines.emplace_back("</tbody></table>");
}

}  // namespace

std::vector<std::string> comparisonReportLines(const std::vector<Fruit>& fruits) {
    return comparisonReportLines(fruits, std::vector<AmountsOnBasis>(fruits.size()));
}

std::vector<std::string> comparisonReportLines(const std::vector<Fruit>& fruits,
                                               const std::vector<AmountsOnBasis>& amounts) {
    std::vector<std::string> lines;
    if (fruits.empty()) {
        return lines;
    }
    if (amounts.size() != fruits.size()) {
        throw std::invalid_argument("The comparison needs the amounts of every fruit");
    }
    lines.reserve(44 + 62 * fruits.size());
    const Language language = fruits.front().language();
    const PageWords& words = language == Language::Spanish ? kSpanish : kEnglish;
    const Basis basis = amounts.front().basis;
    const DailyValueStandard standard = amounts.front().standard;
    appendPageHead(lines, appFolder(), language);
    std::vector<std::array<std::string, kFieldCount>> cells;
    std::vector<std::array<std::string, kFieldCount>> shares;
    std::vector<std::string> rowHeads;
    for (std::size_t f = 0; f < fruits.size(); ++f) {
        cells.push_back(cellTexts(fruits[f], amounts[f]));
        std::array<std::string, kFieldCount> share;
        for (std::size_t k = 1; k < kFieldCount; ++k) {
            share[k] = percentCell(amounts[f], k, language);
        }
        shares.push_back(share);
        // On another basis each fruit's row says what its amounts are for.
        rowHeads.push_back(basis == Basis::Per100g ? fruits[f].displayName()
                                                   : fruits[f].displayName() + words.rowBasis +
                                                         basisLabel(amounts[f], language));
    }
    // The tables tell the charts their basis unless it is the 100 g they assume.
    const std::string perAttribute =
        basis == Basis::Per100g
            ? std::string()
            : " data-qv-per=\"" + escapedHtml(sharedBasisPhrase(basis, language)) + "\"";
    const std::string basisEnd =
        basis == Basis::Per100g ? words.per100g : " " + sharedBasisPhrase(basis, language);
    const auto& names = fruits.front().displayEntries();
    for (const Group& group : language == Language::Spanish ? kSpanishGroups : kGroups) {
        const std::string heading = group.heading ? group.heading : names[group.namedBy].name;
        const std::string title = group.caption ? group.caption : names[group.namedBy].name;
        lines.push_back("<h2>" + heading + "</h2>");
        const std::vector<std::size_t> columns(group.columns);
        appendTable(lines, "<table" + perAttribute + ">", title + basisEnd, columns, names,
                    rowHeads, cells);
        // Beside it, the shares of the daily values of the group's amounts that have one.
        std::vector<std::size_t> withShares;
        for (const std::size_t column : columns) {
            if (hasDailyValue(standard, kDisplayToTableField[column])) {
                withShares.push_back(column);
            }
        }
        if (!withShares.empty()) {
            appendTable(lines, "<table data-qv-reference=\"100\"" + perAttribute + ">",
                        title + words.sharesOf + standardTitle(standard, language), withShares,
                        names, rowHeads, shares);
        }
    }
    lines.emplace_back("</body></html>");
    return lines;
}
