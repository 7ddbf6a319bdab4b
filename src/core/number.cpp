#include "core/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace orvandel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Scans a number at the start of `text` (after leading spaces) and returns how
// many characters it spans, 0 when there is none.
std::size_t scanNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  return digits == 0 ? 0 : i;
}

// Converts a scanned number: spaces, sign, digits and a decimal mark of either
// kind. Values beyond the range of double saturate rather than fail.
double convert(std::string_view scanned) {
  std::string plain;
  plain.reserve(scanned.size());
  bool negative = false;
  for (char c : scanned) {
    if (c == ' ' || c == '+') continue;
    if (c == '-')
      negative = true;
    else
      plain.push_back(c == ',' ? '.' : c);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Too large saturates; too small (nothing but zeros before the long
    // decimal part) is as good as 0.
    const std::string_view whole(plain.data(), std::min(plain.find('.'), plain.size()));
    const bool large = whole.find_first_not_of('0') != std::string_view::npos;
    value = large ? std::numeric_limits<double>::max() : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<double> readStrict(std::string_view text) {
  const std::size_t length = scanNumber(text);
  if (length == 0) return std::nullopt;
  std::size_t rest = length;
  while (rest < text.size() && text[rest] == ' ') ++rest;
  if (rest != text.size()) return std::nullopt;
  return convert(text.substr(0, length));
}

double readLenient(std::string_view text) {
  const std::size_t length = scanNumber(text);
  return length == 0 ? 0.0 : convert(text.substr(0, length));
}

std::optional<double> readRounded(std::string_view text) {
  const auto value = readStrict(text);
  if (!value) return std::nullopt;
  return std::round(*value);
}

double numberIn(std::string_view text) { return readStrict(text).value_or(0.0); }

long long wholeIn(std::string_view text) {
  // Fields read this way hold small numbers; the clamp only keeps the
  // conversion defined for any text.
  constexpr double kLimit = 1e15;
  return static_cast<long long>(std::floor(std::clamp(numberIn(text), -kLimit, kLimit)));
}

std::string writeWhole(double value) {
  const double whole = std::floor(value);
  if (whole == 0 || !std::isfinite(whole)) return "0";
  char buffer[400];
  // Every number the rules write is small; only absurd typed text gets here
  // with a value beyond what an integer holds.
  if (std::abs(whole) < 1e18) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(whole)).ptr;
    return std::string(buffer, end);
  }
  std::snprintf(buffer, sizeof buffer, "%.0f", whole);
  return buffer;
}

}  // namespace orvandel
