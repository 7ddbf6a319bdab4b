#include "generation/sorcery.h"

namespace orvandel {

void applySorcery(Generation&) {}

}  // namespace orvandel
