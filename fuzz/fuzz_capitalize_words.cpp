// capitalizeWords, lowerCaseWin1252 and displayNameOf on any bytes: lengths stay, only the
// described bytes change, and applying a rule twice changes nothing more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/capitalize_words.h"
#include "data/fruit_table.h"
#include "data/win1252_lower.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string capitalized = capitalizeWords(text);
    FUZZ_CHECK(capitalized.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool wordStart = i == 0 || text[i - 1] == ' ';
        if (wordStart && c >= 'a' && c <= 'z') {
            FUZZ_CHECK(capitalized[i] == c - 'a' + 'A');
        } else {
            FUZZ_CHECK(capitalized[i] == c);
        }
    }
    FUZZ_CHECK(capitalizeWords(capitalized) == capitalized);

    const std::string lower = lowerCaseWin1252(text);
    FUZZ_CHECK(lower.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto l = static_cast<unsigned char>(lower[i]);
        // A byte either stays or moves to its small letter, which is never a capital itself.
        FUZZ_CHECK(l == c || l == c + 0x20 || l == c + 0x10 || (c == 0x9F && l == 0xFF));
        FUZZ_CHECK(!(l >= 'A' && l <= 'Z'));
    }
    FUZZ_CHECK(lowerCaseWin1252(lower) == lower);

    const std::string name = displayNameOf(text);
    const std::size_t semicolon = text.find(';');
    FUZZ_CHECK(name.size() == (semicolon == std::string_view::npos ? text.size() : semicolon));
    FUZZ_CHECK(name.find(';') == std::string::npos);
    FUZZ_CHECK(name == capitalizeWords(lowerCaseWin1252(name)));
    return 0;
}
