#include "layout/control_catalogue.h"

#include <algorithm>
#include <array>
#include <span>
#include <unordered_map>

#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"

namespace orvandel {
namespace {

// The controls a press acts on other than the improvements.
struct PressedControl {
  const char* name;
  PressAction press;
};
constexpr auto kPressedControls = std::to_array<PressedControl>({
    {kTitlePicture, PressAction::RollCharacter},
    {kTypedEntryButton, PressAction::TypedEntry},
    {kQuitButton, PressAction::Quit},
});

// The grid columns of the phone column: five, the last for the values.
constexpr const char* kWhole = "1 / -1";
constexpr const char* kNameColumns = "1 / 4";
constexpr const char* kSkillNameColumns = "1 / 5";

struct Cell {
  const char* control;
  const char* column;
};
// A line of the column written out: up to three cells, the unused ones null.
using FixedLine = std::array<Cell, 3>;

// clang-format off
constexpr auto kCharacteristicHeads = std::to_array<FixedLine>({
    {{{"Label8", "2"}, {"Label23", "4"}, {"Label24", "5"}}},
});
constexpr auto kOriginLines = std::to_array<FixedLine>({
    {{{"Label3", "1"}, {"nationalite", "2"}, {"des_ok(14)", "3"}}},
    {{{"nationalite_nom", kWhole}}},
    {{{"Label4", "1"}, {"profession", "2"}, {"des_ok(15)", "3"}}},
    {{{"profession_nom", kWhole}}},
    {{{"Label5", "1"}, {"age", "2"}, {"des_ok(16)", "3"}}},
    {{{"sorcier", kWhole}}},
});
constexpr auto kEntryLines = std::to_array<FixedLine>({
    {{{kTypedEntryButton, kWhole}}},
    {{{kTitlePicture, kWhole}}},
});
constexpr auto kVitalLines = std::to_array<FixedLine>({
    {{{"Label6", "1"}, {"san", "2"}}},
    {{{"Label7", "1"}, {"sft", "2"}}},
    {{{"Label2", "1"}, {"pv", "2"}}},
    {{{"Label36", "1"}, {"blessure_majeure", "2"}}},
    {{{"Label37", kNameColumns}, {"bonus_dommages", "4 / -1"}}},
});
constexpr auto kWeaponHeads = std::to_array<FixedLine>({
    {{{"Label26", kNameColumns}, {"Label27", "4"}, {"Label28", "5"}}},
    {{{"bonus_attaque", "4"}, {"bonus_parade", "5"}}},
});
constexpr auto kEquipmentLines = std::to_array<FixedLine>({
    {{{"Label38", kWhole}}},
    {{{"equipement", kWhole}}},
});
constexpr auto kImprovementRollLines = std::to_array<FixedLine>({
    {{{"Label39", "1"}, {kImprovementRollsBox, "2"}, {"des_ok(17)", "3"}}},
});
constexpr auto kQuitLines = std::to_array<FixedLine>({
    {{{kQuitButton, kWhole}}},
});
// clang-format on

// The lines of a section that follow its written-out lines, one per row of
// the sheet.
enum class RepeatedLines { None, Characteristics, SkillsByHeading, Weapons };

struct Section {
  ColumnSection section;
  const char* heading;  // the caption heading it, or null
  std::span<const FixedLine> lines;
  RepeatedLines repeated;
};

constexpr auto kSections = std::to_array<Section>({
    {ColumnSection::Characteristics, nullptr, kCharacteristicHeads, RepeatedLines::Characteristics},
    {ColumnSection::Origins, nullptr, kOriginLines, RepeatedLines::None},
    {ColumnSection::ImprovementRolls, nullptr, kImprovementRollLines, RepeatedLines::None},
    {ColumnSection::Entries, nullptr, kEntryLines, RepeatedLines::None},
    {ColumnSection::Vitals, nullptr, kVitalLines, RepeatedLines::None},
    {ColumnSection::Skills, "Compétences", {}, RepeatedLines::SkillsByHeading},
    {ColumnSection::Weapons, "Label41", kWeaponHeads, RepeatedLines::Weapons},
    {ColumnSection::Equipment, nullptr, kEquipmentLines, RepeatedLines::None},
    {ColumnSection::Quit, nullptr, kQuitLines, RepeatedLines::None},
});

using Line = std::vector<std::pair<std::string, std::string>>;

std::vector<Line> characteristicLines() {
  std::vector<Line> lines;
  for (const CharacteristicRow& c : kCharacteristics) {
    const int k = static_cast<int>(&c - kCharacteristics.data());
    const std::string name = c.name;
    lines.push_back({{indexedName("Label1", k), "1"},
                     {name, "2"},
                     {selectorName(k), "3"},
                     {name + "_race", "4"},
                     {name + "_tot", "5"}});
  }
  return lines;
}

std::vector<Line> weaponLines() {
  std::vector<Line> lines;
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) {
    lines.push_back({{indexedName("arme_nom", i), kNameColumns},
                     {indexedName("arme_att", i), "4"},
                     {indexedName("arme_par", i), "5"}});
    lines.push_back({{indexedName("arme_deg", i), kWhole}});
  }
  return lines;
}

// The category whose skills the caption `control` heads, if it heads any.
std::optional<SkillCategory> headedCategory(std::string_view control) {
  for (const SkillCategoryRow& c : kSkillCategories)
    if (control == categoryHeading(c.category)) return c.category;
  return std::nullopt;
}

// Each heading in the sheet's order, with its category's bonus box beside
// it, then the skills of its category in slot order.
std::vector<Line> skillLines() {
  std::vector<Line> lines;
  for (const ControlRow& heading : characterWindowLayout()) {
    const auto category = headedCategory(heading.name);
    if (!category) continue;
    if (const auto bonus = categoryRow(*category).bonus)
      lines.push_back({{heading.name, kSkillNameColumns}, {std::string(fieldName(bonus)), "5"}});
    else
      lines.push_back({{heading.name, kWhole}});
    for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i)
      if (catalogueCategory(i) == *category)
        lines.push_back({{indexedName("comp", i), kSkillNameColumns}, {indexedName("Text1", i), "5"}});
  }
  return lines;
}

