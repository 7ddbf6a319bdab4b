// Numbers held as text. Every sheet field holds the text the window shows; a
// rule reads a field as a number in one of three ways and writes whole
// numbers back in plain decimal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvandel {

// Strict: the whole text is a number: optional spaces, optional sign, digits
// with an optional decimal part whose mark is "." or ",", optional spaces; at
// least one digit in all. "12", "-3", "12,5", " 7 " are numbers; "", "abc",
// "1e3", "0x10", "inf" are not.
std::optional<double> readStrict(std::string_view text);

// Lenient: the longest leading part that forms a number (leading spaces
// allowed); a text with none reads as 0. "12abc" reads 12, "" reads 0.
double readLenient(std::string_view text);

// Rounded: strict, then rounded to the nearest whole number (halves away
// from zero).
std::optional<double> readRounded(std::string_view text);

// The number in a field that the rules know holds one: earlier stages wrote
// it, or the typed entry checked it before the run began. Reads 0 otherwise.
double numberIn(std::string_view text);

// floor(numberIn(text)): the whole part the rules take of a field.
long long wholeIn(std::string_view text);

// The plain decimal text of the whole part (floor) of `value`: an optional
// "-" and digits, no "+", no leading zeros, never "-0".
std::string writeWhole(double value);

}  // namespace orvandel
