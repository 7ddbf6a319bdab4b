// A character rolled from `seed`, the same on every run: the sheets that the
// roster's tests keep, export and print.
#pragma once

#include <cstdint>

#include "core/dice.h"
#include "core/sheet.h"
#include "generation/driver.h"

namespace orvandel {

inline Personnage rolled(std::uint64_t seed) {
  Personnage sheet;
  SeededDice dice(seed);
  generateRandom(sheet, dice);
  return sheet;
}

}  // namespace orvandel
