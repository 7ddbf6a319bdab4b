// A group of characters to order: random characters are rolled one after
// another and those that meet the conditions are kept, in the order rolled.
// With the same dice, the kept characters are exactly those of a plain
// batch that meet the conditions. The search runs in steps, so that a
// window or a page can draw its progress and stop it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dice.h"
#include "core/sheet.h"
#include "group/conditions.h"

namespace orvandel {

// A search gives up after this many characters in a row meet nothing.
inline constexpr std::int64_t kDrawsWithoutMatch = 1'000'000;
// The most characters one group holds: a GM's evening, with room to spare,
// and well within what a roster file holds.
inline constexpr int kLargestGroup = 1'000;

struct FoundCharacter {
  Personnage sheet;
  std::int64_t draw;  // its place in the plain batch, from 1
};

class GroupSearch {
 public:
  // REQUIRES: conditionsProblem(conditions) is empty, 1 <= wanted <= kLargestGroup.
  GroupSearch(Conditions conditions, int wanted, Dice& dice, std::int64_t cap = kDrawsWithoutMatch);

  // Rolls at most `draws` more characters. Returns whether the search is
  // over: every character found, or the cap reached.
  bool advance(std::int64_t draws);

  bool complete() const { return static_cast<int>(found_.size()) == wanted_; }
  bool givenUp() const { return drawsSinceMatch_ >= cap_ && !complete(); }
  bool over() const { return complete() || givenUp(); }

  const std::vector<FoundCharacter>& found() const { return found_; }
  int wanted() const { return wanted_; }
  std::int64_t rolled() const { return rolled_; }

  // "4 personnages trouvés sur 312 tirés (308 laissés de côté)".
  std::string summary() const;
  // Why the search gave up, naming the condition that was met least
  // often; empty unless givenUp().
  std::string giveUpReason() const;

 private:
  std::vector<Clause> clauses_;
  // How many characters rolled since the last one kept met each clause.
  std::vector<std::int64_t> metSinceMatch_;
  int wanted_;
  Dice& dice_;
  std::int64_t cap_;
  std::int64_t rolled_ = 0;
  std::int64_t drawsSinceMatch_ = 0;
  std::vector<FoundCharacter> found_;
  Personnage sheet_;
};

// What a finished search tells the GM, the same words in every front end:
// why it gave up; or that it was stopped, the names it was kept under
// (`kept`, in order: "4 personnages gardés dans les personnages :
// « Garde 1 » à « Garde 4 ».", or that none was) and summary().
std::string outcomeSentence(const GroupSearch& search, std::span<const std::string> kept);

// What the k-th character of a group (from 1) is called in the roster:
// "Garde de Stelmark 1" under the name the GM gave the group, or, with no
// name, its own profession and k ("Marin 3").
std::string memberName(std::string_view groupName, const Personnage& sheet, int k);

}  // namespace orvandel
