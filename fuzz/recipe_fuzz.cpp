// A link's recipe code as anyone may craft it: read it, and whatever it
// reads as writes back to itself, replays without harm, and a sheet it
// replays to is what its recipe gives.
#include <cstdlib>
#include <string_view>
#include <variant>

#include "recipe/recipe_link.h"
#include "recipe/replay.h"
#include "recipe/verification.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string_view code(reinterpret_cast<const char*>(data), size);
  const auto recipe = orvandel::readRecipeCode(code);
  if (!recipe) return 0;
  const auto written = orvandel::recipeCode(*recipe);
  if (!written || orvandel::readRecipeCode(*written) != recipe) std::abort();
  const auto made = orvandel::replay(*recipe);
  if (const auto* replayed = std::get_if<orvandel::Replay>(&made))
    if (orvandel::verify(replayed->sheet).outcome != orvandel::Verification::Outcome::Conforms) std::abort();
  return 0;
}
