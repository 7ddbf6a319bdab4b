// The eight category bonuses and the damage bonus, from the totals.
#pragma once

#include "core/sheet.h"

namespace orvandel {

void computeBonuses(Personnage& sheet);

}  // namespace orvandel
