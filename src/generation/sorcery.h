// Sorcery: capability, the sorcery roll, the rank and its summoning
// abilities, then the nationalities that turn a sorcerer into a priest.
#pragma once

#include "generation/generation.h"

namespace orvandel {

// sorcier := magie(intl_tot, pou_tot, chance_magie), then the nationality rules.
void applySorcery(Generation& g);

}  // namespace orvandel
