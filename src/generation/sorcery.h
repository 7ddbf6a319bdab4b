// Sorcery: capability, the sorcery roll, the rank and its summoning
// abilities, then the nationalities that turn a sorcerer into a priest.
#pragma once

#include <string>
#include <string_view>

#include "generation/generation.h"

namespace orvandel {

// How the journal names the chance of becoming a sorcerer.
inline constexpr std::string_view kSorceryChanceStep = "Chance de sorcellerie";

// The sorcery outcome for these totals and chance, writing the summoning
// abilities of a sorcerer's rank into Text1(51..73). Reads profession_nom and
// nationalite_nom; the chance is a copy because a profession's own chance
// holds for this roll only.
std::string magie(Generation& g, double intl_tot, double pou_tot, int chance_magie);

// The rank of the sorcery outcome `sorcier`, 1 to 5; 0 for an outcome
// without a rank.
int sorceryRank(std::string_view sorcier);

// Whether `sorcier` says the character has no capacity for sorcery at all.
bool lacksSorcery(std::string_view sorcier);

// sorcier := magie(intl_tot, pou_tot, chance_magie), then the nationality rules.
void applySorcery(Generation& g);

}  // namespace orvandel
