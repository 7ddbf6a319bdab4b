#include "cli/arguments.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

#include "core/excerpt.h"

namespace orvandel {

std::optional<std::uint64_t> readWholeNumber(std::string_view text, std::uint64_t first, std::uint64_t last) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  if (value < first || value > last) return std::nullopt;
  return value;
}

std::string countProblem(std::string_view text) {
  if (readWholeNumber(text, 1, kMaxCount)) return {};
  return "--count attend un nombre entier de 1 à " + std::to_string(kMaxCount) + ", pas " + excerpt(text);
}

std::string seedProblem(std::string_view text) {
  if (readWholeNumber(text, 0, std::numeric_limits<std::uint64_t>::max())) return {};
  return "--seed attend un nombre entier sans signe de 0 à " +
         std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", pas " + excerpt(text);
}

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

std::string_view nearestName(std::string_view typed, std::span<const std::string_view> known) {
  return *std::min_element(known.begin(), known.end(), [&](std::string_view a, std::string_view b) {
    return editDistance(typed, a) < editDistance(typed, b);
  });
}

}  // namespace orvandel
