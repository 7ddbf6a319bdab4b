// Profession training: the weapons and skills each profession teaches, the
// noble supplement, and the final skill checks.
#pragma once

#include <string>
#include <string_view>

#include "generation/generation.h"

namespace orvandel {

void applyTraining(Generation& g);

// How the journal names a weapon slot: "Arme 2", or "Arme 1 (Dague)" once
// it has a name, and its two values.
std::string weaponTitle(const Personnage& sheet, int slot);
inline constexpr std::string_view kAttackStep = "Attaque";
inline constexpr std::string_view kParryStep = "Parade";

}  // namespace orvandel
