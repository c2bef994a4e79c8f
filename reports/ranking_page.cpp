#include "reports/ranking_page.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "data/app_folder.h"
#include "data/fruit_table.h"
#include "data/name_folding.h"
#include "data/nutrient_columns.h"
#include "reports/html_text.h"
#include "reports/local_amount.h"
#include "reports/page_head.h"
#include "reports/ranking.h"

namespace {

// A field of blanks and control characters says as little as an empty one.
bool isBlank(const std::string& field) {
    for (const char c : field) {
        if (static_cast<unsigned char>(c) > 32) {
            return false;
        }
    }
    return true;
}

std::string rowStart(std::size_t row) {
    return "<tr data-row=\"" + std::to_string(row) + "\">";
}

// Focusable, so that the keyboard moves through the fruits (Tab) and Enter selects one.
std::string nameCell(const std::string& line, Language language, const std::string& after = {}) {
    return "<th scope=\"row\" tabindex=\"0\">" + displayNameOf(line, language) + after + "</th>";
}

// The page's own words around the amount's name.
struct RankingWords {
    std::string title, introduction, rankedHeading, noneRanked, rankedCaption, rankHead, fruitHead,
        unrankedHeading, unrankedIntroduction, unrankedCaption, noAmount, notAnAmount, noWeight,
        nameBasis;
};

// The words of a ranking on another basis than 100 g: which weight of each fruit is compared, and
// why a fruit without that weight has no rank.
void sayBasis(RankingWords& words, const std::string& name, Basis basis, Language language) {
    const bool portion = basis == Basis::PerPortion;
    if (language == Language::Spanish) {
        words.introduction =
            "<p>" + name +
            (portion ? " en una raci\xF3n de cada fruta (la indicada junto a su nombre)"
                     : " en 100 kcal de cada fruta") +
            ", de mayor a menor; las cantidades iguales, en el orden de la lista de frutas. Un " +
            "clic en el nombre de una fruta la selecciona en la lista de frutas.</p>";
        words.rankedCaption = name + (portion ? " por raci\xF3n" : " por 100 kcal");
        words.unrankedHeading = "<h2>Sin cantidad de " + name + " o sin " +
                                (portion ? "medida casera"
                                         : "energ\xED"
                                           "a") +
                                "</h2>";
        words.unrankedIntroduction = "<p>Estas frutas no tienen puesto: la tabla no da su " + name +
                                     (portion ? " o no tienen ninguna medida casera.</p>"
                                              : " o su energ\xED"
                                                "a.</p>");
        words.noWeight = portion ? "sin medida casera"
                                 : "sin energ\xED"
                                   "a";
        words.nameBasis = " \x97 ";
        return;
    }
    words.introduction =
        "<p>" + name +
        (portion ? " in a portion of each fruit (the one named beside it)"
                 : " in 100 kcal of each fruit") +
        ", from the most to the least; equal amounts in the order of the fruit list. A click " +
        "on a fruit's name selects it in the fruit list.</p>";
    words.rankedCaption = name + (portion ? " per portion" : " per 100 kcal");
    words.unrankedHeading = "<h2>No amount of " + name + " or no " +
                            (portion ? "household measure" : "energy") + "</h2>";
    words.unrankedIntroduction = "<p>These fruits have no rank: the table gives no amount of " +
                                 name +
                                 (portion ? " for them, or they have no household measure.</p>"
                                          : " or no energy for them.</p>");
    words.noWeight = portion ? "no household measure" : "no energy";
    words.nameBasis = " \x97 ";
}

RankingWords rankingWords(const std::string& name, Language language) {
    if (language == Language::Spanish) {
        // Windows-1252: 0xE1 "á", 0xED "í".
        return {"<h1>Frutas ordenadas por " + name + "</h1>",
                "<p>" + name + " en 100 g de cada fruta, de mayor a menor; las cantidades " +
                    "iguales, en el orden de la lista de frutas. Un clic en el nombre de una " +
                    "fruta la selecciona en la lista de frutas.</p>",
                "<h2>" + name + ", de mayor a menor</h2>",
                "<p>Ninguna fruta tiene una cantidad de " + name + " en la tabla.</p>",
                name + " por 100 g",
                "Puesto",
                "Fruta",
                "<h2>Sin cantidad de " + name + " en la tabla</h2>",
                "<p>La tabla de frutas no da ninguna cantidad de " + name +
                    " para estas frutas, as\xED que no tienen puesto.</p>",
                name + ": sin cantidad",
                "sin cantidad",
                " (no es una cantidad)",
                "",
                ""};
    }
    return {"<h1>Fruits ranked by " + name + "</h1>",
            "<p>" + name + " in 100 g of each fruit, from the most to the least; equal " +
                "amounts in the order of the fruit list. A click on a fruit's name selects " +
                "it in the fruit list.</p>",
            "<h2>" + name + ", largest first</h2>",
            "<p>No fruit has an amount of " + name + " in the table.</p>",
            name + " for 100g",
            "Rank",
            "Fruit",
            "<h2>No amount of " + name + " in the table</h2>",
            "<p>The fruit table gives no amount of " + name +
                " for these fruits, so they have no rank.</p>",
            name + ": no amount",
            "no amount",
            " (not an amount)",
            "",
            ""};
}

}  // namespace

