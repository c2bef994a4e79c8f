// splitByDelimiter on any text and delimiter: the pieces joined with the delimiter give the text
// back, no piece holds the delimiter, and the list holds nothing from before.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/split_by_delimiter.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte tells the length of the delimiter (0 to 7), which follows it; the rest is the
    // text.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t delimiterSize = std::min<std::size_t>(input[0] & 7, size - 1);
    const std::string_view delimiter = input.substr(1, delimiterSize);
    const std::string_view text = input.substr(1 + delimiterSize);

    std::vector<std::string> list = {"left", "over"};
    splitByDelimiter(list, text, delimiter);
    FUZZ_CHECK(!list.empty());
    if (delimiter.empty()) {
        FUZZ_CHECK(list.size() == 1 && list[0] == text);
        return 0;
    }
    std::string joined;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            joined += delimiter;
        }
        joined += list[i];
        // Every piece ends at the first delimiter after its start.
        FUZZ_CHECK(list[i].find(delimiter) == std::string::npos);
        if (i + 1 < list.size()) {
            FUZZ_CHECK((list[i] + std::string(delimiter)).find(delimiter) == list[i].size());
        }
    }
    FUZZ_CHECK(joined == text);
    // One piece more than the text holds delimiters, counted from the left without overlap.
    std::size_t count = 0;
    for (std::size_t at = text.find(delimiter); at != std::string_view::npos;
         at = text.find(delimiter, at + delimiter.size())) {
        ++count;
    }
    FUZZ_CHECK(list.size() == count + 1);
    return 0;
}
