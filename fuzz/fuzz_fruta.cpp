// Fruit built from any table line, the way the comparison set builds it: a line of fewer than 33
// fields raises ListIndexError with its field count and leaves the set empty; any other gives a
// record whose amounts are all positive numbers and whose report page and comparison page have
// their fixed number of lines.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "compare/comparison_set.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "data/numbers.h"
#include "data/split_by_delimiter.h"
#include "fuzz/fuzz_check.h"
#include "reports/single_fruit_report.h"
#include "reports/comparison_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    splitByDelimiter(fields, line, ";");

    ComparisonSet set;
    const Fruit* fruit = nullptr;
    try {
        fruit = &set.append(0, line);
    } catch (const ListIndexError& error) {
        FUZZ_CHECK(fields.size() < kFieldCount);
        FUZZ_CHECK(std::string(error.what()) ==
                   "List index out of bounds (" + std::to_string(fields.size()) + ")");
        FUZZ_CHECK(set.count() == 0);
        return 0;
    }
    FUZZ_CHECK(fields.size() >= kFieldCount);
    FUZZ_CHECK(set.count() == 1);
    FUZZ_CHECK(fruit->fields().size() == fields.size());
    FUZZ_CHECK(fruit->fields()[0] == fields[0]);
    for (std::size_t i = 1; i < fruit->fields().size(); ++i) {
        const auto amount = parseNumber(fruit->fields()[i]);
        FUZZ_CHECK(amount && *amount > 0);
        // A field that was a positive number stays as it was.
        const auto original = parseNumber(fields[i]);
        if (original && *original > 0) {
            FUZZ_CHECK(fruit->fields()[i] == fields[i]);
        }
    }
    for (std::size_t j = 0; j < kFieldCount; ++j) {
        FUZZ_CHECK(fruit->tableEntries()[j].value == fruit->fields()[j]);
    }
    FUZZ_CHECK(fruit->displayName() == displayNameOf(fields[0]));
    FUZZ_CHECK(set.contains(0) && set.tableLines() == std::vector<std::size_t>{0});

    const auto milligrams = fruit->milligramAmounts();
    for (std::size_t i = 0; i < milligrams.size(); ++i) {
        // A thousandth of the microgram amount, to 15 digits; only amounts at the bottom of the
        // range of double may underflow to "0".
        const auto micrograms = parseNumber(fruit->displayEntries()[kMicrogramPositions[i]].value);
        const auto amount = parseNumber(milligrams[i]);
        FUZZ_CHECK(micrograms && amount && *amount >= 0);
        if (*micrograms >= 1000 * std::numeric_limits<double>::min()) {
            FUZZ_CHECK(std::fabs(*amount * 1000 - *micrograms) <= *micrograms * 1e-14);
        }
    }
    FUZZ_CHECK(fruit->milligramAmounts() == milligrams);

    std::vector<std::string> page = {"left over"};
    page = singleFruitReportLines(*fruit);
    FUZZ_CHECK(page.size() == 19);
    FUZZ_CHECK(comparisonReportLines(set.fruits()).size() == 44 + 62);

    FUZZ_CHECK(set.remove(0));
    FUZZ_CHECK(set.count() == 0);
    return 0;
}
