// What the window shows at each control of the sheet, in words a person
// reads: a box by the captions that label it, a skill slot by its skill, a
// weapon value by its weapon, a selector by the box it rerolls. The CLI's
// listing of the controls and the refusal of a typed entry name boxes so.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace orvandel {

// What the window shows for the control `name` (its caption); empty for a
// name the sheet does not have.
std::string controlShows(std::string_view name);

// What the numbered control `base`(`i`) shows, and its blank value (empty
// when that is the empty text).
std::pair<std::string, std::string> slotShows(std::string_view base, int i);

}  // namespace orvandel
