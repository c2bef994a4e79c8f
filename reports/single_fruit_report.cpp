// The single-fruit report page: a heading, the energy and five tables of amounts per 100 g.
#include "reports/single_fruit_report.h"

#include "data/app_folder.h"
#include "reports/page_head.h"

namespace {

const char* const kEmphasis = "<p style=\"font-size:20px;font-weight:bold\">";

std::string Row(const NutrientEntry& entry) {
    return "<tr><th>" + entry.name + "</th><td>" + entry.value + entry.unit + "</td></tr>";
}

std::string convertedRow(const NutrientEntry& entry, const std::string& milligrams) {
    return "<tr><th>" + entry.name + "</th><td>" + milligrams + "mg</td></tr>";
}

std::string tableHead(const char* headerCell) {
    return std::string("<thead><tr>") + headerCell + "<td>For each 100g</td></tr><tbody>";
}

}  // namespace

std::vector<std::string> singleFruitReportLines(const Fruit& fruit) {
    const std::array<std::string, 4> mg = fruit.milligramAmounts();
    const auto& d = fruit.displayEntries();
    const std::string& name = d[kDisplayName].value;
    const std::string end = "</tbody></table>";

    std::vector<std::string> lines;
    appendPageHead(lines, appFolder());
    lines.push_back("<h1>" + d[0].name + ": " + name + "</h1>");
    lines.emplace_back("<p>Nutritional values for 100 gr of product</p>");
    lines.push_back("<h2>" + d[kEnergy].name + ": " + d[kEnergy].value + " " + d[kEnergy].unit +
                    "</h2>");
    lines.emplace_back("<h2>Nutrients:</h2>");
    std::string table =
        "<table><caption>" + name + " nutrients</caption>" + tableHead("<th>Nutrient</th>");
    for (std::size_t k = 2; k <= 6; ++k) {
        table += Row(d[k]);
    }
    lines.push_back(table + end);

    lines.push_back("<h2>" + d[kCarbohydrate].name + "s:</h2>");
    lines.push_back("<table><caption>" + name + " " + d[kCarbohydrate].name + "s</caption>" +
                    tableHead("<th>Nutrient</th>") + Row(d[8]) + Row(d[7]) + end);

    lines.emplace_back("<h2>Minerals:</h2>");
    table = "<table><caption>" + name + " Minerals</caption>" + tableHead("<th>Nutrient</th>");
    for (std::size_t k = 9; k <= 17; ++k) {
        table += Row(d[k]);
    }
    lines.push_back(table + convertedRow(d[kSelenium], mg[0]) + end);

    lines.emplace_back("<h2>Vitamins:</h2>");
    table = "<table><caption>" + name + " Vitamins</caption>" + tableHead("<th>Vitamin</th>");
    for (std::size_t k = 19; k <= 24; ++k) {
        table += Row(d[k]);
    }
    table += convertedRow(d[kFolicAcid], mg[1]) + Row(d[27]) + convertedRow(d[kVitaminK], mg[2]);
    lines.push_back(table + end);

    lines.push_back(kEmphasis + d[kVitaminA].name + " : " + d[kVitaminA].value + d[kVitaminA].unit +
                    "</p>");
    lines.push_back(kEmphasis + d[kCarotenoids].name + " : " + mg[3] + "mg</p>");

    lines.emplace_back("<h2>Fatty acids:</h2>");
    lines.push_back("<table><caption>" + name + " Fatty acids</caption>" +
                    tableHead("<th>Fatty acids</th>") + Row(d[30]) + Row(d[31]) + Row(d[32]) + end);
    lines.emplace_back("</BODY></HTML>");
    return lines;
}
