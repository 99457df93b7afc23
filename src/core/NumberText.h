#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavoclip {

// The one way the program turns text into numbers, shared by progress
// tracking, the settings files and the options dialog. "." is always the
// decimal point, whatever the user's locale.

// The number at the start of text: leading spaces are skipped, an optional
// sign, digits, an optional fraction and exponent; reading stops at the first
// character that cannot continue the number. No number at all gives 0.
double LeadingNumber(std::string_view text);

// The whole text as one number (surrounding spaces allowed); nullopt when any
// other character is present or there is no number at all.
std::optional<double> ParseNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Rounds half to even and checks the range of the target width; nullopt when
// the rounded value does not fit (or is not finite).
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);

// value rounded to the given number of significant decimal digits.
double RoundToSignificantDigits(double value, int digits);

}  // namespace tavoclip
