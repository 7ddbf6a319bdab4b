// The control catalogue against the layout and the sheet it describes: each
// fact it gives must name a control or field that exists and agree with the
// rules' own tables.
#include "layout/control_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/sheet_fields.h"
#include "generation/skills.h"

namespace orvandel {
namespace {

TEST(ControlCatalogue, HasOneEntryForEveryControlOfTheLayout) {
  const auto& layout = characterWindowLayout();
  ASSERT_EQ(controlCatalogue().size(), layout.size());
  for (const ControlRow& row : layout) {
    const CatalogueEntry* entry = catalogueEntry(row.name);
    ASSERT_NE(entry, nullptr) << row.name;
    EXPECT_EQ(entry->row, &row);
  }
  EXPECT_EQ(catalogueEntry("comp(0)"), nullptr);
}

// Every improvement names a value the sheet holds, and the value it raises
// is a box of the same row.
TEST(ControlCatalogue, EveryImprovementTargetNamesAnExistingValue) {
  Personnage sheet;
  int pressed = 0;
  for (const CatalogueEntry& entry : controlCatalogue()) {
    const bool improves = entry.click || entry.key;
    EXPECT_EQ(improves, entry.press == PressAction::Improve) << entry.row->name;
    for (const auto& target : {entry.click, entry.key}) {
      if (!target) continue;
      ++pressed;
      const std::string raised = raisedControl(*target);
      ASSERT_TRUE(findField(sheet, raised)) << entry.row->name << " raises " << raised;
      EXPECT_EQ(splitControlName(raised)->index, splitControlName(entry.row->name)->index) << entry.row->name;
      EXPECT_NE(catalogueEntry(raised), nullptr) << raised;
    }
  }
  // comp by click; Text1 and the two weapon values both ways.
  EXPECT_EQ(pressed, 3 * (SkillSlots::kLast - SkillSlots::kFirst + 1) +
                         4 * (WeaponSlots::kLast - WeaponSlots::kFirst + 1));
  // The ends of each row, and one step past them, are the improvement
  // stage's table; here, the ranges as the CLI names them.
  EXPECT_EQ(clickTargetsText(), "comp(1..73), Text1(1..73), arme_att(1..6) ou arme_par(1..6)");
}

TEST(ControlCatalogue, EverySelectorRerollsItsBlueBoxOrTheImprovementRolls) {
  int selectors = 0;
  for (const CatalogueEntry& entry : controlCatalogue()) {
    if (entry.row->kind != ControlKind::Selector) {
      EXPECT_TRUE(entry.rerolls.empty()) << entry.row->name;
      continue;
    }
    ++selectors;
    const int index = *splitControlName(entry.row->name)->index;
    const auto blue = std::find_if(kBlueBoxes.begin(), kBlueBoxes.end(),
                                   [&](const BlueBox& b) { return b.selector == index; });
    if (blue == kBlueBoxes.end()) {
      EXPECT_EQ(index, kDesCompSelector);
      EXPECT_EQ(entry.rerolls, kImprovementRollsBox);
    } else {
      EXPECT_EQ(entry.rerolls, blue->name) << entry.row->name;
    }
  }
  EXPECT_EQ(selectors, static_cast<int>(Selectors::kIndices.size()));
}

// What Tab reaches: what the player types in or presses, nothing drawn only;
// a skill's name, a caption that the mouse presses, leaves Tab to its value.
TEST(ControlCatalogue, TakesTheFocusWhereThePlayerTypesOrPresses) {
  for (const CatalogueEntry& entry : controlCatalogue()) {
    const ControlRow& row = *entry.row;
    const bool acts = (entry.press != PressAction::Nothing && row.kind != ControlKind::Caption) ||
                      row.look.editable || row.kind == ControlKind::Selector;
    if (acts) {
      EXPECT_EQ(entry.focus, Focus::Tab) << row.name;
    }
    const bool readOnlyBox = !acts && (row.kind == ControlKind::Field || row.kind == ControlKind::MultiLine);
    EXPECT_EQ(entry.focus == Focus::Click, readOnlyBox) << row.name;
  }
  const auto& order = tabOrder();
  EXPECT_EQ(std::set<std::string>(order.begin(), order.end()).size(), order.size());
  // Each blue box first, followed by its selector, in reading order, then
  // the improvement rolls' selector, all before "Saisie/Reroll".
  for (std::size_t k = 0; k < kBlueBoxes.size(); ++k) {
    EXPECT_EQ(order[2 * k], kBlueBoxes[k].name) << k;
    EXPECT_EQ(order[2 * k + 1], selectorName(kBlueBoxes[k].selector)) << k;
  }
  EXPECT_EQ(order[2 * kBlueBoxes.size()], selectorName(kDesCompSelector));
}

// Which field names each value is what the window's screen-reader test
// hears; here, that every such field exists, and what a value reads.
TEST(ControlCatalogue, ValuesAreNamedByAFieldOfTheSheet) {
  EXPECT_EQ(catalogueEntry("pv")->value, "pv");
  EXPECT_EQ(catalogueEntry("Label2")->value, "");
  for (const CatalogueEntry& entry : controlCatalogue())
    if (!entry.nameSource.empty()) {
      EXPECT_NE(catalogueEntry(entry.nameSource), nullptr) << entry.row->name;
    }
}

TEST(ControlCatalogue, EverySkillSlotStandsUnderTheHeadingOfItsCategory) {
  for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i) {
    const std::string heading = categoryHeading(catalogueCategory(i));
    EXPECT_EQ(layoutCaption(heading), categoryRow(catalogueCategory(i)).heading) << i;
    for (const char* base : {"comp", "Text1"}) {
      const CatalogueEntry* entry = catalogueEntry(indexedName(base, i));
      ASSERT_NE(entry, nullptr) << base << i;
      EXPECT_EQ(entry->heading, heading) << base << i;
    }
  }
}

bool headsACategory(const std::string& control) {
  return std::any_of(kSkillCategories.begin(), kSkillCategories.end(),
                     [&](const SkillCategoryRow& c) { return control == categoryHeading(c.category); });
}

// The nearest category heading above a control in the phone column.
std::string columnHeadingAbove(const std::string& control) {
  std::string heading;
  for (const CatalogueEntry* entry : columnOrder()) {
    if (entry->row->name == control) return heading;
    if (headsACategory(entry->row->name)) heading = entry->row->name;
  }
  return {};
}

TEST(ControlCatalogue, PhoneColumnHoldsEveryFocusableControlOnce) {
  std::multiset<std::string> placed;
  for (const CatalogueEntry* entry : columnOrder()) placed.insert(entry->row->name);
  for (const CatalogueEntry& entry : controlCatalogue()) {
    const auto times = placed.count(entry.row->name);
    EXPECT_LE(times, 1u) << entry.row->name;
    if (entry.focus != Focus::None) {
      EXPECT_EQ(times, 1u) << entry.row->name;
    }
    EXPECT_EQ(entry.place.has_value(), times == 1) << entry.row->name;
  }
}

TEST(ControlCatalogue, PhoneColumnRunsDownInFillOrder) {
  int section = 0;
  int line = 1;
  for (const CatalogueEntry* entry : columnOrder()) {
    const ColumnPlace& place = *entry->place;
    EXPECT_GE(place.section, section) << entry->row->name;
    EXPECT_TRUE(place.line == line || place.line == line + 1) << entry->row->name;
    if (place.heading) {
      EXPECT_NE(place.line, line) << entry->row->name << " shares a heading's line";
    }
    section = place.section;
    line = place.line;
  }
  EXPECT_EQ(columnOrder().front()->place->section, static_cast<int>(ColumnSection::Characteristics));
  EXPECT_EQ(columnOrder().back()->row->name, kQuitButton);
}

TEST(ControlCatalogue, PhoneColumnPutsEachSkillUnderItsCategorysHeading) {
  for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i) {
    const std::string heading = categoryHeading(catalogueCategory(i));
    EXPECT_EQ(columnHeadingAbove(indexedName("comp", i)), heading) << i;
    EXPECT_EQ(catalogueEntry(indexedName("Text1", i))->place->line,
              catalogueEntry(indexedName("comp", i))->place->line)
        << i;
  }
}

}  // namespace
}  // namespace orvandel
