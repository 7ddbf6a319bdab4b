// The nationality table: name, racial modifiers, sorcery chance and the
// profession overrides of the twenty nationalities.
#pragma once

#include "generation/generation.h"

namespace orvandel {

void applyNationality(Generation& g);

}  // namespace orvandel
