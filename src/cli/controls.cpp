#include "cli/controls.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"
#include "layout/layout.h"

namespace orvandel {
namespace {

// The captions the window sets beside a single field, by the layout name of
// each caption row: a row heading and, where there is one, a column heading.
struct FieldCaptions {
  const char* field;
  const char* row;
  const char* column = nullptr;
};

constexpr auto kFieldCaptions = std::to_array<FieldCaptions>({
    {"nationalite", "Label3", "Label25"},
    {"nationalite_nom", "Label3"},
    {"profession", "Label4", "Label35"},
    {"profession_nom", "Label4"},
    {"age", "Label5"},
    {"pv", "Label2"},
    {"blessure_majeure", "Label36"},
    {"san", "Label6"},
    {"sft", "Label7"},
    {"bonus_attaque", "Label27"},
    {"bonus_parade", "Label28"},
    {"bonus_dommages", "Label37"},
    {"equipement", "Label38"},
    {"des_comp", "Label39"},
});

// The three columns of the characteristic rows (roll, racial modifier,
// total) have headings of their own.
constexpr const char* kRollColumn = "Label8";
constexpr const char* kRaceColumn = "Label23";
constexpr const char* kTotalColumn = "Label24";

// Weapon rows: the column headings of the name, attack and parry values.
constexpr const char* kWeaponNameColumn = "Label26";
constexpr const char* kAttackColumn = "Label27";
constexpr const char* kParryColumn = "Label28";

// The one field the window shows without any caption.
constexpr const char* kSorcierShows = "rang de sorcier (sans libellé)";

const ControlRow* layoutRow(std::string_view name) {
  const auto& rows = characterWindowLayout();
  const auto found =
      std::find_if(rows.begin(), rows.end(), [&](const ControlRow& r) { return r.name == name; });
  return found == rows.end() ? nullptr : &*found;
}

std::string caption(const char* labelName) {
  const ControlRow* row = layoutRow(labelName);
  return row ? row->caption : std::string();
}

std::string joined(const std::string& row, const std::string& column) {
  return column.empty() ? row : row + " — " + column;
}

std::string characteristicShows(std::string_view name) {
  for (std::size_t k = 0; k < kCharacteristics.size(); ++k) {
    const std::string base = kCharacteristics[k].name;
    const std::string row = kCharacteristics[k].caption;
    if (name == base) return joined(row, caption(kRollColumn));
    if (name == base + "_race") return joined(row, caption(kRaceColumn));
    if (name == base + "_tot") return joined(row, caption(kTotalColumn));
  }
  return {};
}

std::string singleFieldShows(std::string_view name) {
  if (name == "sorcier") return kSorcierShows;
  for (const auto& f : kFieldCaptions)
    if (name == f.field) return joined(caption(f.row), f.column ? caption(f.column) : std::string());
  for (const auto& category : kSkillCategories)
    if (category.bonus && name == fieldName(category.bonus)) return category.heading;
  return characteristicShows(name);
}

// The field that selector des_ok(`selector`) rolls anew.
std::string_view rerolledField(int selector) {
  if (selector == kDesCompSelector) return "des_comp";
  for (const auto& blue : kBlueBoxes)
    if (blue.selector == selector) return blue.name;
  return {};
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
  if (base == "arme_nom") return {weapon(i, caption(kWeaponNameColumn)), kBlankWeaponName};
  if (base == "arme_deg") return {weapon(i, "dommages"), kBlankWeaponDamage};
  if (base == "arme_att") return {weapon(i, caption(kAttackColumn)), ""};
  if (base == "arme_par") return {weapon(i, caption(kParryColumn)), ""};
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
  if (!split->index) return singleFieldShows(name);
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
