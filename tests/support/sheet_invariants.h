// What every sheet must look like after a generation and any improvement
// clicks, checked independently of the rule tables: used by the soak test
// and the typed-entry fuzzer.
#pragma once

#include <string>
#include <vector>

#include "core/sheet.h"
#include "generation/generation.h"

namespace orvandel::testing {

struct SheetCheck {
  Entry entry;
  // The typed boxes as they were before the run (typed entry only).
  const Personnage* before = nullptr;
  // Whether improvement clicks were made after the generation.
  bool clicked = false;
};

// Every broken invariant as one line each; empty when the sheet is sound.
std::vector<std::string> sheetViolations(const Personnage& sheet, const SheetCheck& check);

// "35", "0", "-3": an optional minus and digits, no leading zero.
bool isPlainWhole(const std::string& text);

}  // namespace orvandel::testing
