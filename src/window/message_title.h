// The title of the window's message boxes.
#pragma once

namespace orvandel {

inline constexpr const char* kMessageTitle = "Orvandel";

}  // namespace orvandel
