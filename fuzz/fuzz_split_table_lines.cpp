// splitTableLines on any bytes: no line holds a line break or NUL, the lines joined with LF give
// the text up to its first NUL with every break written as LF, and fruitListNames names every line
// but the last.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/fruit_table.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = splitTableLines(text);

    text = text.substr(0, text.find('\0'));
    std::string expected;
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            expected += '\n';
            ++breaks;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            expected += text[i];
        }
    }
    const bool endsWithBreak = !expected.empty() && expected.back() == '\n';
    if (endsWithBreak) {
        expected.pop_back();
    }
    FUZZ_CHECK(lines.size() == breaks + (text.empty() || endsWithBreak ? 0 : 1));

    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_CHECK(lines[i].find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
        if (i > 0) {
            joined += '\n';
        }
        joined += lines[i];
    }
    FUZZ_CHECK(joined == expected);

    const std::vector<std::string> names = fruitListNames(lines);
    FUZZ_CHECK(names.size() == (lines.size() < 2 ? 0 : lines.size() - 1));
    for (std::size_t i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(names[i] == displayNameOf(lines[i]));
    }
    return 0;
}
