// quorvel-core-bench: how long the core takes to build a record, write a single-fruit page and
// write the nine-fruit comparison page, each next to its floor: copying the same number of bytes in
// memory as one block, and (for the pages) copying the page's own lines into a fresh list.
//
// Prints the median and range over several rounds; each round repeats the operation enough times to
// take a few milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/fruit.h"
#include "data/fruit_table.h"
#include "reports/single_fruit_report.h"
#include "reports/comparison_report.h"

namespace {

using Clock = std::chrono::steady_clock;

volatile std::size_t g_sink = 0;  // keeps the optimiser from dropping the work

struct Figures {
    double median = 0;
    double low = 0;
    double high = 0;
};

// Nanoseconds per call of op, over `rounds` rounds of `reps` calls.
Figures measure(const std::function<void()>& op, int reps, int rounds = 15) {
    std::vector<double> perCall;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        for (int i = 0; i < reps; ++i) {
            op();
        }
        const std::chrono::duration<double, std::nano> took = Clock::now() - start;
        perCall.push_back(took.count() / reps);
    }
    std::sort(perCall.begin(), perCall.end());
    return {perCall[perCall.size() / 2], perCall.front(), perCall.back()};
}

std::size_t bytes(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& line : lines) {
        total += line.size() + 2;  // each line travels with CR LF
    }
    return total;
}

// Copying `bytes` bytes from one buffer into a fresh one: the least any writer of them has to do.
Figures copyFloor(std::size_t bytes, int reps) {
    const std::string source(bytes, 'x');
    return measure(
        [&] {
            std::unique_ptr<char[]> target(new char[bytes]);
            std::memcpy(target.get(), source.data(), bytes);
            g_sink = g_sink + static_cast<std::size_t>(target[bytes / 2]);
        },
        reps);
}

// Copying the page itself, line by line, into a fresh list: the same bytes in the same shape.
Figures linesFloor(const std::vector<std::string>& lines, int reps) {
    return measure(
        [&] {
            std::vector<std::string> copy(lines);
            g_sink = g_sink + copy.size();
        },
        reps);
}

void report(const char* what, std::size_t bytes, const Figures& op, const Figures& floor) {
    std::printf("%-34s %6zu B %8.2f us [%6.2f-%6.2f]   floor %6.2f us [%5.2f-%5.2f]   %6.1fx\n",
                what, bytes, op.median / 1000, op.low / 1000, op.high / 1000, floor.median / 1000,
                floor.low / 1000, floor.high / 1000, op.median / floor.median);
}

}  // namespace

int main() {
    std::printf("%-34s %8s %25s   %-27s %7s\n", "operation", "bytes", "median [range] per call",
                "floor: median [range]", "ratio");
    std::vector<std::string> table;
    loadFruitTable(table);

    const std::string& line = table[0];
    const Figures build = measure([&] { g_sink = g_sink + Fruit(line).fields().size(); }, 2000);
    report("build a record (line 0)", line.size(), build, copyFloor(line.size(), 2000));

    std::vector<std::string> page;
    const Figures single = measure(
        [&] {
            Fruit fruit(table[144]);
            page = singleFruitReportLines(fruit);
            g_sink = g_sink + page.size();
        },
        500);
    report("single-fruit page", bytes(page), single, copyFloor(bytes(page), 500));
    report("  against copying its lines", bytes(page), single, linesFloor(page, 500));

    std::vector<Fruit> nine;
    for (std::size_t i : {0, 13, 27, 54, 68, 82, 110, 123, 144}) {
        nine.emplace_back(table[i]);
    }
    std::vector<std::string> comparison;
    const Figures compare = measure(
        [&] {
            comparison = comparisonReportLines(nine);
            g_sink = g_sink + comparison.size();
        },
        200);
    report("nine-fruit comparison page", bytes(comparison), compare,
           copyFloor(bytes(comparison), 200));
    report("  against copying its lines", bytes(comparison), compare, linesFloor(comparison, 200));
    return 0;
}
