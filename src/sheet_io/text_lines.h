// Plain text laid out for a terminal or a page of 80 columns: widths
// counted in characters, long values wrapped under their label.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvandel {

// A terminal's width and a page's: no line of a text form is wider.
inline constexpr std::size_t kTextColumns = 80;

// Width in characters of UTF-8 text, for alignment.
std::size_t textWidth(std::string_view text);

std::string padded(std::string_view text, std::size_t columns);
std::string rightAligned(std::string_view text, std::size_t columns);
std::string_view trimmedLeft(std::string_view text);

// Appends `text` as lines of at most `columns` columns: each broken at
// the last space that fits after the first `indent` columns (a word longer
// than a line is cut), and every following line indented by `indent`
// spaces, so that a long value reads as one block under its label. A line
// break typed into a value starts an indented line too. Text that fits is
// left as it is.
void appendWrapped(std::string& out, std::string_view text, std::size_t indent,
                   std::size_t columns = kTextColumns);

}  // namespace orvandel
