#include "layout/spoken_names.h"

#include <array>
#include <utility>

#include "core/sheet_fields.h"
#include "generation/skills.h"
#include "layout/control_catalogue.h"

namespace orvandel {
namespace {

// What tells a box apart from the other boxes under the same caption.
constexpr auto kDetails = std::to_array<std::pair<std::string_view, const char*>>({
    {"nationalite_nom", " : nom"},
    {"profession_nom", " : nom"},
    {"bonus_attaque", " : bonus"},
    {"bonus_parade", " : bonus"},
});

// The boxes of a characteristic's row, by the suffix of their names: roll,
// racial modifier, total.
constexpr auto kCharacteristicBoxes = std::to_array<std::pair<std::string_view, const char*>>({
    {"", ""},
    {"_race", " : modificateur racial"},
    {"_tot", " : total"},
});

// The blue boxes that hold a percentile roll rather than what it chose.
constexpr auto kRollBoxes = std::to_array<std::pair<std::string_view, const char*>>({
    {"nationalite", "Jet de nationalité"},
    {"profession", "Jet de profession"},
});

constexpr const char* kTitle = "Tirer un personnage au hasard";
// What pressing a control does, for the controls that are pressed.
constexpr const char* kImprovementPress =
    "Appuyer (Espace ou Entrée) dépense un jet d’amélioration (Suplé.) pour augmenter cette valeur.";
constexpr const char* kTitlePress = "Appuyer (Espace ou Entrée) tire un nouveau personnage au hasard.";
constexpr const char* kSorcery = "Magie";
constexpr const char* kImprovementRolls = "Jets d’amélioration";

// What a tick does: the box it rerolls follows.
constexpr const char* kRerollName = "Relancer ";
constexpr const char* kRerollTip = "Cochée : « Saisie/Reroll » relance %1 au lieu de garder votre jet.";
constexpr const char* kImprovementRollsTip =
    "Cochée : « Saisie/Reroll » tire aussi les jets d’amélioration (Suplé.).";

// Runs of spaces (the catalogue's names hold some) read as one, none at the ends.
std::string simplified(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (!space)
      out += c;
    else if (!out.empty() && out.back() != ' ')
      out += ' ';
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string detailOf(std::string_view control) {
  for (const auto& [box, detail] : kDetails)
    if (control == box) return detail;
  for (const auto& category : kSkillCategories)
    if (category.bonus && control == fieldName(category.bonus)) return " : bonus";
  return {};
}

// "Equipement :" is spoken "Equipement".
std::string captionWords(std::string caption) {
  while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':')) caption.pop_back();
  return caption;
}

// The index in "comp(12)".
std::string indexOf(std::string_view control) {
  const auto open = control.find('(');
  return std::string(control.substr(open + 1, control.size() - open - 2));
}

bool hasLetterOrDigit(std::string_view text) {
  // Any byte of a multi-byte character is a letter here ("É").
  for (const char c : text)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || (c & 0x80)) return true;
  return false;
}

// How many of the fields of the row `base` read as `text`.
template <typename Row>
int timesShown(const Personnage& sheet, std::string_view base, const std::string& text) {
  int times = 0;
  for (int i = Row::kFirst; i <= Row::kLast; ++i)
    times += simplified(fieldText(sheet, indexedName(base, i))) == text;
  return times;
}

// A weapon by its name; by its row where it has none, or shares it.
std::string weaponName(std::string_view control, const char* value, const Personnage& sheet) {
  const std::string index = indexOf(control);
  std::string name = simplified(fieldText(sheet, "arme_nom(" + index + ")"));
  if (!hasLetterOrDigit(name))
    name = "Arme " + index;
  else if (timesShown<WeaponSlots>(sheet, "arme_nom", name) > 1)
    name += " (arme " + index + ")";
  return name + value;
}

// A skill value by its skill's name; by its heading and slot where the name
// is a row of dots or stands on the sheet more than once ("Artisanat").
std::string skillName(std::string_view control, const Personnage& sheet) {
  const std::string index = indexOf(control);
  const std::string skill = simplified(fieldText(sheet, "comp(" + index + ")"));
  const std::string where = slotByHeading(std::stoi(index));
  if (!hasLetterOrDigit(skill)) return where;
  if (timesShown<SkillSlots>(sheet, "comp", skill) > 1) return skill + " (" + where + ")";
  return skill;
}

// The name of the box that selector `control` rerolls.
std::string rerolledBox(std::string_view control) {
  const CatalogueEntry* entry = catalogueEntry(control);
  return entry ? entry->rerolls : std::string();
}

// What each box named by the sheet says after its weapon's name.
constexpr auto kWeaponBoxes = std::to_array<std::pair<std::string_view, const char*>>({
    {"arme_nom", ""},
    {"arme_att", " : attaque"},
    {"arme_par", " : parade"},
});

// A control named by the sheet: a skill's name or value by the skill, a
// weapon's name or value by the weapon.
std::string sheetNamed(std::string_view control, const Personnage& sheet) {
  const auto name = splitControlName(control);
  for (const auto& [base, value] : kWeaponBoxes)
    if (name->base == base) return weaponName(control, value, sheet);
  return skillName(control, sheet);
}

std::string spokenNameOf(std::string_view control) {
  const ControlRow* row = layoutRow(control);
  return row ? spokenName(*row, Personnage{}) : std::string();
}

}  // namespace

std::string spokenNameSource(std::string_view control) {
  const CatalogueEntry* entry = catalogueEntry(control);
  return entry ? entry->nameSource : std::string();
}

std::string spokenName(const ControlRow& row, const Personnage& sheet) {
  const std::string_view control = row.name;
  const CatalogueEntry* entry = catalogueEntry(control);
  if (entry && !entry->nameSource.empty()) return sheetNamed(control, sheet);
  if (row.kind == ControlKind::Selector) {
    const std::string box = rerolledBox(control);
    return box.empty() ? std::string() : kRerollName + spokenNameOf(box);
  }
  for (const CharacteristicRow& characteristic : kCharacteristics)
    for (const auto& [suffix, detail] : kCharacteristicBoxes)
      if (control == std::string(characteristic.name) + std::string(suffix))
        return std::string(characteristic.caption) + detail;
  for (const auto& [box, name] : kRollBoxes)
    if (control == box) return name;
  if (control == kTitlePicture) return kTitle;
  if (control == "sorcier") return kSorcery;
  if (control == kImprovementRollsBox) return kImprovementRolls;
  if (!row.rowLabel.empty()) return captionWords(layoutCaption(row.rowLabel)) + detailOf(control);
  return {};
}

std::string spokenDescription(std::string_view control) {
  const CatalogueEntry* entry = catalogueEntry(control);
  if (!entry) return {};
  // A skill's name is pressed as its value box is, which says so.
  if (entry->press == PressAction::Improve && entry->row->kind != ControlKind::Caption)
    return kImprovementPress;
  if (entry->press == PressAction::RollCharacter) return kTitlePress;
  return {};
}

std::string selectorTip(std::string_view control) {
  const std::string box = rerolledBox(control);
  if (box.empty()) return {};
  if (box == kImprovementRollsBox) return kImprovementRollsTip;
  std::string tip = kRerollTip;
  tip.replace(tip.find("%1"), 2, spokenNameOf(box));
  return tip;
}

}  // namespace orvandel
