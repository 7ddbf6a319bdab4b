#include "cli/arguments.h"

#include <algorithm>
#include <limits>

#include "core/excerpt.h"
#include "core/seed.h"

namespace orvandel {

namespace {

// A count is typed as a seed is: plain digits (no sign, space or fraction),
// then a range; `refusal` opens the French line that names the range.
TypedNumber readWholeNumber(std::string_view text, std::uint64_t first, std::uint64_t last,
                            const std::string& refusal) {
  const auto value = readSeed(text);
  if (!value || *value < first || *value > last) return {std::nullopt, refusal + ", pas " + excerpt(text)};
  return {value, {}};
}

}  // namespace

TypedNumber readCount(std::string_view text) {
  return readWholeNumber(text, 1, kMaxCount,
                         "--count attend un nombre entier de 1 à " + std::to_string(kMaxCount));
}

TypedNumber readSeedOption(std::string_view text) {
  constexpr auto kLast = std::numeric_limits<std::uint64_t>::max();
  return readWholeNumber(text, 0, kLast,
                         "--seed attend un nombre entier sans signe de 0 à " + std::to_string(kLast));
}

}  // namespace orvandel
