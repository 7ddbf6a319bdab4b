// The steps the player can go back and forth through: one kept before each
// action that changed what is shown (a generation, an improvement click,
// opening a file). Typing is not an action of its own: the step kept before
// the next action holds what was typed, and stepping back keeps what is
// shown as it stands for stepping forth again. A step is everything that
// goes back together, such as a sheet with the journal that made it.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

namespace orvandel {

// How many steps back a player can go, unless told otherwise.
inline constexpr std::size_t kHistoryDepth = 50;

template <typename Step>
class StepHistory {
 public:
  explicit StepHistory(std::size_t depth = kHistoryDepth) : depth_(depth) {}

  // Keeps `before`, what was shown before an action changed it, and forgets
  // the steps that stepping back had left ahead. Past `depth` the oldest
  // step is dropped.
  void record(Step before) {
    future_.clear();
    past_.push_back(std::move(before));
    while (past_.size() > depth_) past_.pop_front();
  }

  // The step to show instead of `current`, which is kept to step forth to;
  // nothing when there is no step back.
  std::optional<Step> undo(Step current) { return take(past_, future_, std::move(current)); }
  // The step to show instead of `current`, which is kept to step back to;
  // nothing when there is no step forth.
  std::optional<Step> redo(Step current) { return take(future_, past_, std::move(current)); }

  bool canUndo() const { return !past_.empty(); }
  bool canRedo() const { return !future_.empty(); }

 private:
  static std::optional<Step> take(std::deque<Step>& from, std::deque<Step>& to, Step current) {
    if (from.empty()) return std::nullopt;
    Step shown = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(current));
    return shown;
  }

  std::size_t depth_;
  std::deque<Step> past_;    // most recent last
  std::deque<Step> future_;  // next to redo last
};

}  // namespace orvandel
