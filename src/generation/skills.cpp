#include "generation/skills.h"

namespace orvandel {

void competence(Personnage&) {}

}  // namespace orvandel
