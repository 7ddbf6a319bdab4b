// The game master's page: each character as a compact block with what a GM
// reads at the table, several blocks to an A4 page. The full sheet stays
// one a page; this is the page that lies beside the adventure.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/sheet.h"

namespace orvandel {

// A character and the name the GM gave it.
struct NamedSheet {
  std::string_view name;
  const Personnage& sheet;
};

// How many blocks an A4 page of the GM page holds.
inline constexpr int kBlocksPerPage = 4;

// One character's block as plain text, no line over 80 columns: name,
// profession, nationality and age; the seven totals; PV, Blessure Majeure,
// SAN and the damage bonus; the eight category bonuses; the weapons with
// attack, parry and damage; the skills above their base values; sorcery
// and its abilities; the equipment.
std::string gmBlockText(const NamedSheet& character);

// The blocks one after another, a blank line between them and a form feed
// after every kBlocksPerPage, for `orvandel-cli --format pnj`.
std::string gmPageText(std::span<const NamedSheet> characters);

// The same blocks as one HTML document for print: the window lays it out
// with Qt's rich text, the browser page with its print style.
std::string gmPageHtml(std::span<const NamedSheet> characters);

}  // namespace orvandel
