// Improvement clicks: a click on a skill or a weapon value spends one of
// the improvement rolls counted in des_comp and raises the value.
#pragma once

#include <optional>
#include <string_view>

#include "core/dice.h"
#include "core/improving_controls.h"
#include "core/sheet.h"
#include "generation/journal.h"

namespace orvandel {

// The target of a click on the control "comp(i)", "Text1(i)", "arme_att(i)"
// or "arme_par(i)"; nothing for any other control.
std::optional<ImprovementTarget> improvementTarget(std::string_view controlName);

// The target of Space or Enter on a value box: a skill's value "Text1(i)"
// stands for its name, a weapon value for itself; nothing for any other
// control.
std::optional<ImprovementTarget> keyedImprovementTarget(std::string_view controlName);

// One click. Returns whether an improvement roll was spent: a count that is
// empty, not a number, or not above 0 spends nothing (an empty count becomes
// "-1"). Otherwise the count drops by one and the value rises by half a
// percentile roll, to at most 90. Given a journal, appends one entry: the
// roll and the new value, or why nothing was spent.
bool improve(Personnage& sheet, ImprovementTarget target, Dice& dice, Journal* journal = nullptr);

}  // namespace orvandel
