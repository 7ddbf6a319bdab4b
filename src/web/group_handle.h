// A group the page orders: the search for characters that meet the GM's
// conditions, with its own dice, advanced a slice at a time between two
// paints of the page. The roster's binding takes the characters found from
// it, so it is declared here for both.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/dice.h"
#include "group/group_search.h"
#include "roster/roster.h"

namespace orvandel {

class GroupHandle {
 public:
  // `conditions`: as the page's form gives them (see conditionsOf); the
  // seed in two halves, as crypto.getRandomValues draws them.
  // REQUIRES: conditionsProblem() of them is empty, 1 <= wanted <= kLargestGroup.
  GroupHandle(const emscripten::val& conditions, int wanted, std::uint32_t seedHigh, std::uint32_t seedLow);
  GroupHandle(const GroupHandle&) = delete;
  GroupHandle& operator=(const GroupHandle&) = delete;

  const GroupSearch& search() const { return search_; }
  // A JavaScript number holds any count of draws a slice asks for.
  bool advance(double draws) { return search_.advance(static_cast<std::int64_t>(draws)); }

  // The characters found so far, each under memberName(groupName, ...).
  std::vector<KeptCharacter> members(const std::string& groupName) const;
  // The game master's page of the characters found, under `names` (the
  // names the roster kept them under), in the order found.
  std::string gmPage(const emscripten::val& names) const;

 private:
  SeededDice dice_;
  GroupSearch search_;
};

}  // namespace orvandel
