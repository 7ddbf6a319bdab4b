#include "core/excerpt.h"

namespace orvandel {

std::string excerpt(std::string_view text) {
  constexpr std::size_t kLongest = 32;
  std::string out = "\"";
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    // Stop only before the first byte of a UTF-8 character.
    if (i >= kLongest && (c & 0xC0) != 0x80) break;
    out += c < 0x20 || c == 0x7F ? '?' : text[i];
  }
  out += i < text.size() ? "...\"" : "\"";
  return out;
}

}  // namespace orvandel
