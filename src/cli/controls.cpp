#include "cli/controls.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"
#include "layout/control_catalogue.h"
#include "layout/layout.h"

namespace orvandel {
namespace {

// The one field the window shows without any caption.
constexpr const char* kSorcierShows = "rang de sorcier (sans libellé)";

std::string joined(const std::string& row, const std::string& column) {
  if (row.empty()) return column;
  return column.empty() ? row : row + " — " + column;
}

// What a box shows, from the captions that label it on the sheet.
std::string labelledShows(std::string_view name) {
  if (name == "sorcier") return kSorcierShows;
  const ControlRow* row = layoutRow(name);
  if (!row) return {};
  return joined(layoutCaption(row->rowLabel), layoutCaption(row->columnLabel));
}

// The field that selector des_ok(`selector`) rolls anew.
std::string rerolledField(int selector) {
  const CatalogueEntry* entry = catalogueEntry(selectorName(selector));
  return entry ? entry->rerolls : std::string();
}

std::string weapon(int i, const std::string& what) { return "arme " + std::to_string(i) + " : " + what; }

bool isFreeSkillSlot(std::string_view skill) {
  return std::all_of(skill.begin(), skill.end(), [](char c) { return c == '.'; });
}

// What a numbered control shows, and its blank value.
std::pair<std::string, std::string> slotShows(std::string_view base, int i) {
  if (base == "comp" || base == "Text1") {
    const std::string skill(catalogueName(i));
    if (isFreeSkillSlot(skill))
      return {base == "comp" ? "compétence libre" : "valeur de la compétence libre",
              base == "comp" ? skill : ""};
    return {base == "comp" ? skill : "valeur : " + skill, ""};
  }
  const ControlRow* row = layoutRow(std::string(base) + "(" + std::to_string(i) + ")");
  const std::string column = row ? layoutCaption(row->columnLabel) : std::string();
  if (base == "arme_nom") return {weapon(i, column), kBlankWeaponName};
  if (base == "arme_deg") return {weapon(i, "dommages"), kBlankWeaponDamage};
  if (base == "arme_att" || base == "arme_par") return {weapon(i, column), ""};
  if (base == "des_ok") return {"relance : " + controlShows(rerolledField(i)), ""};
  return {};
}

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

std::string controlShows(std::string_view name) {
  const auto split = splitControlName(name);
  if (!split) return {};
  if (!split->index) return labelledShows(name);
  return slotShows(split->base, *split->index).first;
}

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
