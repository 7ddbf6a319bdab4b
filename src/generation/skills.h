// The skill catalogue: the 73 skill names and the base values every
// character starts with.
#pragma once

#include <string_view>

#include "core/sheet.h"

namespace orvandel {

void competence(Personnage& sheet);

// The catalogue name of skill slot `slot` (1..73), as competence writes it
// into comp(slot). Throws std::out_of_range for any other slot.
std::string_view catalogueName(int slot);

}  // namespace orvandel
