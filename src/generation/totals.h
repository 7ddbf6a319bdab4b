// Characteristic totals, age, the older priest's study and the vital values.
#pragma once

#include "generation/generation.h"

namespace orvandel {

// forc_tot .. cha_tot: each roll plus its racial amount, whole part.
void computeTotals(Generation& g);
// 18 + 2d6 in the random entry, and in the typed entry when des_ok(16) is ticked.
void rollAge(Generation& g);
// A priest above 25 gains intelligence from his years of study.
void priestStudy(Generation& g);
// pv, blessure_majeure, san, sft.
void computeVitals(Generation& g);

}  // namespace orvandel
