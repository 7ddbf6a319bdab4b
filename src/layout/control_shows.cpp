#include "layout/control_shows.h"

#include <algorithm>

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

}  // namespace

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

std::string controlShows(std::string_view name) {
  const auto split = splitControlName(name);
  if (!split) return {};
  if (!split->index) return labelledShows(name);
  return slotShows(split->base, *split->index).first;
}

}  // namespace orvandel
