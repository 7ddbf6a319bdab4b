// User text quoted back in an error message: one line, short, no control
// characters, so that a message stays the one line it promises to be.
#pragma once

#include <string>
#include <string_view>

namespace orvandel {

// `text` in double quotes, control characters shown as '?', cut to about
// 32 bytes (at a character boundary) with "..." when longer.
std::string excerpt(std::string_view text);

}  // namespace orvandel
