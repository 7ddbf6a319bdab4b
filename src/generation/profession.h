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

// How the journal names the profession roll and the profession it gives.
inline constexpr const char* kProfessionRollStep = "Jet de profession";
inline constexpr const char* kProfessionStep = "Profession";

// profession_nom := classe(profession), written into the journal with the
// roll it came from.
void nameProfession(Generation& g);

// Why a sub-roll of the table or of a nationality gave `name` ("d10 de 9 ou
// 10" for an "Assassin"); empty for a name that no sub-roll gives.
std::string_view subRollReason(std::string_view name);

// The sailor's rank: des(10) of 9 makes a "Second"; otherwise a second
// des(10) of 10 makes a "Capitain", anything else a "Marin". The sailor band
// of the table and the seafaring nationalities both roll it.
std::string_view seaRoll(Dice& dice);

// A "Noble" whose intelligence total is 13 or more rolls a second profession.
void nobleSecondProfession(Generation& g);

}  // namespace orvandel
