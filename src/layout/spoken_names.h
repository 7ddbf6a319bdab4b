// What a screen reader says for the sheet's controls, for the window and the
// browser page alike: each box is named by the caption that labels it on the
// sheet, a roll's box as the roll, a skill's name and value by the skill (by
// its heading and slot where the skill is a row of dots or shared), a
// weapon's by the weapon, a selector by the box it rerolls.
#pragma once

#include <string>
#include <string_view>

#include "core/sheet.h"
#include "layout/layout.h"

namespace orvandel {

// The name for the control of `row` while the sheet is `sheet`, or an empty
// text for a control whose own caption says it (buttons, headings) or that
// has nothing to say (lines).
std::string spokenName(const ControlRow& row, const Personnage& sheet);

// The field whose text names `control` (a skill's value and name are named
// by the skill's name), or an empty text for a name that never changes.
std::string spokenNameSource(std::string_view control);

// What pressing `control` does, for the controls that are pressed (a skill or
// weapon value spends an improvement roll, the title picture rolls a
// character); empty for the others.
std::string spokenDescription(std::string_view control);

// What ticking the selector `control` does, for its tooltip; empty for a
// control that is not a selector.
std::string selectorTip(std::string_view control);

}  // namespace orvandel
