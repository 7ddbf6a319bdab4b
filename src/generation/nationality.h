// The nationality table: name, racial modifiers, sorcery chance and the
// profession overrides of the twenty nationalities.
#pragma once

#include <span>
#include <string_view>

#include "generation/generation.h"

namespace orvandel {

void applyNationality(Generation& g);

// The twenty nationality names in the table's order.
std::span<const std::string_view> nationalityNames();

}  // namespace orvandel
