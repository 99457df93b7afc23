#include "NumberText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace tavoclip {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of text that forms a decimal number, or 0.
std::size_t NumberPrefixLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) i = j;
    }
    return i;
}

std::size_t SkipSpaces(std::string_view text, std::size_t from)
{
    while (from < text.size() && (text[from] == ' ' || text[from] == '\t')) ++from;
    return from;
}

// strtod reads "." as the decimal point only in the C locale, which is what a
// plain C++ program runs in; copying bounds the read to the prefix we found.
double ToDouble(std::string_view digits)
{
    return std::strtod(std::string(digits).c_str(), nullptr);
}

template <typename Int>
std::optional<Int> ToInteger(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace

double LeadingNumber(std::string_view text)
{
    const std::size_t start = SkipSpaces(text, 0);
    const std::size_t length = NumberPrefixLength(text.substr(start));
    return length == 0 ? 0.0 : ToDouble(text.substr(start, length));
}

std::optional<double> ParseNumber(std::string_view text)
{
    const std::size_t start = SkipSpaces(text, 0);
    const std::size_t length = NumberPrefixLength(text.substr(start));
    if (length == 0) return std::nullopt;
    if (SkipSpaces(text, start + length) != text.size()) return std::nullopt;
    return ToDouble(text.substr(start, length));
}

double RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest,
    // ties-to-even unless someone changed it; this program never does.
    return std::nearbyint(value);
}

std::optional<std::int16_t> ToInt16(double value) { return ToInteger<std::int16_t>(value); }
std::optional<std::int32_t> ToInt32(double value) { return ToInteger<std::int32_t>(value); }

double RoundToSignificantDigits(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value)) return value;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    return std::strtod(buffer, nullptr);
}

}  // namespace tavoclip
