// Text as a search compares it, so that what a person types finds what the
// program writes whatever their keyboard does with case and accents.
#pragma once

#include <string>
#include <string_view>

namespace orvandel {

// `text` as a search compares it: letters in lower case and without their
// accents, so that "eleve" finds "Élève" and "oeil" finds "Œil"; any other
// character as it stands.
std::string folded(std::string_view text);

}  // namespace orvandel
