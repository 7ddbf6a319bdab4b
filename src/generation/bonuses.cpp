#include "generation/bonuses.h"

namespace orvandel {

void computeBonuses(Personnage&) {}

}  // namespace orvandel
