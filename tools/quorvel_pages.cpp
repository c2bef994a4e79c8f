// quorvel-pages: prints the pages Quorvel writes as raw bytes, each line followed by CR LF exactly
// as the view receives it, with the tool's own folder standing in for the program's folder.
//
//   quorvel-pages list                 the 145 display names
//   quorvel-pages placeholder          the placeholder page
//   quorvel-pages fruit N              the single-fruit page of table line N (0 to 144)
//   quorvel-pages compare N1 N2 ...    the comparison page of 2 to 9 distinct lines, in that order
//   quorvel-pages rank COLUMN          the ranking of all fruits by amount COLUMN (1 Water to 32
//                                      Polyunsaturated fatty acids)
//   quorvel-pages portions N           the household measures of fruit N, one a line in the USDA's
//                                      order: amount TAB name TAB grams
//   quorvel-pages amounts N            the 32 amounts of fruit N in table order: column TAB amount
//                                      (in the table's unit, three significant figures) TAB percent
//                                      of the daily value (empty without one); both empty when the
//                                      table does not give the amount
//
// fruit, compare and amounts take "--per 100g|portion|portion:K|100kcal" (the basis; portion:K is
// each fruit's K-th measure, from 1) and "--dv us|eu" (percentages of the US daily values or the
// EU reference intakes); rank takes "--per 100g|portion|100kcal". Without them the pages are the
// 100 g pages. "--lang es" first prints the Spanish pages, measures and amounts (the Spanish
// table, words and decimal commas); "--lang en" or no option the English ones. The desktop's
// locale plays no part here. Bad input: a message on stderr and exit status 2.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/fruit.h"
#include "data/fruit_table.h"
#include "data/household_measures.h"
#include "data/language.h"
#include "reports/amounts_on_basis.h"
#include "reports/comparison_report.h"
#include "reports/local_amount.h"
#include "reports/placeholder_page.h"
#include "reports/ranking.h"
#include "reports/ranking_page.h"
#include "reports/single_fruit_report.h"

namespace {

const char* const kUsage =
    "usage: quorvel-pages [--lang en|es] list | placeholder | fruit N | compare N1 N2 [... N9] | "
    "rank COLUMN | portions N | amounts N  (N: 0 to 144, COLUMN: 1 to 32; fruit, compare, "
    "amounts: [--per 100g|portion|portion:K|100kcal] [--dv us|eu]; rank: [--per "
    "100g|portion|100kcal])\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

// A message about input the tool cannot use.
int refuse(const std::string& message) {
    std::fprintf(stderr, "quorvel-pages: %s\n", message.c_str());
    return 2;
}

// The basis and standard options, taken out of the arguments.
struct AmountsOptions {
    bool given = false;
    Basis basis = Basis::Per100g;
    std::size_t portion = 0;  // from 0; portionGiven when the user named one
    bool portionGiven = false;
    DailyValueStandard standard = DailyValueStandard::None;
    bool standardGiven = false;
};

bool parseBasis(const std::string& value, AmountsOptions& options) {
    if (value == "100g" || value == "100kcal" || value == "portion") {
        options.basis = value == "100g"      ? Basis::Per100g
                        : value == "100kcal" ? Basis::Per100kcal
                                             : Basis::PerPortion;
        return true;
    }
    const std::string prefix = "portion:";
    const std::string k = value.substr(std::min(value.size(), prefix.size()));
    if (value.compare(0, prefix.size(), prefix) != 0 || k.empty() || k.size() > 2 ||
        k.find_first_not_of("0123456789") != std::string::npos || k[0] == '0') {
        return false;
    }
    options.basis = Basis::PerPortion;
    options.portion = static_cast<std::size_t>(std::stoi(k)) - 1;
    options.portionGiven = true;
    return true;
}

// Takes "--per" and "--dv" with their values out of args; false for a bad or repeated option.
bool takeAmountsOptions(std::vector<std::string>& args, AmountsOptions& options) {
    bool perSeen = false;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != "--per" && args[i] != "--dv") {
            ++i;
            continue;
        }
        if (i + 1 >= args.size()) {
            return false;
        }
        const std::string& value = args[i + 1];
        if (args[i] == "--per") {
            if (perSeen || !parseBasis(value, options)) {
                return false;
            }
            perSeen = true;
        } else {
            if (options.standardGiven || (value != "us" && value != "eu")) {
                return false;
            }
            options.standard =
                value == "us" ? DailyValueStandard::Us2016 : DailyValueStandard::Eu2011;
            options.standardGiven = true;
        }
        options.given = true;
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    }
    return true;
}

