// The known name a person most likely meant, for refusals that suggest one.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace orvandel {

// The known name `typed` was most likely meant to be: the one it begins
// (when it begins only one), or the nearest (fewest letters to add, drop or
// change) when that is close enough to be a slip: at most two letters, and
// fewer than a third of what was typed. Nothing when no name is that close,
// since a far suggestion ("-n": --help?) misleads more than it helps.
std::optional<std::string_view> nearestName(std::string_view typed, std::span<const std::string_view> known);

}  // namespace orvandel
