#include "core/sheet.h"

#include <gtest/gtest.h>

#include <set>

#include "core/sheet_fields.h"

namespace orvandel {
namespace {

// What a field holds at launch: weapon rows dotted, every other text empty.
std::string launchText(const std::string& name) {
  if (name.starts_with("arme_nom(")) return std::string(28, '.');
  if (name.starts_with("arme_deg(")) return std::string(52, '.');
  return "";
}

// Every generation opens by clearing the race fields, skill slots and weapon
// slots, and nothing else.
bool clearedByReset(const std::string& name) {
  return name.ends_with("_race") || name.starts_with("comp(") || name.starts_with("Text1(") ||
         name.starts_with("arme_");
}

TEST(SheetTest, LaunchStateOnEveryField) {
  forEachField(
      Personnage{},
      [](const std::string& name, const std::string& text) { EXPECT_EQ(text, launchText(name)) << name; },
      [](const std::string& name, bool ticked) { EXPECT_FALSE(ticked) << name; });
}

TEST(SheetTest, ResetOnEveryField) {
  Personnage sheet;
  for (const auto& name : controlNames()) {
    const FieldRef field = *findField(sheet, name);
    if (auto* text = std::get_if<std::string*>(&field))
      **text = "x";
    else
      *std::get<bool*>(field) = true;
  }
  sheet.resetOutputs();
  forEachField(
      sheet,
      [](const std::string& name, const std::string& text) {
        EXPECT_EQ(text, clearedByReset(name) ? launchText(name) : "x") << name;
      },
      [](const std::string& name, bool ticked) { EXPECT_TRUE(ticked) << name; });
}

TEST(SheetTest, IndicesOutsideTheSheetThrow) {
  Personnage sheet;
  for (int i = 7; i <= 13; ++i) EXPECT_THROW(sheet.des_ok(i), std::out_of_range) << i;
  EXPECT_THROW(sheet.comp(0), std::out_of_range);
  EXPECT_THROW(sheet.comp(74), std::out_of_range);
}

TEST(SheetFieldsTest, ControlNamesAreCompleteUniqueAndResolvable) {
  const auto& names = controlNames();
  // 42 single fields, 2 x 73 skill fields, 4 x 6 weapon fields, 11 selectors.
  EXPECT_EQ(names.size(), 42u + 146u + 24u + 11u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  Personnage sheet;
  for (const auto& name : names) EXPECT_TRUE(findField(sheet, name)) << name;
  for (const char* bad : {"des_ok(7)", "des_ok(13)", "comp(74)", "comp(0)", "comp(012)", "comp(+1)", "comp",
                          "forc(1)", "Text1()", "arme_att(7)", "nope", "comp(1", ""})
    EXPECT_FALSE(findField(sheet, bad)) << bad;
}

}  // namespace
}  // namespace orvandel
