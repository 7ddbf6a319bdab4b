#include "roster/roster.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace orvandel {
namespace {

constexpr const char* kUnnamed = "Personnage";
constexpr const char* kNameSeparator = ", ";

// Letters of the ASCII range folded to lower case; accented letters are
// compared as written.
std::string folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string proposedName(const Personnage& sheet) {
  std::string name = sheet.profession_nom;
  if (!name.empty() && !sheet.nationalite_nom.empty()) name += kNameSeparator;
  name += sheet.nationalite_nom;
  return name.empty() ? kUnnamed : name;
}

std::size_t Roster::keep(std::string name, Personnage sheet) {
  characters_.push_back({std::move(name), std::move(sheet)});
  return characters_.size() - 1;
}

void Roster::keepAll(std::vector<KeptCharacter> characters) {
  characters_.insert(characters_.end(), std::make_move_iterator(characters.begin()),
                     std::make_move_iterator(characters.end()));
}

void Roster::rename(std::size_t at, std::string name) { characters_.at(at).name = std::move(name); }

void Roster::update(std::size_t at, Personnage sheet) { characters_.at(at).sheet = std::move(sheet); }

KeptCharacter Roster::remove(std::size_t at) {
  KeptCharacter removed = std::move(characters_.at(at));
  characters_.erase(characters_.begin() + static_cast<std::ptrdiff_t>(at));
  return removed;
}

void Roster::restore(std::size_t at, KeptCharacter character) {
  characters_.insert(characters_.begin() + static_cast<std::ptrdiff_t>(std::min(at, characters_.size())),
                     std::move(character));
}

std::vector<std::size_t> Roster::search(std::string_view words) const {
  const std::string wanted = folded(words);
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < characters_.size(); ++i) {
    const KeptCharacter& c = characters_[i];
    for (const std::string* text : {&c.name, &c.sheet.profession_nom, &c.sheet.nationalite_nom})
      if (folded(*text).find(wanted) != std::string::npos) {
        found.push_back(i);
        break;
      }
  }
  return found;
}

}  // namespace orvandel
