// A sheet checked against what its recipe gives: conforming, differing box
// by box, or with no recipe to check, in words the player and the game
// master read.
#pragma once

#include <string>
#include <vector>

#include "core/sheet.h"

namespace orvandel {

struct BoxDifference {
  std::string control;
  std::string onSheet;
  std::string fromDice;  // what the replay gives
};

struct Verification {
  enum class Outcome {
    NoRecipe,      // the sheet does not say how it was made
    Unreplayable,  // its recipe makes no sheet
    Conforms,      // every box is what the recipe gives
    Differs,
  };
  Outcome outcome = Outcome::NoRecipe;
  std::string problem;  // why an Unreplayable recipe makes no sheet
  std::vector<BoxDifference> differences;
};

Verification verify(const Personnage& sheet);

// The verdict in one sentence: "Conforme : tiré au hasard (graine 42),
// 3 jets d’amélioration", "Non conforme : 2 cases diffèrent de ce que
// donnent les dés ; recette : ...", "Sans recette : ...".
std::string verdict(const Personnage& sheet, const Verification& verification);

// Each difference on a line of its own, the box named as the sheet names
// it: "FORce : 18 sur la fiche, 12 aux dés".
std::vector<std::string> differenceLines(const Personnage& sheet, const Verification& verification);

// The verdict followed by the differences, a line each.
std::string verificationText(const Personnage& sheet, const Verification& verification);

}  // namespace orvandel
