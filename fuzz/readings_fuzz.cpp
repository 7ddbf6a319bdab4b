// The three number readings against a plain reference: a character-by-
// character scan of the accepted syntax, then strtod on a normalised copy.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/number.h"

namespace {

// The longest leading number (after spaces): sign, digits, one decimal mark
// ("." or ","), digits; at least one digit. Returns its length, 0 if none.
std::size_t referenceScan(const std::string& text) {
  std::size_t i = 0, digits = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  return digits ? i : 0;
}

double referenceValue(const std::string& number) {
  std::string plain;
  for (char c : number)
    if (c != ' ') plain += c == ',' ? '.' : c;
  return std::strtod(plain.c_str(), nullptr);
}

bool same(double a, double b) {
  if (std::isinf(b)) return std::abs(a) > 1e307 && std::signbit(a) == std::signbit(b);
  return a == b || std::abs(a - b) <= 1e-12 * std::abs(b);
}

[[noreturn]] void fail(const char* reading, const std::string& text) {
  std::fprintf(stderr, "%s reading disagrees on \"%s\"\n", reading, text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t length = referenceScan(text);
  const bool whole = length > 0 && text.find_first_not_of(' ', length) == std::string::npos;
  const double value = length ? referenceValue(text.substr(0, length)) : 0.0;

  const auto strict = orvandel::readStrict(text);
  if (strict.has_value() != whole || (whole && !same(*strict, value))) fail("strict", text);
  if (!same(orvandel::readLenient(text), value)) fail("lenient", text);
  const auto rounded = orvandel::readRounded(text);
  if (rounded.has_value() != whole || (whole && !same(*rounded, std::round(value)))) fail("rounded", text);

  if (strict && std::abs(*strict) < 1e15) {
    const std::string written = orvandel::writeWhole(*strict);
    if (orvandel::readStrict(written) != std::floor(*strict)) fail("written", text);
  }
  return 0;
}
