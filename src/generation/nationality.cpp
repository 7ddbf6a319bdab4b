#include "generation/nationality.h"

namespace orvandel {

void applyNationality(Generation&) {}

}  // namespace orvandel
