#include "generation/profession.h"

namespace orvandel {

std::string classe(std::string_view, Dice&) { return {}; }

void nobleSecondProfession(Generation& g) { g.noblesse = false; }

}  // namespace orvandel
