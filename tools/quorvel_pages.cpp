// quorvel-pages: prints the pages Quorvel writes as raw bytes, each line followed by CR LF exactly
// as the view receives it, with the tool's own folder standing in for the program's folder.
//
//   quorvel-pages list                 the 145 display names
//   quorvel-pages placeholder          the placeholder page
//   quorvel-pages fruit N              the single-fruit page of table line N (0 to 144)
//   quorvel-pages compare N1 N2 ...    the comparison page of 2 to 9 distinct lines, in that order
//   quorvel-pages rank COLUMN          the ranking of all fruits by amount COLUMN (1 Water to 32
//                                      Polyunsaturated fatty acids)
//
// "--lang es" first prints the Spanish pages (the Spanish table, words and decimal commas);
// "--lang en" or no option the English ones. The desktop's locale plays no part here.
#include <cstdio>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/fruit.h"
#include "data/fruit_table.h"
#include "data/language.h"
#include "reports/comparison_report.h"
#include "reports/placeholder_page.h"
#include "reports/ranking.h"
#include "reports/ranking_page.h"
#include "reports/single_fruit_report.h"

namespace {

const char* const kUsage =
    "usage: quorvel-pages [--lang en|es] list | placeholder | fruit N | compare N1 N2 [... N9] | "
    "rank COLUMN  (N: 0 to 144, COLUMN: 1 to 32)\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

void print(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fwrite("\r\n", 1, 2, stdout);
    }
}

// A fruit's table line number, or -1 when the argument is not one.
int fruitIndex(const std::string& arg, std::size_t fruitCount) {
    if (arg.empty() || arg.size() > 3 || arg.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    const int index = std::stoi(arg);
    return index < static_cast<int>(fruitCount) ? index : -1;
}

// An amount column (1 to 32), or 0 when the argument is not one.
std::size_t amountColumn(const std::string& arg) {
    if (arg.empty() || arg.size() > 2 || arg.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const auto column = static_cast<std::size_t>(std::stoi(arg));
    return column >= kFirstAmountColumn && column <= kLastAmountColumn ? column : 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    Language language = Language::English;
    if (!args.empty() && args[0] == "--lang") {
        const auto chosen = args.size() > 1 ? languageOption(args[1]) : std::nullopt;
        if (!chosen) {
            return usage();
        }
        language = *chosen;
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) {
        return usage();
    }
    std::vector<std::string> fruitLines;
    const std::vector<std::string> names = loadFruitTable(fruitLines, language);
    const std::string& command = args[0];

    if (command == "list" && args.size() == 1) {
        print(names);
    } else if (command == "placeholder" && args.size() == 1) {
        print({placeholderPage(language)});
    } else if (command == "fruit" && args.size() == 2) {
        const int index = fruitIndex(args[1], names.size());
        if (index < 0) {
            return usage();
        }
        std::vector<std::string> lines;
        lines =
            singleFruitReportLines(Fruit(fruitLines[static_cast<std::size_t>(index)], language));
        print(lines);
    } else if (command == "compare" && args.size() >= 3 && args.size() <= 10) {
        std::vector<Fruit> fruits;
        std::set<int> seen;
        for (std::size_t i = 1; i < args.size(); ++i) {
            const int index = fruitIndex(args[i], names.size());
            if (index < 0 || !seen.insert(index).second) {
                return usage();
            }
            fruits.emplace_back(fruitLines[static_cast<std::size_t>(index)], language);
        }
        print(comparisonReportLines(fruits));
    } else if (command == "rank" && args.size() == 2) {
        const std::size_t column = amountColumn(args[1]);
        if (column == 0) {
            return usage();
        }
        print(rankingPageLines(fruitLines, column, language));
    } else {
        return usage();
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
