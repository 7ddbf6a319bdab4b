#include "core/sheet.h"

#include <gtest/gtest.h>

#include <set>

#include "core/sheet_fields.h"

namespace orvandel {
namespace {

TEST(SheetTest, LaunchState) {
  const Personnage sheet;
  for (int i = 1; i <= 73; ++i) EXPECT_EQ(sheet.comp(i), "");
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(sheet.arme_nom(i), std::string(28, '.'));
    EXPECT_EQ(sheet.arme_deg(i), std::string(52, '.'));
    EXPECT_EQ(sheet.arme_att(i), "");
  }
  for (int i : Selectors::kIndices) EXPECT_FALSE(sheet.des_ok(i));
  EXPECT_EQ(sheet.des_comp, "");
}

TEST(SheetTest, ResetClearsOutputsOnly) {
  Personnage sheet;
  sheet.forc = "12";
  sheet.des_comp = "4";
  sheet.equipement = "sac";
  sheet.forc_race = "+1d6";
  sheet.comp(40) = "Crédit";
  sheet.Text1(40) = "55";
  sheet.arme_nom(1) = "Dague";
  sheet.arme_par(6) = "20";
  sheet.des_ok(14) = true;
  sheet.resetOutputs();
  Personnage expected;
  expected.forc = "12";
  expected.des_comp = "4";
  expected.equipement = "sac";
  expected.des_ok(14) = true;
  EXPECT_EQ(sheet, expected);
}

TEST(SheetTest, SelectorsSevenToThirteenDoNotExist) {
  Personnage sheet;
  for (int i = 7; i <= 13; ++i) EXPECT_THROW(sheet.des_ok(i), std::out_of_range) << i;
  EXPECT_THROW(sheet.comp(0), std::out_of_range);
  EXPECT_THROW(sheet.comp(74), std::out_of_range);
}

TEST(SheetFieldsTest, FindsEveryControlByNameAndRefusesOthers) {
  Personnage sheet;
  *std::get<std::string*>(*findField(sheet, "comp(12)")) = "Faire";
  EXPECT_EQ(sheet.comp(12), "Faire");
  *std::get<bool*>(*findField(sheet, "des_ok(14)")) = true;
  EXPECT_TRUE(sheet.des_ok(14));
  *std::get<std::string*>(*findField(sheet, "bonus_dommages")) = "Aucun";
  EXPECT_EQ(sheet.bonus_dommages, "Aucun");

  for (const char* bad : {"des_ok(7)", "des_ok(13)", "comp(74)", "comp(0)", "comp(012)", "comp(+1)",
                          "comp", "forc(1)", "Text1()", "arme_att(7)", "nope", "comp(1", ""})
    EXPECT_FALSE(findField(sheet, bad)) << bad;
}

TEST(SheetFieldsTest, ControlNamesAreCompleteUniqueAndResolvable) {
  const auto& names = controlNames();
  // 42 single fields, 2 x 73 skill fields, 4 x 6 weapon fields, 11 selectors.
  EXPECT_EQ(names.size(), 42u + 146u + 24u + 11u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  EXPECT_EQ(names.front(), "forc");
  EXPECT_EQ(names.back(), "des_ok(17)");
  Personnage sheet;
  for (const auto& name : names) EXPECT_TRUE(findField(sheet, name)) << name;
}

}  // namespace
}  // namespace orvandel