std::vector<Line> linesOf(const Section& section) {
  std::vector<Line> lines;
  for (const FixedLine& fixed : section.lines) {
    Line line;
    for (const Cell& cell : fixed)
      if (cell.control) line.emplace_back(cell.control, cell.column);
    lines.push_back(std::move(line));
  }
  std::vector<Line> repeated;
  switch (section.repeated) {
    case RepeatedLines::Characteristics:
      repeated = characteristicLines();
      break;
    case RepeatedLines::SkillsByHeading:
      repeated = skillLines();
      break;
    case RepeatedLines::Weapons:
      repeated = weaponLines();
      break;
    case RepeatedLines::None:
      break;
  }
  lines.insert(lines.end(), repeated.begin(), repeated.end());
  return lines;
}

// The dice of each blue box, given to it and to the caption that starts its
// line.
void giveDice(std::vector<std::pair<std::string, ColumnPlace>>& places) {
  for (const BlueBox& blue : kBlueBoxes) {
    const auto box =
        std::find_if(places.begin(), places.end(), [&](const auto& p) { return p.first == blue.name; });
    for (auto& [control, place] : places)
      if (place.line == box->second.line && (&place == &box->second || place.column == "1"))
        place.dice = blue.dice;
  }
}

// Every place of the column, in fill order.
std::vector<std::pair<std::string, ColumnPlace>> columnPlaces() {
  std::vector<std::pair<std::string, ColumnPlace>> places;
  int line = 0;
  for (const Section& section : kSections) {
    const int index = static_cast<int>(section.section);
    if (section.heading) places.push_back({section.heading, {index, ++line, kWhole, true, {}}});
    for (const Line& cells : linesOf(section)) {
      ++line;
      for (const auto& [control, column] : cells)
        places.push_back({control, {index, line, column, false, {}}});
    }
  }
  giveDice(places);
  return places;
}

PressAction pressOf(const ControlRow& row) {
  if (improvementOf(row.name, PressBy::Click) || improvementOf(row.name, PressBy::Key))
    return PressAction::Improve;
  for (const auto& pressed : kPressedControls)
    if (row.name == pressed.name) return pressed.press;
  return PressAction::Nothing;
}

