// The eight category bonuses and the damage bonus, from the totals.
#pragma once

#include "generation/generation.h"

namespace orvandel {

void computeBonuses(Generation& g);

}  // namespace orvandel
