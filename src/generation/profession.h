// The profession table: classe() names a profession from its percentile roll,
// and a Noble of high intelligence takes up a second profession.
#pragma once

#include <string>
#include <string_view>

#include "core/dice.h"
#include "generation/generation.h"

namespace orvandel {

// The profession named by the roll in `profession` (strict reading); the
// empty text above 100. May roll des(10) once or twice.
std::string classe(std::string_view profession, Dice& dice);

// The sailor's rank: des(10) of 9 makes a "Second"; otherwise a second
// des(10) of 10 makes a "Capitain", anything else a "Marin". The sailor band
// of the table and the seafaring nationalities both roll it.
std::string_view seaRoll(Dice& dice);

// A "Noble" whose intelligence total is 13 or more rolls a second profession.
void nobleSecondProfession(Generation& g);

}  // namespace orvandel
