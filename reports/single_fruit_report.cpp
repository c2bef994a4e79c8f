// The single-fruit report page: a heading, the energy and five tables of amounts per 100 g, or on
// another basis, with a table of the shares of the daily values when a standard is chosen.
#include "reports/single_fruit_report.h"

#include "data/app_folder.h"
#include "reports/html_text.h"
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
    // On another basis than 100 g, and with a standard.
    const char* basisIntroduction;  // followed by the basis phrase and "</p>"
    const char* nameBasisSeparator;
    const char* usNote;
    const char* euNote;
    const char* sharesHeading;
    const char* sharesStart;
    const char* sharesEnd;
    const char* sharesHead;
    const char* unknownShares;  // followed by the names of the unknown amounts and "</p>"
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
    "<p>Nutritional values ",
    " \x97 ",
    "<p>Percentages of the US daily values for adults (FDA, 2016 rule).</p>",
    "<p>Percentages of the EU reference intakes (Regulation 1169/2011); sodium counts as salt, "
    "2.5 times its weight.</p>",
    "<h2>% of daily value:</h2>",
    "",
    " % of daily value",
    "<td>% of daily value</td>",
    "<p>No percentage for the amounts the table does not give: ",
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
    "<p>Valores nutricionales ",
    " \x97 ",
    "<p>Porcentajes de los valores diarios de EE. UU. para adultos (FDA, norma de 2016).</p>",
    "<p>Porcentajes de las ingestas de referencia de la UE (Reglamento 1169/2011); el sodio "
    "cuenta como sal, 2,5 veces su peso.</p>",
    "<h2>% del valor diario:</h2>",
    "% del valor diario: ",
    "",
    "<td>% del valor diario</td>",
    "<p>Sin porcentaje para las cantidades que la tabla no da: ",
};

// A phrase with a capital first letter, for a table head: "Per 1 cup, sliced (165 g)".
std::string capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

class PageWriter {
  public:
    PageWriter(const Fruit& fruit, const AmountsOnBasis& amounts)
        : language_(fruit.language()),
          words_(language_ == Language::Spanish ? kSpanish : kEnglish),
          fruit_(fruit),
          amounts_(amounts),
          name_(fruit.displayName()),
          phrase_(basisPhrase(amounts, language_)) {
        // The tables tell the charts their basis unless it is the 100 g they assume.
        if (!amounts.per100g()) {
            perAttribute_ = " data-qv-per=\"" + escapedHtml(phrase_) + "\"";
        }
    }

    const PageWords& words() const { return words_; }
    const std::string& phrase() const { return phrase_; }

    std::string row(std::size_t k) const {
        return "<tr><th>" + fruit_.displayEntries()[k].name + "</th><td>" + cell(k) + "</td></tr>";
    }

    // The amount of display position k with its unit, on the page's basis.
    std::string cell(std::size_t k) const { return amountCell(amounts_, fruit_, k); }

    std::string tableStart(const char* captionStart, const std::string& captionEnd,
                           const char* headerCell) const {
        const std::string amountHead = amounts_.per100g() ? std::string(words_.amountHead)
                                                          : "<td>" + capitalized(phrase_) + "</td>";
        return "<table" + perAttribute_ + "><caption>" + std::string(captionStart) + name_ +
               captionEnd + "</caption><thead><tr>" + headerCell + amountHead + "</tr><tbody>";
    }

    // The table of the shares of the daily values, in display order, and the paragraph naming
    // the amounts that have a daily value but no amount in the table.
    void appendShares(std::vector<std::string>& lines) const {
        const auto& d = fruit_.displayEntries();
        std::string table = "<table data-qv-reference=\"100\"" + perAttribute_ + "><caption>" +
                            words_.sharesStart + name_ + words_.sharesEnd +
                            "</caption><thead><tr>" + words_.nutrientHead + words_.sharesHead +
                            "</tr><tbody>";
        std::string unknown;
        for (std::size_t k = 1; k < kFieldCount; ++k) {
            const std::string share = percentCell(amounts_, k, language_);
            if (share.empty()) {
                continue;
            }
            if (amounts_.percents[kDisplayToTableField[k]]) {
                table += "<tr><th>" + d[k].name + "</th><td>" + share + "</td></tr>";
            } else {
                unknown += (unknown.empty() ? "" : ", ") + d[k].name;
            }
        }
        lines.emplace_back(words_.sharesHeading);
        lines.push_back(table + "</tbody></table>");
        if (!unknown.empty()) {
            lines.push_back(words_.unknownShares + unknown + ".</p>");
        }
    }

