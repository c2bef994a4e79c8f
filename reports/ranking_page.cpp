#include "reports/ranking_page.h"

#include <optional>
#include <utility>

#include "data/app_folder.h"
#include "data/fruit_table.h"
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

std::string nameCell(const std::string& line, Language language) {
    return "<th scope=\"row\">" + displayNameOf(line, language) + "</th>";
}

// The page's own words around the amount's name.
struct RankingWords {
    std::string title, introduction, rankedHeading, noneRanked, rankedCaption, rankHead, fruitHead,
        unrankedHeading, unrankedIntroduction, unrankedCaption, noAmount, notAnAmount;
};

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
                " (no es una cantidad)"};
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
            " (not an amount)"};
}

}  // namespace

std::vector<std::string> rankingPageLines(const std::vector<std::string>& fruitLines,
                                          std::size_t column, Language language) {
    const Ranking ranking = rankTableRows(fruitLines, column);
    const std::string name = tableColumns(language)[column].name;
    const std::string unit = tableColumns(language)[column].unit;
    const RankingWords words = rankingWords(name, language);

    std::vector<std::string> lines;
    lines.reserve(ranking.ranked.size() + ranking.unranked.size() + 16);
    appendPageHead(lines, appFolder(), language);
    lines.push_back(words.title);
    lines.push_back(words.introduction);

    lines.push_back(words.rankedHeading);
    if (ranking.ranked.empty()) {
        lines.push_back(words.noneRanked);
    } else {
        lines.emplace_back("<table id=\"ranking\">");
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
            const double amount = *amountOf(field);
            if (!previous || amount != *previous) {
                rank = i + 1;
                previous = amount;
            }
            std::string cells = rowStart(row) + "<td>" + std::to_string(rank) + "</td>";
            cells += nameCell(line, language);
            cells += "<td>";
            cells += localAmount(field, language);
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
            const std::string text =
                isBlank(field) ? words.noAmount : escapedHtml(field) + words.notAnAmount;
            lines.push_back(rowStart(row) + nameCell(line, language) + "<td>" + text +
                            "</td></tr>");
        }
        lines.emplace_back("</tbody></table>");
    }
    lines.emplace_back("</BODY></HTML>");
    return lines;
}