std::string rerolledBox(std::string_view control) {
  for (const BlueBox& blue : kBlueBoxes)
    if (control == selectorName(blue.selector)) return blue.name;
  if (control == selectorName(kDesCompSelector)) return kImprovementRollsBox;
  return {};
}

// A skill's value is named by its skill, a weapon's values by its weapon;
// a skill's or weapon's own name names itself, its dots being no name.
std::string nameSourceOf(std::string_view control) {
  const auto name = splitControlName(control);
  if (!name || !name->index) return {};
  if (name->base == "Text1" || name->base == "comp") return indexedName("comp", *name->index);
  if (name->base == "arme_nom" || name->base == "arme_att" || name->base == "arme_par")
    return indexedName("arme_nom", *name->index);
  return {};
}

std::string headingOf(std::string_view control) {
  const auto name = splitControlName(control);
  if (name && name->index && (name->base == "comp" || name->base == "Text1"))
    return categoryHeading(catalogueCategory(*name->index));
  for (const SkillCategoryRow& c : kSkillCategories)
    if (c.bonus && control == fieldName(c.bonus)) return categoryHeading(c.category);
  return {};
}

CatalogueEntry entryOf(const ControlRow& row) {
  static const Personnage blank;
  const bool holdsValue = findField(blank, row.name).has_value();
  return {&row,
          pressOf(row),
          improvementOf(row.name, PressBy::Click),
          improvementOf(row.name, PressBy::Key),
          row.kind == ControlKind::Selector ? rerolledBox(row.name) : std::string(),
          focusOf(row),
          nameSourceOf(row.name),
          holdsValue ? row.name : std::string(),
          headingOf(row.name),
          std::nullopt};
}

}  // namespace

Focus focusOf(const ControlRow& row) {
  // The skill and weapon values take Space and Enter as an improvement click.
  if (improvementOf(row.name, PressBy::Key)) return Focus::Tab;
  switch (row.kind) {
    case ControlKind::Selector:
    case ControlKind::Button:
      return Focus::Tab;
    case ControlKind::Field:
    case ControlKind::MultiLine:
      return row.look.editable ? Focus::Tab : Focus::Click;
    case ControlKind::Picture:
      return pressOf(row) == PressAction::Nothing ? Focus::None : Focus::Tab;
    case ControlKind::Frame:
    case ControlKind::Caption:
    case ControlKind::Line:
      return Focus::None;
  }
  return Focus::None;
}

const std::vector<CatalogueEntry>& controlCatalogue() {
  static const std::vector<CatalogueEntry> entries = [] {
    std::vector<CatalogueEntry> all;
    std::unordered_map<std::string_view, std::size_t> at;
    for (const ControlRow& row : characterWindowLayout()) {
      at.emplace(row.name, all.size());
      all.push_back(entryOf(row));
    }
    for (auto& [control, place] : columnPlaces()) all.at(at.at(control)).place = std::move(place);
    return all;
  }();
  return entries;
}

const CatalogueEntry* catalogueEntry(std::string_view name) {
  const ControlRow* row = layoutRow(name);
  if (!row) return nullptr;
  return &controlCatalogue()[static_cast<std::size_t>(row - characterWindowLayout().data())];
}

const std::vector<const CatalogueEntry*>& columnOrder() {
  static const std::vector<const CatalogueEntry*> order = [] {
    std::vector<const CatalogueEntry*> placed;
    for (const auto& [control, place] : columnPlaces()) placed.push_back(catalogueEntry(control));
    return placed;
  }();
  return order;
}

const std::vector<std::string>& tabOrder() {
  static const std::vector<std::string> order = [] {
    std::vector<std::string> names;
    for (const auto& blue : kBlueBoxes) {
      names.emplace_back(blue.name);
      names.push_back(selectorName(blue.selector));
    }
    // The improvement rolls' selector is ticked with the blue boxes, before
    // "Saisie/Reroll" reads them all.
    names.push_back(selectorName(kDesCompSelector));
    for (const auto& entry : controlCatalogue())
      if (entry.focus == Focus::Tab && std::find(names.begin(), names.end(), entry.row->name) == names.end())
        names.push_back(entry.row->name);
    return names;
  }();
  return order;
}

}  // namespace orvandel
