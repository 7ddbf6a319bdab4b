#include "generation/training.h"

namespace orvandel {

void applyTraining(Generation&) {}

}  // namespace orvandel
