#include "core/nearest_name.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace orvandel {
namespace {

std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string_view> nearestName(std::string_view typed, std::span<const std::string_view> known) {
  if (known.empty()) return std::nullopt;
  constexpr std::size_t kShortestPrefix = 3;
  if (typed.size() >= kShortestPrefix && std::count_if(known.begin(), known.end(), [&](std::string_view k) {
                                           return k.starts_with(typed);
                                         }) == 1)
    return *std::find_if(known.begin(), known.end(),
                         [&](std::string_view k) { return k.starts_with(typed); });
  const auto nearest =
      *std::min_element(known.begin(), known.end(), [&](std::string_view a, std::string_view b) {
        return editDistance(typed, a) < editDistance(typed, b);
      });
  const std::size_t distance = editDistance(typed, nearest);
  if (distance <= 2 && distance * 3 < typed.size()) return nearest;
  return std::nullopt;
}

}  // namespace orvandel
