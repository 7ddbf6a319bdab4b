#include "core/folded_text.h"

#include <array>
#include <cctype>

namespace orvandel {
namespace {

// The Latin-1 letters from U+00C0 to U+00FF as a search compares them:
// lower case, without their accents (× and ÷ are no letters).
constexpr std::array<std::string_view, 64> kLatin1Folded = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // À-Ï
    "d", "n", "o", "o", "o", "o", "o",  "×", "o", "u", "u", "u", "u", "y", "th", "ss",  // Ð-ß
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // à-ï
    "d", "n", "o", "o", "o", "o", "o",  "÷", "o", "u", "u", "u", "u", "y", "th", "y",   // ð-ÿ
};

}  // namespace

std::string folded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
    // The code point of a two-byte sequence, or 0 for anything else.
    const unsigned point =
        (lead & 0xE0U) == 0xC0 && (next & 0xC0U) == 0x80 ? ((lead & 0x1FU) << 6) | (next & 0x3FU) : 0;
    if (lead < 0x80) {
      out += static_cast<char>(std::tolower(lead));
    } else if (point >= 0xC0 && point <= 0xFF) {
      out += kLatin1Folded[point - 0xC0];
      ++i;
    } else if (point == 0x152 || point == 0x153) {  // Œ œ
      out += "oe";
      ++i;
    } else if (point == 0x178) {  // Ÿ
      out += 'y';
      ++i;
    } else {
      out += static_cast<char>(lead);
    }
  }
  return out;
}

}  // namespace orvandel
