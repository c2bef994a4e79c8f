#include "data/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a syntactically valid number that from_chars could not represent is too large (a failure)
// rather than too small (which reads as zero). Decides by the position of its first significant
// digit.
bool overflows(std::string_view mantissa, long exponent) {
    long pointPos = static_cast<long>(mantissa.find('.'));
    if (pointPos == static_cast<long>(std::string_view::npos)) {
        pointPos = static_cast<long>(mantissa.size());
    }
    for (long i = 0; i < static_cast<long>(mantissa.size()); ++i) {
        const char c = mantissa[static_cast<std::size_t>(i)];
        if (isDigit(c) && c != '0') {
            const long magnitude = (i < pointPos ? pointPos - i - 1 : pointPos - i) + exponent;
            return magnitude > 0;
        }
    }
    return false;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == ' ') {
        --end;
    }
    std::string_view body = text.substr(begin, end - begin);
    bool negative = false;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        negative = body[0] == '-';
        body.remove_prefix(1);
    }
    // Mantissa: digits with at most one point, at least one digit.
    std::size_t pos = 0;
    int digits = 0;
    int points = 0;
    while (pos < body.size() && (isDigit(body[pos]) || body[pos] == '.')) {
        if (body[pos] == '.') {
            ++points;
        } else {
            ++digits;
        }
        ++pos;
    }
    if (digits == 0 || points > 1) {
        return std::nullopt;
    }
    const std::string_view mantissa = body.substr(0, pos);
    long exponent = 0;
    if (pos < body.size()) {
        if (body[pos] != 'e' && body[pos] != 'E') {
            return std::nullopt;
        }
        ++pos;
        bool negativeExponent = false;
        if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) {
            negativeExponent = body[pos] == '-';
            ++pos;
        }
        const std::size_t expBegin = pos;
        // The exponent saturates past the length of the text plus the range of double: a digit's
        // position cannot make up for more, so Overflows still sees the right side of the range.
        const long exponentCap = static_cast<long>(body.size()) + 400;
        while (pos < body.size() && isDigit(body[pos])) {
            if (exponent <= exponentCap) {
                exponent = exponent * 10 + (body[pos] - '0');
            }
            ++pos;
        }
        if (pos == expBegin || pos != body.size()) {
            return std::nullopt;
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    // from_chars takes no leading "+" and reads the same grammar, independent of the locale.
    double value = 0.0;
    const auto result =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (overflows(mantissa, exponent)) {
            return std::nullopt;
        }
        value = 0.0;
    } else if (result.ec != std::errc() || result.ptr != body.data() + body.size() ||
               !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string formatNumber(double number) {
    if (std::isnan(number)) {
        return "NAN";
    }
    if (std::isinf(number)) {
        return number < 0 ? "-INF" : "INF";
    }
    if (number == 0.0) {
        return "0";
    }
    // Round to 15 significant digits: "d.dddddddddddddde[+-]xx".
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific, 14);
    const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t ePos = sci.find('e');
    std::string_view mantissa = sci.substr(0, ePos);
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    std::string out;
    if (mantissa.front() == '-') {
        out += '-';
        mantissa.remove_prefix(1);
    }
    std::string digits;
    for (const char c : mantissa) {
        if (c != '.') {
            digits += c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int count = static_cast<int>(digits.size());
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else if (count > exponent + 1) {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;  // digits before "."
            out += digits.substr(0, whole);
            out += '.';
            out += digits.substr(whole);
        } else {
            out += digits;
            out.append(static_cast<std::size_t>(exponent + 1 - count), '0');
        }
        return out;
    }
    out += digits[0];
    if (count > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += 'E';
    if (exponent < 0) {
        out += '-';
    }
    out += std::to_string(std::abs(exponent));
    return out;
}
