// The single-fruit report page: a heading, the energy and five tables of amounts per 100 g.
#include "reports/single_fruit_report.h"

#include "data/app_folder.h"
#include "reports/local_amount.h"
#include "reports/page_head.h"

namespace {

const char* const kEmphasis = "<p style=\"font-size:20px;font-weight:bold\">";

// The page's own words. A table caption is captionStart, the fruit's name, then captionEnd.
struct PageWords {
    const char* introduction;
    const char* nutrientsHeading;
    const char* nutrientsStart;
    const char* nutrientsEnd;
    const char* carbohydratesEnd;  // follows the carbohydrate entry's name
    const char* mineralsHeading;
    const char* mineralsStart;
    const char* mineralsEnd;
    const char* vitaminsHeading;
    const char* vitaminsStart;
    const char* vitaminsEnd;
    const char* fattyAcidsHeading;
    const char* fattyAcidsStart;
    const char* fattyAcidsEnd;
    const char* nutrientHead;
    const char* vitaminHead;
    const char* fattyAcidsHead;
    const char* amountHead;
};

const PageWords kEnglish = {
    "<p>Nutritional values for 100 gr of product</p>",
    "<h2>Nutrients:</h2>",
    "",
    " nutrients",
    "s",
    "<h2>Minerals:</h2>",
    "",
    " Minerals",
    "<h2>Vitamins:</h2>",
    "",
    " Vitamins",
    "<h2>Fatty acids:</h2>",
    "",
    " Fatty acids",
    "<th>Nutrient</th>",
    "<th>Vitamin</th>",
    "<th>Fatty acids</th>",
    "<td>For each 100g</td>",
};

// Windows-1252: 0xC1 is "Á".
const PageWords kSpanish = {
    "<p>Valores nutricionales por 100 g de producto</p>",
    "<h2>Nutrientes:</h2>",
    "Nutrientes: ",
    "",
    "",
    "<h2>Minerales:</h2>",
    "Minerales: ",
    "",
    "<h2>Vitaminas:</h2>",
    "Vitaminas: ",
    "",
    "<h2>\xC1"
    "cidos grasos:</h2>",
    "\xC1"
    "cidos grasos: ",
    "",
    "<th>Nutriente</th>",
    "<th>Vitamina</th>",
    "<th>\xC1"
    "cidos grasos</th>",
    "<td>Por cada 100 g</td>",
};

class PageWriter {
  public:
    explicit PageWriter(const Fruit& fruit)
        : language_(fruit.language()),
          words_(language_ == Language::Spanish ? kSpanish : kEnglish),
          name_(fruit.displayName()) {}

    const PageWords& words() const { return words_; }

    std::string row(const NutrientEntry& entry) const {
        return "<tr><th>" + entry.name + "</th><td>" + localAmount(entry.value, language_) +
               entry.unit + "</td></tr>";
    }

    std::string convertedRow(const NutrientEntry& entry, const std::string& milligrams) const {
        return "<tr><th>" + entry.name + "</th><td>" + localAmount(milligrams, language_) +
               "mg</td></tr>";
    }

    std::string tableStart(const char* captionStart, const std::string& captionEnd,
                           const char* headerCell) const {
        return "<table><caption>" + std::string(captionStart) + name_ + captionEnd +
               "</caption><thead><tr>" + headerCell + words_.amountHead + "</tr><tbody>";
    }

    std::string amount(const std::string& value) const { return localAmount(value, language_); }

  private:
    Language language_;
    const PageWords& words_;
    const std::string& name_;
};

}  // namespace

std::vector<std::string> singleFruitReportLines(const Fruit& fruit) {
    const std::array<std::string, 4> mg = fruit.milligramAmounts();
    const auto& d = fruit.displayEntries();
    const PageWriter page(fruit);
    const PageWords& w = page.words();
    const bool english = fruit.language() == Language::English;
    const std::string end = "</tbody></table>";

    std::vector<std::string> lines;
    appendPageHead(lines, appFolder(), fruit.language());
    lines.push_back("<h1>" + d[0].name + ": " + d[kDisplayName].value + "</h1>");
    lines.emplace_back(w.introduction);
    lines.push_back("<h2>" + d[kEnergy].name + ": " + page.amount(d[kEnergy].value) + " " +
                    d[kEnergy].unit + "</h2>");
    lines.emplace_back(w.nutrientsHeading);
    std::string table = page.tableStart(w.nutrientsStart, w.nutrientsEnd, w.nutrientHead);
    for (std::size_t k = 2; k <= 6; ++k) {
        table += page.row(d[k]);
    }
    lines.push_back(table + end);

    // English makes the heading from the entry's name ("Carbohydrate" + "s"); the Spanish name,
    // "Hidratos de carbono", is already plural.
    const std::string carbohydrates = d[kCarbohydrate].name + w.carbohydratesEnd;
    lines.push_back("<h2>" + carbohydrates + ":</h2>");
    const std::string carbohydratesCaption = english ? " " + carbohydrates : std::string();
    const std::string carbohydratesStart = english ? "" : carbohydrates + ": ";
    lines.push_back(
        page.tableStart(carbohydratesStart.c_str(), carbohydratesCaption, w.nutrientHead) +
        page.row(d[8]) + page.row(d[7]) + end);

    lines.emplace_back(w.mineralsHeading);
    table = page.tableStart(w.mineralsStart, w.mineralsEnd, w.nutrientHead);
    for (std::size_t k = 9; k <= 17; ++k) {
        table += page.row(d[k]);
    }
    lines.push_back(table + page.convertedRow(d[kSelenium], mg[0]) + end);

    lines.emplace_back(w.vitaminsHeading);
    table = page.tableStart(w.vitaminsStart, w.vitaminsEnd, w.vitaminHead);
    for (std::size_t k = 19; k <= 24; ++k) {
        table += page.row(d[k]);
    }
    table += page.convertedRow(d[kFolicAcid], mg[1]) + page.row(d[27]) +
             page.convertedRow(d[kVitaminK], mg[2]);
    lines.push_back(table + end);

    lines.push_back(kEmphasis + d[kVitaminA].name + " : " + page.amount(d[kVitaminA].value) +
                    d[kVitaminA].unit + "</p>");
    lines.push_back(kEmphasis + d[kCarotenoids].name + " : " + page.amount(mg[3]) + "mg</p>");

    lines.emplace_back(w.fattyAcidsHeading);
    lines.push_back(page.tableStart(w.fattyAcidsStart, w.fattyAcidsEnd, w.fattyAcidsHead) +
                    page.row(d[30]) + page.row(d[31]) + page.row(d[32]) + end);
    lines.emplace_back("</BODY></HTML>");
    return lines;
}
