// How a sheet was made, so that anyone can make it again and see that it is
// what the dice gave: the entry, where its dice came from, the improvement
// clicks in order, and whether a box was typed into afterwards.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/improvement_target.h"

namespace orvandel {

enum class RecipeEntry {
  Random,  // the title picture
  Typed,   // "Saisie/Reroll", from the boxes as typed
};

// How many boxes a typed entry reads: kTypedBoxes (sheet.h) names them.
inline constexpr std::size_t kTypedBoxCount = 11;

struct Recipe {
  RecipeEntry entry = RecipeEntry::Random;
  // The dice: a seed whose rolls made the sheet, its clicks included...
  std::optional<std::uint64_t> seed;
  // ...or, for dice that no seed tells (a script), every roll, as a script.
  std::string rolls;
  // A typed entry's boxes as typed, and the selectors ticked (their index).
  std::array<std::string, kTypedBoxCount> typed{};
  std::vector<int> ticked;
  std::vector<ImprovementTarget> clicks;
  // A box was typed into after the generation.
  bool retouched = false;

  bool operator==(const Recipe&) const = default;
};

}  // namespace orvandel
