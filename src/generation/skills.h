// The skill catalogue: the 73 skill names and the base values every
// character starts with.
#pragma once

#include "core/sheet.h"

namespace orvandel {

void competence(Personnage& sheet);

}  // namespace orvandel
