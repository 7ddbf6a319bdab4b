// The sheet's control names as a person learns them: for every control,
// whether the player types in it or the program writes it, and what the
// window shows there (its caption, the skill of a skill slot, the blank
// value of a weapon or skill row). Read from the window's layout table and
// the skill catalogue, so it can never disagree with them.
#pragma once

#include <string>
#include <vector>

namespace orvandel {

struct ControlEntry {
  std::string name;   // the control name: a JSON key, an `improve` target
  std::string kind;   // "saisie", "affiché", "libellé" or "case à cocher"
  std::string shows;  // what the window shows there
  std::string blank;  // the row's blank value, or empty when it is the empty text
};

// Every control of the sheet, in the order of the JSON sheet's keys.
const std::vector<ControlEntry>& controlListing();

std::string controlsToText();
std::string controlsToJson();

}  // namespace orvandel
