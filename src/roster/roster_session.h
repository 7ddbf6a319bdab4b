// One player's roster and what the player does to it: the characters kept,
// the one last opened (which "Mettre à jour" replaces), the removals to put
// back, and why an action is refused, in French. The window and the browser
// page carry out every action here, so that a rule of the roster and its
// words are written once, whatever the front end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/sheet.h"
#include "roster/roster.h"

namespace orvandel {

// Told of each change to the characters, in their places, before and after
// it: what a list that shows them needs to follow without being rebuilt.
class RosterListener {
 public:
  virtual ~RosterListener() = default;
  // The characters from `first` to `last` (both included) come in.
  virtual void aboutToInsert(std::size_t first, std::size_t last) = 0;
  virtual void inserted() = 0;
  virtual void aboutToRemove(std::size_t at) = 0;
  virtual void removed() = 0;
  // The name or the sheet of the character at `at` changed.
  virtual void changed(std::size_t at) = 0;
};

class RosterSession {
 public:
  RosterSession() = default;
  explicit RosterSession(Roster roster) : roster_(std::move(roster)) {}

  const Roster& roster() const { return roster_; }
  const std::vector<KeptCharacter>& characters() const { return roster_.characters(); }

  // REQUIRES: `listener`, when given, outlives the session or is replaced.
  void listen(RosterListener* listener) { listener_ = listener; }

  // Each action returns why it is refused, in French, having changed
  // nothing; or nothing once done. A name is kept without the spaces around
  // it.

  // Keeps `sheet` last under `name` (see Roster::keep); it is then the
  // character opened. A sheet that holds no character yet is refused.
  std::optional<std::string> keep(std::string_view name, Personnage sheet);
  std::optional<std::string> rename(std::size_t at, std::string_view name);
  // "Mettre à jour": the character opened takes `sheet`.
  std::optional<std::string> update(Personnage sheet);
  // The character at `at` becomes the one opened.
  std::optional<std::string> open(std::size_t at);
  std::optional<std::string> remove(std::size_t at);
  // Puts the last character removed back where it stood; its place, or
  // nothing when none is left to put back.
  std::optional<std::size_t> undoRemoval();
  bool canUndoRemoval() const { return !removed_.empty(); }
  // Appends what an import brought (see Roster::keepAll); how many.
  std::size_t keepAll(std::vector<KeptCharacter> characters);

  // The place of the character last opened or kept, if it is still there.
  std::optional<std::size_t> opened() const { return opened_; }

 private:
  Roster roster_;
  RosterListener* listener_ = nullptr;
  std::optional<std::size_t> opened_;
  std::vector<std::pair<std::size_t, KeptCharacter>> removed_;
};

// What the roster's list says of a character after its name: its
// profession and nationality unless it is still named after them, its PV
// and SAN. "Chasseur Guerrier, Plaine des Cendres · PV 12 · SAN 55"
std::string summary(const KeptCharacter& character);

// What an import of the file `fileName` says once done: how many
// characters it added, and whether the reasons why some were left out follow.
// "« lot.jsonl » : 20 personnages importés. Laissés de côté :"
std::string importSummary(std::string_view fileName, std::size_t added, bool someLeftOut);

// The name and the summary on one line.
// "Aldo — Chasseur Guerrier, Plaine des Cendres · PV 12 · SAN 55"
std::string summaryLine(const KeptCharacter& character);

}  // namespace orvandel
