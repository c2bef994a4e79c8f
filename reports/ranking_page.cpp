#include "reports/ranking_page.h"

#include <optional>
#include <utility>

#include "data/app_folder.h"
#include "data/fruit_table.h"
#include "data/nutrient_columns.h"
#include "reports/page_head.h"
#include "reports/ranking.h"

namespace {

// A field that is no amount may hold any text: it goes into the page as text, never as markup.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

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

std::string nameCell(const std::string& line) {
    return "<th scope=\"row\">" + displayNameOf(line) + "</th>";
}

}  // namespace

std::vector<std::string> rankingPageLines(const std::vector<std::string>& fruitLines,
                                          std::size_t column) {
    const Ranking ranking = rankTableRows(fruitLines, column);
    const std::string name = kTableColumns[column].name;
    const std::string unit = kTableColumns[column].unit;

    std::vector<std::string> lines;
    lines.reserve(ranking.ranked.size() + ranking.unranked.size() + 16);
    appendPageHead(lines, appFolder());
    lines.push_back("<h1>Fruits ranked by " + name + "</h1>");
    lines.push_back("<p>" + name + " in 100 g of each fruit, from the most to the least; equal " +
                    "amounts in the order of the fruit list. A click on a fruit's name selects " +
                    "it in the fruit list.</p>");

    lines.push_back("<h2>" + name + ", largest first</h2>");
    if (ranking.ranked.empty()) {
        lines.push_back("<p>No fruit has an amount of " + name + " in the table.</p>");
    } else {
        lines.emplace_back("<table id=\"ranking\">");
        lines.push_back("<caption>" + name + " for 100g</caption><thead><tr><th scope=\"col\">" +
                        "Rank</th><th scope=\"col\">Fruit</th><th scope=\"col\">" + name +
                        "</th></tr></thead><tbody>");
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
            cells += nameCell(line);
            cells += "<td>";
            cells += field;
            cells += unit;
            cells += "</td></tr>";
            lines.push_back(std::move(cells));
        }
        lines.emplace_back("</tbody></table>");
    }

    if (!ranking.unranked.empty()) {
        lines.push_back("<h2>No amount of " + name + " in the table</h2>");
        lines.push_back("<p>The fruit table gives no amount of " + name +
                        " for these fruits, so they have no rank.</p>");
        lines.emplace_back("<table id=\"unranked\">");
        lines.push_back("<caption>" + name + ": no amount</caption><thead><tr><th scope=\"col\">" +
                        "Fruit</th><th scope=\"col\">" + name + "</th></tr></thead><tbody>");
        for (const std::size_t row : ranking.unranked) {
            const std::string& line = fruitLines[row];
            const std::string field = fieldOf(line, column);
            const std::string text =
                isBlank(field) ? std::string("no amount") : escaped(field) + " (not an amount)";
            lines.push_back(rowStart(row) + nameCell(line) + "<td>" + text + "</td></tr>");
        }
        lines.emplace_back("</tbody></table>");
    }
    lines.emplace_back("</BODY></HTML>");
    return lines;
}