  private:
    Language language_;
    const PageWords& words_;
    const Fruit& fruit_;
    const AmountsOnBasis& amounts_;
    const std::string& name_;
    std::string phrase_;
    std::string perAttribute_;
};

}  // namespace

std::vector<std::string> singleFruitReportLines(const Fruit& fruit) {
    return singleFruitReportLines(fruit, AmountsOnBasis());
}

std::vector<std::string> singleFruitReportLines(const Fruit& fruit, const AmountsOnBasis& amounts) {
    const auto& d = fruit.displayEntries();
    const PageWriter page(fruit, amounts);
    const PageWords& w = page.words();
    const bool english = fruit.language() == Language::English;
    const bool onBasis = amounts.basis != Basis::Per100g;
    const std::string end = "</tbody></table>";

    std::vector<std::string> lines;
    appendPageHead(lines, appFolder(), fruit.language());
    lines.push_back("<h1>" + d[0].name + ": " + d[kDisplayName].value +
                    (onBasis ? w.nameBasisSeparator + page.phrase() : std::string()) + "</h1>");
    lines.push_back(onBasis ? w.basisIntroduction + page.phrase() + "</p>"
                            : std::string(w.introduction));
    if (amounts.standard != DailyValueStandard::None) {
        lines.emplace_back(amounts.standard == DailyValueStandard::Us2016 ? w.usNote : w.euNote);
    }
    // The energy has a blank before its unit.
    std::string energy = page.cell(kEnergy);
    const std::string& kcal = d[kEnergy].unit;
    if (energy.size() > kcal.size() &&
        energy.compare(energy.size() - kcal.size(), kcal.size(), kcal) == 0) {
        energy.insert(energy.size() - kcal.size(), " ");
    }
    lines.push_back("<h2>" + d[kEnergy].name + ": " + energy + "</h2>");
    lines.emplace_back(w.nutrientsHeading);
    std::string table = page.tableStart(w.nutrientsStart, w.nutrientsEnd, w.nutrientHead);
    for (std::size_t k = 2; k <= 6; ++k) {
        table += page.row(k);
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
        page.row(8) + page.row(7) + end);

    lines.emplace_back(w.mineralsHeading);
    table = page.tableStart(w.mineralsStart, w.mineralsEnd, w.nutrientHead);
    for (std::size_t k = 9; k <= kSelenium; ++k) {
        table += page.row(k);
    }
    lines.push_back(table + end);

    lines.emplace_back(w.vitaminsHeading);
    table = page.tableStart(w.vitaminsStart, w.vitaminsEnd, w.vitaminHead);
    for (std::size_t k = 19; k <= kFolicAcid; ++k) {
        table += page.row(k);
    }
    table += page.row(27) + page.row(kVitaminK);
    lines.push_back(table + end);

    lines.push_back(kEmphasis + d[kVitaminA].name + " : " + page.cell(kVitaminA) + "</p>");
    lines.push_back(kEmphasis + d[kCarotenoids].name + " : " + page.cell(kCarotenoids) + "</p>");

    lines.emplace_back(w.fattyAcidsHeading);
    lines.push_back(page.tableStart(w.fattyAcidsStart, w.fattyAcidsEnd, w.fattyAcidsHead) +
                    page.row(30) + page.row(31) + page.row(32) + end);
    if (amounts.standard != DailyValueStandard::None) {
        page.appendShares(lines);
    }
    lines.emplace_back("</BODY></HTML>");
    return lines;
}
