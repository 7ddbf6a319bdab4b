#include "generation/wealth.h"

namespace orvandel {

void applyWealth(Generation&) {}

}  // namespace orvandel
