// A sheet's boxes alone, without the recipe that tells how they were made:
// for comparing what a front end shows with what the engine's own stages
// make, which write no recipe.
#pragma once

#include "core/sheet.h"

namespace orvandel {

inline Personnage boxesOf(Personnage sheet) {
  sheet.recette.reset();
  return sheet;
}

}  // namespace orvandel
