// Improvement clicks against the game's rules: which controls a click or a
// key raises, the count that must be above 0 and drops first, half the roll
// rounded down, and the ceiling of 90 reached from below or above.
#include "generation/improvement.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/scripted_stage.h"

namespace orvandel {
namespace {

using testing::FieldText;

bool sameTarget(const std::optional<ImprovementTarget>& got, const std::optional<ImprovementTarget>& want) {
  if (!got || !want) return got.has_value() == want.has_value();
  return got->kind == want->kind && got->index == want->index;
}

TEST(ImprovementTest, ControlsAClickOrAKeyRaises) {
  using enum ImprovementKind;
  static const struct {
    const char* control;
    std::optional<ImprovementTarget> clicked;
    std::optional<ImprovementTarget> keyed;
  } cases[] = {
      {"comp(1)", {{Skill, 1}}, {}},
      {"comp(73)", {{Skill, 73}}, {}},
      {"comp(0)", {}, {}},
      {"comp(74)", {}, {}},
      {"comp(01)", {}, {}},
      {"Text1(1)", {{Skill, 1}}, {{Skill, 1}}},
      {"Text1(73)", {{Skill, 73}}, {{Skill, 73}}},
      {"Text1(74)", {}, {}},
      {"arme_att(1)", {{Attack, 1}}, {{Attack, 1}}},
      {"arme_att(6)", {{Attack, 6}}, {{Attack, 6}}},
      {"arme_att(7)", {}, {}},
      {"arme_par(6)", {{Parry, 6}}, {{Parry, 6}}},
      {"arme_par(0)", {}, {}},
      {"arme_nom(1)", {}, {}},
      {"arme_deg(2)", {}, {}},
      {"des_comp", {}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(sameTarget(improvementTarget(c.control), c.clicked)) << c.control;
    EXPECT_TRUE(sameTarget(keyedImprovementTarget(c.control), c.keyed)) << c.control;
  }
}

TEST(ImprovementTest, ClickSpendsOneRollAndRaisesUpToNinety) {
  using enum ImprovementKind;
  static const struct {
    ImprovementTarget target;
    const char* des_comp;
    const char* value;
    const char* script;
    bool spent;
    std::vector<FieldText> changes;
  } cases[] = {
      {{Skill, 45}, "1", "40", "100:99", true, {{"des_comp", "0"}, {"Text1(45)", "89"}}},
      {{Skill, 45}, "1", "40", "100:100", true, {{"des_comp", "0"}, {"Text1(45)", "90"}}},
      {{Skill, 45}, "3", "95", "100:1", true, {{"des_comp", "2"}, {"Text1(45)", "90"}}},
      {{Skill, 45}, "3", "", "100:37", true, {{"des_comp", "2"}, {"Text1(45)", "18"}}},
      {{Skill, 45}, "3", "-10", "100:11", true, {{"des_comp", "2"}, {"Text1(45)", "-5"}}},
      {{Skill, 45}, "2.5", "10", "100:2", true, {{"des_comp", "1"}, {"Text1(45)", "11"}}},
      {{Skill, 45}, "0", "40", "", false, {}},
      {{Skill, 45}, "-2", "40", "", false, {}},
      {{Skill, 45}, "trois", "40", "", false, {}},
      {{Skill, 45}, "", "40", "", false, {{"des_comp", "-1"}}},
      {{Attack, 2}, "3", "40", "100:37", true, {{"des_comp", "2"}, {"arme_att(2)", "58"}}},
      {{Parry, 6}, "3", "40", "100:37", true, {{"des_comp", "2"}, {"arme_par(6)", "58"}}},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.des_comp = c.des_comp;
    sheet.comp(45) = "Parler Commun";
    sheet.Text1(45) = c.value;
    sheet.arme_att(2) = c.value;
    sheet.arme_par(2) = c.value;
    sheet.arme_att(6) = c.value;
    sheet.arme_par(6) = c.value;
    const Personnage before = sheet;
    ScriptedDice dice{std::string_view(c.script)};
    const std::string what =
        std::string("Suplé. ") + c.des_comp + ", valeur " + c.value + ", dés " + c.script;
    EXPECT_EQ(improve(sheet, c.target, dice), c.spent) << what;
    EXPECT_EQ(dice.remaining(), 0U) << what;
    testing::expectOnlyChanged(before, sheet, c.changes, what);
  }
}

}  // namespace
}  // namespace orvandel
