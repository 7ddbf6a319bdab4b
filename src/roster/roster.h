// The characters a player keeps between sessions: each sheet under a name of
// the player's, in the order kept. Plain C++, shared by the window and the
// browser page, which each store it in their own place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/sheet.h"

namespace orvandel {

struct KeptCharacter {
  std::string name;
  Personnage sheet;

  bool operator==(const KeptCharacter&) const = default;
};

// What a kept character is called until the player names it: its profession
// and nationality ("Chasseur Guerrier, Plaine des Cendres").
std::string proposedName(const Personnage& sheet);

// The words a player searches the roster for, compared with each character
// as they are folded once: a character is found when its name, profession
// or nationality holds the words, ignoring case and accents; every
// character is found by empty words.
class RosterSearch {
 public:
  explicit RosterSearch(std::string_view words);
  bool finds(const KeptCharacter& character) const;

 private:
  std::string wanted_;
};

class Roster {
 public:
  Roster() = default;
  explicit Roster(std::vector<KeptCharacter> characters) : characters_(std::move(characters)) {}

  const std::vector<KeptCharacter>& characters() const { return characters_; }
  std::size_t size() const { return characters_.size(); }

  // Keeps `sheet` last under `name`, or under a name of its own when
  // another character has it ("Aldo (2)"): two characters of one name could
  // not be told apart in the list or on paper. Its place in the roster.
  std::size_t keep(std::string name, Personnage sheet);
  // Appends what an import brought, each under a name of its own as keep()
  // gives it; nothing kept before is touched.
  void keepAll(std::vector<KeptCharacter> characters);

  // REQUIRES: at < size() (at <= size() for restore).
  void rename(std::size_t at, std::string name);
  void update(std::size_t at, Personnage sheet);
  KeptCharacter remove(std::size_t at);
  // Puts a removed character back where it stood.
  void restore(std::size_t at, KeptCharacter character);

  // The places of the characters that RosterSearch(words) finds.
  std::vector<std::size_t> search(std::string_view words) const;

  bool operator==(const Roster&) const = default;

 private:
  // `name`, or else the first of "name (2)", "name (3)"… that no character has.
  std::string distinctName(const std::string& name) const;

  std::vector<KeptCharacter> characters_;
};

}  // namespace orvandel
