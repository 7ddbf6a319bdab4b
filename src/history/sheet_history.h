// The sheets the player can step back and forth through: one kept before each
// action that changed the sheet (a generation, an improvement click, opening
// a file). Typing is not an action of its own: the sheet kept before the next
// action holds what was typed, and stepping back keeps the sheet as it stands
// for stepping forth again.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "core/sheet.h"

namespace orvandel {

class SheetHistory {
 public:
  static constexpr std::size_t kDefaultDepth = 50;

  explicit SheetHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

  // Keeps `before`, the sheet as it stood before an action changed it, and
  // forgets the sheets that stepping back had left ahead. Past `depth` the
  // oldest sheet is dropped.
  void record(Personnage before);

  // The sheet to show instead of `current`, which is kept to step forth to;
  // nothing when there is no step back.
  std::optional<Personnage> undo(Personnage current);
  // The sheet to show instead of `current`, which is kept to step back to;
  // nothing when there is no step forth.
  std::optional<Personnage> redo(Personnage current);

  bool canUndo() const { return !past_.empty(); }
  bool canRedo() const { return !future_.empty(); }

 private:
  std::size_t depth_;
  std::deque<Personnage> past_;    // most recent last
  std::deque<Personnage> future_;  // next to redo last
};

}  // namespace orvandel
