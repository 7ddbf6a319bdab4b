#include "cli/controls.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "core/sheet_fields.h"
#include "layout/control_shows.h"
#include "layout/layout.h"

namespace orvandel {
namespace {

std::string kindOf(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::Selector:
      return "case à cocher";
    case ControlKind::Field:
    case ControlKind::MultiLine:
      return row.look.editable ? "saisie" : "affiché";
    default:
      return "libellé";
  }
}

// Column widths of the text listing: the longest name and kind, and a space.
constexpr std::size_t kNameColumns = 21;
constexpr std::size_t kKindColumns = 15;

// `text` followed by spaces up to `columns` characters of UTF-8.
std::string padded(std::string_view text, std::size_t columns) {
  std::string out(text);
  const auto width = static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  if (width < columns) out.append(columns - width, ' ');
  return out;
}

ControlEntry entry(const std::string& name) {
  ControlEntry e{name, "", controlShows(name), ""};
  if (const ControlRow* row = layoutRow(name)) e.kind = kindOf(*row);
  const auto split = splitControlName(name);
  if (split && split->index) e.blank = slotShows(split->base, *split->index).second;
  return e;
}

}  // namespace

const std::vector<ControlEntry>& controlListing() {
  static const std::vector<ControlEntry> entries = [] {
    std::vector<ControlEntry> all;
    for (const auto& name : controlNames()) all.push_back(entry(name));
    return all;
  }();
  return entries;
}

std::string controlsToText() {
  std::string out =
      padded("Contrôle", kNameColumns) + padded("Genre", kKindColumns) + "Ce que la fiche montre\n";
  for (const auto& e : controlListing()) {
    out += padded(e.name, kNameColumns) + padded(e.kind, kKindColumns) + e.shows;
    if (!e.blank.empty()) out += " (vide : " + e.blank + ")";
    out += '\n';
  }
  return out;
}

std::string controlsToJson() {
  std::string out = "[\n";
  const auto& all = controlListing();
  for (std::size_t n = 0; n < all.size(); ++n) {
    nlohmann::ordered_json row{{"nom", all[n].name}, {"genre", all[n].kind}, {"montre", all[n].shows}};
    if (!all[n].blank.empty()) row["vide"] = all[n].blank;
    out += "  " + row.dump() + (n + 1 < all.size() ? ",\n" : "\n");
  }
  return out + "]\n";
}

}  // namespace orvandel
