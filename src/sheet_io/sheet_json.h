// The sheet as JSON: one flat object keyed by control name, strings for text
// fields and booleans for the eleven selectors, and the recipe, when the
// sheet has one, under "recette". Shared by orvandel-cli and the window's
// save and open.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "core/sheet.h"

namespace orvandel {

// The whole sheet on one line, every control name a key, in controlNames()
// order, then its recipe if any, UTF-8 unescaped.
std::string sheetToJson(const Personnage& sheet);

// What went wrong reading a sheet: the kind of fault and the control at
// fault, for a program to word in its own language, and one English line for
// the command line; for a recipe, what is wrong with it, worded in French
// after "la recette ".
struct SheetError {
  enum class Problem { NotJson, NotAnObject, UnknownControl, NotText, NotTickBox, TooLong, BadRecipe };
  Problem problem;
  std::string control;  // the key at fault, empty for NotJson and NotAnObject
  std::string message;
  std::size_t length = 0;  // the characters of a text too long (kLongestBoxText)
};

// Applies the keys of a JSON object to `base` (keys not given keep their
// value). Refuses malformed JSON, a value that is not an object, an unknown
// key, a value of the wrong type and a text longer than a box holds
// (kLongestBoxText), leaving `base` untouched.
std::variant<Personnage, SheetError> sheetFromJson(std::string_view json, Personnage base = {});

}  // namespace orvandel
