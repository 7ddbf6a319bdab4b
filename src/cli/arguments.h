// The command line's own values, read strictly and refused in French: how
// many characters, which seed, which command was meant.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvandel {

// A batch streams in constant memory; the ceiling only keeps a slip of the
// finger (an extra zero or two) from filling a disk.
inline constexpr long long kMaxCount = 1'000'000;

// A --count or a --seed as typed: its value, or why it is refused, in one
// French line. Each range is checked where the value is read, so the two
// cannot disagree.
struct TypedNumber {
  std::optional<std::uint64_t> value;
  std::string problem;  // empty when value holds
};
TypedNumber readCount(std::string_view text);
TypedNumber readSeedOption(std::string_view text);

// The known name `typed` was most likely meant to be: the one it begins
// (when it begins only one), or the nearest (fewest letters to add, drop or
// change) when that is close enough to be a slip: at most two letters, and
// fewer than a third of what was typed. Nothing when no name is that close,
// since a far suggestion ("-n": --help?) misleads more than it helps.
std::optional<std::string_view> nearestName(std::string_view typed, std::span<const std::string_view> known);

}  // namespace orvandel
