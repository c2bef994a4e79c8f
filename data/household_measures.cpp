#include "data/household_measures.h"

#include <optional>
#include <stdexcept>

#include "data/fruit_table.h"
#include "data/numbers.h"
#include "data/resource_text.h"
#include "data/split_by_delimiter.h"

namespace {

// A whole number of at most four digits ("0" to "9999"), or nothing.
std::optional<std::size_t> smallNumber(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::stoul(text));
}

}  // namespace

MeasureTable parseMeasureTable(std::string_view text, std::size_t fruitCount) {
    MeasureTable table(fruitCount);
    const std::vector<std::string> lines = splitTableLines(text);
    std::size_t previousFruit = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::vector<std::string> fields;
        splitByDelimiter(fields, lines[n], ";");
        const auto fail = [n](const std::string& what) {
            throw std::invalid_argument("Measure table line " + std::to_string(n + 1) + ": " +
                                        what);
        };
        if (fields.size() != 5) {
            fail(std::to_string(fields.size()) + " fields instead of 5");
        }
        const auto fruit = smallNumber(fields[0]);
        const auto order = smallNumber(fields[1]);
        if (!fruit || *fruit >= fruitCount || *fruit < previousFruit) {
            fail("no fruit line in table order");
        }
        if (!order || *order != table[*fruit].size() + 1) {
            fail("the measures of a fruit are not numbered 1, 2, 3, ...");
        }
        const auto amount = parseNumber(fields[2]);
        const auto grams = parseNumber(fields[4]);
        if (!amount || !(*amount > 0) || !grams || !(*grams > 0) || fields[3].empty()) {
            fail("a measure needs a positive amount, a name and a positive weight");
        }
        previousFruit = *fruit;
        table[*fruit].push_back({fields[2], fields[3], fields[4], *grams});
    }
    return table;
}

MeasureTable loadMeasureTable(Language language, std::size_t fruitCount) {
    const char* name = language == Language::Spanish ? "esmeasures" : "enmeasures";
    return parseMeasureTable(loadResourceText(name, "text"), fruitCount);
}
