// The seed a person types for reproducible dice: `orvandel-cli --seed N`, the
// page's `?seed=N`. Read by every front end through this one reader, so the
// same text gives the same dice everywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvandel {

// `text` as plain decimal digits that fit 64 bits; nothing for an empty text,
// a sign, a space, a fraction or anything else.
std::optional<std::uint64_t> readSeed(std::string_view text);

}  // namespace orvandel
