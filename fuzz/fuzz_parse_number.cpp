// parseNumber on any text: it either fails or gives a finite value, and what it gives survives a
// round trip through formatNumber unchanged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/numbers.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = parseNumber(text);
    if (!value) {
        return 0;
    }
    FUZZ_CHECK(std::isfinite(*value));
    // Only the grammar's characters get a text accepted.
    for (const char c : text) {
        FUZZ_CHECK((c >= '0' && c <= '9') || c == '.' || c == ' ' || c == '+' || c == '-' ||
                   c == 'e' || c == 'E');
    }
    // A value is negative only when the text says so.
    if (*value < 0) {
        FUZZ_CHECK(text.find('-') != std::string_view::npos);
    }
    // Blanks around a number change nothing.
    FUZZ_CHECK(parseNumber(" " + std::string(text) + " ") == value);

    // Its 15-digit text reads back as a number with the same 15-digit text.
    const std::string formatted = formatNumber(*value);
    const auto again = parseNumber(formatted);
    if (!again) {
        // Only the largest doubles round up past the range of double at 15 digits.
        FUZZ_CHECK(std::fabs(*value) >= 1.797693134862315e308);
        return 0;
    }
    FUZZ_CHECK(formatNumber(*again) == formatted);
    return 0;
}
