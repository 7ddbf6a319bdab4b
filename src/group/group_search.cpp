#include "group/group_search.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "generation/driver.h"
#include "recipe/recipe_making.h"

namespace orvandel {
namespace {

// "1 000 000": the GM reads large counts as French prints them.
std::string spacedNumber(std::int64_t n) {
  std::string digits = std::to_string(n);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), "\u00a0");
  return digits;
}

std::string personnages(std::int64_t n) { return spacedNumber(n) + (n > 1 ? " personnages" : " personnage"); }

// Copied over the working sheet, it reuses the sheet's storage.
const Personnage kLaunchSheet;

}  // namespace

GroupSearch::GroupSearch(Conditions conditions, int wanted, Dice& dice, std::int64_t cap)
    : clauses_(clausesOf(conditions)),
      metSinceMatch_(clauses_.size(), 0),
      wanted_(wanted),
      dice_(dice),
      cap_(cap) {
  found_.reserve(static_cast<std::size_t>(wanted));
}

bool GroupSearch::advance(std::int64_t draws) {
  for (; draws > 0 && !over(); --draws) {
    // Each character from the launch sheet, as a plain batch rolls it, so
    // that nothing of the one before can leak into it.
    sheet_ = kLaunchSheet;
    generateWithRecipe(RecipeEntry::Random, sheet_, dice_);
    ++rolled_;
    bool all = true;
    for (std::size_t c = 0; c < clauses_.size(); ++c) {
      const bool met = clauses_[c].test(sheet_);
      metSinceMatch_[c] += met ? 1 : 0;
      all = all && met;
    }
    if (all) {
      found_.push_back({sheet_, rolled_});
      drawsSinceMatch_ = 0;
      std::ranges::fill(metSinceMatch_, 0);
    } else {
      ++drawsSinceMatch_;
    }
  }
  return over();
}

std::string GroupSearch::summary() const {
  const auto kept = static_cast<std::int64_t>(found_.size());
  std::string text = spacedNumber(kept) + (kept > 1 ? " trouvés" : " trouvé") + " sur " +
                     personnages(rolled_) + (rolled_ > 1 ? " tirés" : " tiré");
  if (rolled_ > kept) text += " (" + spacedNumber(rolled_ - kept) + " laissés de côté)";
  return text;
}

std::string GroupSearch::giveUpReason() const {
  if (!givenUp()) return "";
  std::string reason = "Recherche abandonnée : aucun des " + personnages(drawsSinceMatch_) +
                       " tirés de suite ne remplit les conditions";
  const auto rarest = std::ranges::min_element(metSinceMatch_);
  const Clause& clause = clauses_[static_cast<std::size_t>(rarest - metSinceMatch_.begin())];
  if (*rarest == 0) return reason + " : aucun n'est « " + clause.label + " ». Rien n'est gardé.";
  return reason + " ensemble ; la plus rare, « " + clause.label + " », n'est remplie que par " +
         personnages(*rarest) + ". Rien n'est gardé.";
}

std::string outcomeSentence(const GroupSearch& search, std::span<const std::string> kept) {
  if (search.givenUp()) return search.giveUpReason();
  std::string text = search.complete() ? "" : "Recherche arrêtée. ";
  if (kept.empty())
    text += "Aucun personnage gardé.";
  else if (kept.size() == 1)
    text += "«\u00a0" + kept.front() + "\u00a0» gardé dans les personnages.";
  else
    text += std::to_string(kept.size()) + " personnages gardés dans les personnages : «\u00a0" +
            kept.front() + "\u00a0» à «\u00a0" + kept.back() + "\u00a0».";
  return text + " " + search.summary() + ".";
}

std::string memberName(std::string_view groupName, const Personnage& sheet, int k) {
  const std::string base = groupName.empty() ? sheet.profession_nom : std::string(groupName);
  return base + " " + std::to_string(k);
}

}  // namespace orvandel
