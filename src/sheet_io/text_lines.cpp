#include "sheet_io/text_lines.h"

namespace orvandel {
namespace {

// The byte at which `text` reaches `columns` columns (its size if sooner).
std::size_t byteAtColumn(std::string_view text, std::size_t columns) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == columns) return i;
  return text.size();
}

}  // namespace

std::size_t textWidth(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string padded(std::string_view text, std::size_t columns) {
  std::string out(text);
  for (std::size_t w = textWidth(text); w < columns; ++w) out += ' ';
  return out;
}

std::string rightAligned(std::string_view text, std::size_t columns) {
  std::string out;
  for (std::size_t w = textWidth(text); w < columns; ++w) out += ' ';
  return out.append(text);
}

std::string_view trimmedLeft(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

void appendWrapped(std::string& out, std::string_view text, std::size_t indent, std::size_t columns) {
  const std::string margin(indent, ' ');
  bool first = true;
  while (true) {
    const std::string_view prefix = first ? std::string_view() : std::string_view(margin);
    const auto newline = text.find('\n');
    std::string_view rest = text.substr(0, newline);
    const std::size_t room = columns - prefix.size();
    if (textWidth(rest) > room) {
      const std::size_t cut = byteAtColumn(rest, room);
      const std::size_t from = first ? byteAtColumn(rest, indent) : 0;
      const auto space = rest.substr(0, cut + 1).rfind(' ');
      const std::size_t end = space != std::string_view::npos && space > from ? space : cut;
      // A line broken between two spaces keeps neither at its end.
      const std::string_view piece = rest.substr(0, end);
      out.append(prefix).append(piece.substr(0, piece.find_last_not_of(' ') + 1)).append("\n");
      text = trimmedLeft(text.substr(end));
      first = false;
      continue;
    }
    out.append(prefix).append(rest).append("\n");
    if (newline == std::string_view::npos) return;
    text = trimmedLeft(text.substr(newline + 1));
    first = false;
  }
}

}  // namespace orvandel
