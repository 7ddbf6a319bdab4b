// Starting wealth and equipment: the "Noble " title, heirs to the throne and
// the equipment sentence of each profession.
#pragma once

#include "generation/generation.h"

namespace orvandel {

void applyWealth(Generation& g);

}  // namespace orvandel
