// Which controls of the sheet a press improves, and what each raises: a
// skill's name and its value box raise the skill, a weapon's attack and
// parry boxes raise themselves. The rules, the window, the browser and the
// CLI all read this one table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/improvement_target.h"
#include "core/sheet.h"

namespace orvandel {

// How a press reaches a control: the mouse's click, or Space or Enter.
enum class PressBy { Click, Key };

// A numbered row of controls that a press improves.
struct ImprovingRow {
  std::string_view base;  // the control name without its index
  ImprovementKind kind;
  int first;
  int last;
  bool byClick;
  bool byKey;
  bool holdsValue;  // the row holds the value it raises (not a skill's name)
};

// A skill's name is a caption: the mouse presses it, while the keyboard
// reaches the skill through its value box, which players also click.
inline constexpr std::array<ImprovingRow, 4> kImprovingRows{{
    {"comp", ImprovementKind::Skill, SkillSlots::kFirst, SkillSlots::kLast, true, false, false},
    {"Text1", ImprovementKind::Skill, SkillSlots::kFirst, SkillSlots::kLast, true, true, true},
    {"arme_att", ImprovementKind::Attack, WeaponSlots::kFirst, WeaponSlots::kLast, true, true, true},
    {"arme_par", ImprovementKind::Parry, WeaponSlots::kFirst, WeaponSlots::kLast, true, true, true},
}};

// What a press by `by` on the control `controlName` improves; nothing for a
// control that such a press does not improve.
std::optional<ImprovementTarget> improvementOf(std::string_view controlName, PressBy by);

// The control holding the value that `target` raises: "Text1(17)",
// "arme_att(2)".
std::string raisedControl(ImprovementTarget target);

// What a click takes, for people: each row a click improves with its first
// and last index, "comp(first..last), ... ou arme_par(first..last)".
std::string clickTargetsText();

}  // namespace orvandel
