// formatNumber on any double: the text has the general form with at most 15 significant digits,
// holds the same digits as the C library's rounding, and parses back to the same 15 digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/numbers.h"
#include "fuzz/fuzz_check.h"

namespace {

// The significant digits of the number rounded to 15, without trailing zeros, and the decimal
// exponent, as printf in the C locale writes them.
void referenceDigits(double number, std::string& digits, int& exponent) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(number));
    const char* e = std::strchr(buffer, 'e');
    digits.clear();
    for (const char* p = buffer; p != e; ++p) {
        if (*p != '.') {
            digits += *p;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    exponent = std::atoi(e + 1);
}

// Splits a text of formatNumber back into its digits (leading and trailing zeros dropped) and the
// decimal exponent of its first significant digit.
bool splitFormatted(const std::string& text, std::string& digits, int& exponent) {
    std::size_t pos = text[0] == '-' ? 1 : 0;
    std::string mantissa;
    int writtenExponent = 0;
    const std::size_t ePos = text.find('E');
    if (ePos != std::string::npos) {
        mantissa = text.substr(pos, ePos - pos);
        const std::string exp = text.substr(ePos + 1);
        if (exp.empty() || exp == "-" || exp.find('+') != std::string::npos) {
            return false;
        }
        writtenExponent = std::atoi(exp.c_str());
        // The exponent form keeps one digit before the point.
        if (mantissa.empty() || mantissa[0] == '0' ||
            (mantissa.size() > 1 && (mantissa[1] != '.' || mantissa.size() == 2))) {
            return false;
        }
    } else {
        mantissa = text.substr(pos);
    }
    int pointAt = static_cast<int>(mantissa.size());
    digits.clear();
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        const char c = mantissa[i];
        if (c == '.') {
            if (pointAt != static_cast<int>(mantissa.size())) {
                return false;
            }
            pointAt = static_cast<int>(i);
        } else if (c >= '0' && c <= '9') {
            digits += c;
        } else {
            return false;
        }
    }
    // No trailing point and no trailing zero after a point.
    if (pointAt != static_cast<int>(mantissa.size()) &&
        (mantissa.back() == '.' || mantissa.back() == '0')) {
        return false;
    }
    std::size_t lead = 0;
    while (lead + 1 < digits.size() && digits[lead] == '0') {
        ++lead;
    }
    exponent = pointAt - 1 - static_cast<int>(lead) + writtenExponent;
    digits.erase(0, lead);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double number = 0.0;
    if (size < sizeof number) {
        return 0;
    }
    std::memcpy(&number, data, sizeof number);
    const std::string text = formatNumber(number);
    if (std::isnan(number)) {
        FUZZ_CHECK(text == "NAN");
        return 0;
    }
    if (std::isinf(number)) {
        FUZZ_CHECK(text == (number < 0 ? "-INF" : "INF"));
        return 0;
    }
    if (number == 0.0) {
        FUZZ_CHECK(text == "0");
        return 0;
    }
    FUZZ_CHECK((text[0] == '-') == std::signbit(number));

    std::string digits;
    int exponent = 0;
    FUZZ_CHECK(splitFormatted(text, digits, exponent));
    FUZZ_CHECK(digits.size() <= 15);
    std::string expectedDigits;
    int expectedExponent = 0;
    referenceDigits(number, expectedDigits, expectedExponent);
    FUZZ_CHECK(digits == expectedDigits);
    FUZZ_CHECK(exponent == expectedExponent);
    // Plain digits exactly from 1E-4 up to below 1E15, the exponent form elsewhere.
    FUZZ_CHECK((text.find('E') == std::string::npos) == (exponent >= -4 && exponent <= 14));

    // The text parses back to the same 15 digits.
    const auto parsed = parseNumber(text);
    if (!parsed) {
        // Only the largest doubles round up past the range of double at 15 digits.
        FUZZ_CHECK(std::fabs(number) >= 1.797693134862315e308);
        return 0;
    }
    FUZZ_CHECK(formatNumber(*parsed) == text);
    FUZZ_CHECK(std::fabs(*parsed - number) <= std::fabs(number) * 1e-14);
    return 0;
}
