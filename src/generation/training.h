// Profession training: the weapons and skills each profession teaches, the
// noble supplement, and the final skill checks.
#pragma once

#include "generation/generation.h"

namespace orvandel {

void applyTraining(Generation& g);

}  // namespace orvandel
