// The sheet as a readable French text for people: characteristics, identity,
// sorcery, vital values, bonuses, weapons, the skills that have a value, and
// the equipment. Shared by `orvandel-cli --format text` and the window's copy.
#pragma once

#include <string>

#include "core/sheet.h"

namespace orvandel {

std::string sheetToText(const Personnage& sheet);

}  // namespace orvandel