std::vector<std::string> rankingPageLines(const std::vector<std::string>& fruitLines,
                                          std::size_t column, Language language) {
    return rankingPageLines(fruitLines, column, language, {});
}

std::vector<std::string> rankingPageLines(const std::vector<std::string>& fruitLines,
                                          std::size_t column, Language language,
                                          const std::vector<AmountsOnBasis>& amountsOfRow) {
    const Basis basis = amountsOfRow.empty() ? Basis::Per100g : amountsOfRow.front().basis;
    const bool onBasis = basis != Basis::Per100g;
    Ranking ranking = rankTableRows(fruitLines, column, language);
    const std::string name = tableColumns(language)[column].name;
    const std::string unit = tableColumns(language)[column].unit;
    RankingWords words = rankingWords(name, language);
    std::string tableAttributes;
    if (onBasis) {
        if (amountsOfRow.size() + 1 != fruitLines.size()) {
            throw std::invalid_argument("The ranking needs the amounts of every fruit");
        }
        sayBasis(words, name, basis, language);
        // A fruit that cannot have the basis (it fell back to 100 g) ranks with the unknown.
        std::vector<std::optional<double>> amountOfRow;
        amountOfRow.reserve(amountsOfRow.size());
        for (const AmountsOnBasis& amounts : amountsOfRow) {
            amountOfRow.push_back(amounts.weight.fellBack ? std::nullopt : amounts.amounts[column]);
        }
        ranking = rankAmounts(amountOfRow,
                              fruitListOrder(fruitListNames(fruitLines, language), language));
        tableAttributes =
            " data-qv-per=\"" + escapedHtml(sharedBasisPhrase(basis, language)) + "\"";
    }
    std::vector<std::string> lines;
    lines.reserve(ranking.ranked.size() + ranking.unranked.size() + 16);
    appendPageHead(lines, appFolder(), language);
    lines.push_back(words.title);
    lines.push_back(words.introduction);

    lines.push_back(words.rankedHeading);
    if (ranking.ranked.empty()) {
        lines.push_back(words.noneRanked);
    } else {
        lines.push_back("<table id=\"ranking\"" + tableAttributes + ">");
        lines.push_back("<caption>" + words.rankedCaption +
                        "</caption><thead><tr><th scope=\"col\">" + words.rankHead +
                        "</th><th scope=\"col\">" + words.fruitHead + "</th><th scope=\"col\">" +
                        name + "</th></tr></thead><tbody>");
        // Equal amounts share a rank; the next amount's rank counts every fruit before it.
        std::size_t rank = 0;
        std::optional<double> previous;
        for (std::size_t i = 0; i < ranking.ranked.size(); ++i) {
            const std::size_t row = ranking.ranked[i];
            const std::string& line = fruitLines[row];
            const std::string field = fieldOf(line, column);
            const double amount = onBasis ? *amountsOfRow[row].amounts[column] : *amountOf(field);
            if (!previous || amount != *previous) {
                rank = i + 1;
                previous = amount;
            }
            std::string cells = rowStart(row) + "<td>" + std::to_string(rank) + "</td>";
            cells += onBasis ? nameCell(line, language, words.nameBasis + amountsOfRow[row].label)
                             : nameCell(line, language);
            cells += "<td>";
            cells += localAmount(onBasis ? scaledAmountText(amount) : field, language);
            cells += unit;
            cells += "</td></tr>";
            lines.push_back(std::move(cells));
        }
        lines.emplace_back("</tbody></table>");
    }

    if (!ranking.unranked.empty()) {
        lines.push_back(words.unrankedHeading);
        lines.push_back(words.unrankedIntroduction);
        lines.emplace_back("<table id=\"unranked\">");
        lines.push_back("<caption>" + words.unrankedCaption +
                        "</caption><thead><tr><th scope=\"col\">" + words.fruitHead +
                        "</th><th scope=\"col\">" + name + "</th></tr></thead><tbody>");
        for (const std::size_t row : ranking.unranked) {
            const std::string& line = fruitLines[row];
            const std::string field = fieldOf(line, column);
            std::string text =
                isBlank(field) ? words.noAmount : escapedHtml(field) + words.notAnAmount;
            if (onBasis && amountsOfRow[row].weight.fellBack) {
                text = words.noWeight;
            }
            lines.push_back(rowStart(row) + nameCell(line, language) + "<td>" + text +
                            "</td></tr>");
        }
        lines.emplace_back("</tbody></table>");
    }
    lines.emplace_back("</BODY></HTML>");
    return lines;
}
