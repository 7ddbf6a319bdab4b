// The command line's own values, read strictly and refused in French: how
// many characters, which seed, which command was meant.
#pragma once

#include <cstdint>
#include <optional>
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

}  // namespace orvandel