// The amounts of fruit index on the chosen basis; a portion the fruit does not have is refused
// with a message.
std::optional<AmountsOnBasis> amountsOf(std::size_t index, const std::vector<std::string>& lines,
                                        const MeasureTable& measures, const AmountsOptions& options,
                                        Language language) {
    const auto& own = measures[index];
    if (options.basis == Basis::PerPortion && options.portion >= own.size() && !own.empty()) {
        refuse("fruit " + std::to_string(index) + " has " + std::to_string(own.size()) +
               " household measure" + (own.size() == 1 ? "" : "s") + ", no portion " +
               std::to_string(options.portion + 1));
        return std::nullopt;
    }
    return amountsOnBasis(lines[index], own, options.basis, options.portion, options.standard,
                          language);
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
    AmountsOptions options;
    if (!takeAmountsOptions(args, options)) {
        return usage();
    }
    if (args.empty()) {
        return usage();
    }
    std::vector<std::string> fruitLines;
    const std::vector<std::string> names = loadFruitTable(fruitLines, language);
    const MeasureTable measures = loadMeasureTable(language, names.size());
    const std::string& command = args[0];
    const bool takesOptions =
        command == "fruit" || command == "compare" || command == "amounts" || command == "rank";
    if (options.given && !takesOptions) {
        return usage();
    }

    if (command == "list" && args.size() == 1) {
        print(names);
    } else if (command == "placeholder" && args.size() == 1) {
        print({placeholderPage(language)});
    } else if (command == "fruit" && args.size() == 2) {
        const int index = fruitIndex(args[1], names.size());
        if (index < 0) {
            return usage();
        }
        const auto row = static_cast<std::size_t>(index);
        const Fruit fruit(fruitLines[row], language);
        if (!options.given) {
            print(singleFruitReportLines(fruit));
        } else if (const auto amounts = amountsOf(row, fruitLines, measures, options, language)) {
            print(singleFruitReportLines(fruit, *amounts));
        } else {
            return 2;
        }
    } else if (command == "compare" && args.size() >= 3 && args.size() <= 10) {
        std::vector<Fruit> fruits;
        std::vector<AmountsOnBasis> amounts;
        std::set<int> seen;
        for (std::size_t i = 1; i < args.size(); ++i) {
            const int index = fruitIndex(args[i], names.size());
            if (index < 0 || !seen.insert(index).second) {
                return usage();
            }
            const auto row = static_cast<std::size_t>(index);
            fruits.emplace_back(fruitLines[row], language);
            const auto own = amountsOf(row, fruitLines, measures, options, language);
            if (!own) {
                return 2;
            }
            amounts.push_back(*own);
        }
        print(options.given ? comparisonReportLines(fruits, amounts)
                            : comparisonReportLines(fruits));
    } else if (command == "rank" && args.size() == 2) {
        const std::size_t column = amountColumn(args[1]);
        if (column == 0 || options.standardGiven || options.portionGiven) {
            return usage();
        }
        std::vector<AmountsOnBasis> amounts;
        for (std::size_t row = 0; options.given && row < names.size(); ++row) {
            amounts.push_back(*amountsOf(row, fruitLines, measures, options, language));
        }
        print(rankingPageLines(fruitLines, column, language, amounts));
    } else if (command == "portions" && args.size() == 2) {
        const int index = fruitIndex(args[1], names.size());
        if (index < 0) {
            return usage();
        }
        std::vector<std::string> lines;
        for (const HouseholdMeasure& measure : measures[static_cast<std::size_t>(index)]) {
            lines.push_back(localAmount(measure.amount, language) + "\t" + measure.name + "\t" +
                            localAmount(measure.gramsText, language));
        }
        print(lines);
    } else if (command == "amounts" && args.size() == 2) {
        const int index = fruitIndex(args[1], names.size());
        if (index < 0) {
            return usage();
        }
        const auto row = static_cast<std::size_t>(index);
        if (options.basis == Basis::PerPortion && measures[row].empty()) {
            return refuse("fruit " + args[1] + " has no household measure");
        }
        const auto amounts = amountsOf(row, fruitLines, measures, options, language);
        if (!amounts) {
            return 2;
        }
        if (amounts->weight.fellBack) {
            return refuse("fruit " + args[1] + " has no energy to take 100 kcal of");
        }
        std::vector<std::string> lines;
        for (std::size_t j = kFirstAmountColumn; j <= kLastAmountColumn; ++j) {
            const auto& amount = amounts->amounts[j];
            const auto& percent = amounts->percents[j];
            lines.push_back(std::to_string(j) + "\t" +
                            (amount ? localAmount(scaledAmountText(*amount), language) : "") +
                            "\t" + (percent ? percentText(*percent) : ""));
        }
        print(lines);
    } else {
        return usage();
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
