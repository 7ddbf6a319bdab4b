#include "generation/totals.h"

namespace orvandel {

void computeTotals(Generation&) {}
void rollAge(Generation&) {}
void priestStudy(Generation&) {}
void computeVitals(Generation&) {}

}  // namespace orvandel
