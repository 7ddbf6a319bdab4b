#include "generation/totals.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/scripted_dice.h"

namespace orvandel {
namespace {

TEST(TotalsTest, TotalsAddTheRacialAmountAndTakeTheWholePart) {
  static const struct {
    const char* roll;
    int racial;
    const char* total;
  } cases[kCaracCount] = {{"14", 3, "17"},   {"12", -4, "8"},  {"12.5", 0, "12"}, {"12,5", 1, "13"},
                          {"-1.5", 0, "-2"}, {"9,9", -1, "8"}, {"3", 0, "3"}};
  Personnage sheet;
  ScriptedDice dice("");
  Generation g{sheet, dice, Entry::Typed};
  for (std::size_t k = 0; k < kCaracCount; ++k) {
    sheet.*kCharacteristics[k].roll = cases[k].roll;
    g.racial[k] = cases[k].racial;
  }
  computeTotals(g);
  for (std::size_t k = 0; k < kCaracCount; ++k) {
    EXPECT_EQ(sheet.*kCharacteristics[k].total, cases[k].total) << kCharacteristics[k].name;
    EXPECT_EQ(sheet.*kCharacteristics[k].roll, cases[k].roll) << kCharacteristics[k].name;
  }
}

TEST(TotalsTest, AgeIsRolledInTheRandomEntryOrWhenTicked) {
  static const struct {
    Entry entry;
    bool ticked;
    const char* script;
    const char* age;
  } cases[] = {
      {Entry::Random, false, "6:1,6:1", "20"},
      {Entry::Random, false, "6:6,6:6", "30"},
      {Entry::Typed, true, "6:3,6:4", "25"},
      {Entry::Typed, false, "", "40,5"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.age = "40,5";
    sheet.des_ok(16) = c.ticked;
    ScriptedDice dice(c.script);
    Generation g{sheet, dice, c.entry};
    rollAge(g);
    EXPECT_EQ(sheet.age, c.age) << c.script;
    EXPECT_EQ(dice.remaining(), 0u) << c.script;
  }
}

// One year's 3d10, summing to 14 and to 15.
constexpr const char* kFourteen = "10:4,10:5,10:5";
constexpr const char* kFifteen = "10:5,10:5,10:5";

std::string rolls(std::initializer_list<const char*> sums) {
  std::string script;
  for (const char* sum : sums) script += (script.empty() ? "" : ",") + std::string(sum);
  return script;
}

TEST(TotalsTest, PriestStudy) {
  static const struct {
    Entry entry;
    const char* profession_nom;
    const char* age;
    std::string script;
    const char* intl;  // the base box afterwards; it holds 12 before
    const char* intl_tot;
  } cases[] = {
      {Entry::Typed, "Prêtre", "25", "", "12", "14"},
      {Entry::Typed, "Prêtre", "26", kFourteen, "12", "15"},
      {Entry::Typed, "Prêtre", "26", "10:4,10:5,10:4", "12", "14"},
      {Entry::Typed, "Prêtre", "26.5", kFourteen, "12", "15"},
      {Entry::Typed, "Prêtre Guerrier", "28", rolls({kFourteen, kFifteen, kFourteen}), "12", "17"},
      {Entry::Random, "Prêtre Assassin", "28", rolls({kFourteen, kFifteen, kFourteen}), "14", "16"},
      {Entry::Random, "Noble Prêtre", "27", rolls({kFifteen, kFifteen}), "14", "16"},
      {Entry::Random, "Prêtre", "25,5", "", "14", "14"},
      {Entry::Random, "Prêtre", "25", "", "12", "14"},
      {Entry::Random, "Guerrier", "30", "", "12", "14"},
      {Entry::Random, "Noble", "30", "", "12", "14"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.profession_nom = c.profession_nom;
    sheet.age = c.age;
    sheet.intl = "12";
    sheet.intl_tot = "14";
    ScriptedDice dice(c.script);
    Generation g{sheet, dice, c.entry};
    priestStudy(g);
    const std::string label = std::string(c.profession_nom) + " " + c.age + " " + c.script;
    EXPECT_EQ(sheet.intl, c.intl) << label;
    EXPECT_EQ(sheet.intl_tot, c.intl_tot) << label;
    EXPECT_EQ(dice.remaining(), 0u) << label;
  }
}

TEST(TotalsTest, VitalValues) {
  static const struct {
    const char* con_tot;
    const char* tai_tot;
    const char* pou_tot;
    const char* pv;
    const char* blessure_majeure;
    const char* san;
    const char* sft;
  } cases[] = {
      {"14", "11", "10", "14", "7", "50", "25"}, {"14", "12", "19", "14", "7", "95", "47"},
      {"14", "15", "20", "17", "8", "99", "50"}, {"14", "10", "24", "14", "7", "99", "60"},
      {"14", "8", "1", "12", "6", "5", "2"},     {"3", "3", "0", "-4", "-2", "0", "0"},
      {"5", "4", "-1", "-1", "-1", "-5", "-3"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.con_tot = c.con_tot;
    sheet.tai_tot = c.tai_tot;
    sheet.pou_tot = c.pou_tot;
    ScriptedDice dice("");
    Generation g{sheet, dice, Entry::Random};
    computeVitals(g);
    const std::string label = std::string(c.con_tot) + " " + c.tai_tot + " " + c.pou_tot;
    EXPECT_EQ(sheet.pv, c.pv) << label;
    EXPECT_EQ(sheet.blessure_majeure, c.blessure_majeure) << label;
    EXPECT_EQ(sheet.san, c.san) << label;
    EXPECT_EQ(sheet.sft, c.sft) << label;
  }
}

}  // namespace
}  // namespace orvandel
