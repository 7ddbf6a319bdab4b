#include "roster/roster.h"

#include <algorithm>
#include <string>

#include "core/folded_text.h"

namespace orvandel {
namespace {

constexpr const char* kUnnamed = "Personnage";
constexpr const char* kNameSeparator = ", ";
constexpr const char* kNumberBefore = " (";
constexpr const char* kNumberAfter = ")";

}  // namespace

std::string proposedName(const Personnage& sheet) {
  std::string name = sheet.profession_nom;
  if (!name.empty() && !sheet.nationalite_nom.empty()) name += kNameSeparator;
  name += sheet.nationalite_nom;
  return name.empty() ? kUnnamed : name;
}

std::string Roster::distinctName(const std::string& name) const {
  const auto taken = [this](const std::string& wanted) {
    return std::any_of(characters_.begin(), characters_.end(),
                       [&wanted](const KeptCharacter& c) { return c.name == wanted; });
  };
  std::string distinct = name;
  for (int number = 2; taken(distinct); ++number)
    distinct = name + kNumberBefore + std::to_string(number) + kNumberAfter;
  return distinct;
}

std::size_t Roster::keep(std::string name, Personnage sheet) {
  characters_.push_back({distinctName(name), std::move(sheet)});
  return characters_.size() - 1;
}

void Roster::keepAll(std::vector<KeptCharacter> characters) {
  characters_.reserve(characters_.size() + characters.size());
  for (KeptCharacter& character : characters) keep(std::move(character.name), std::move(character.sheet));
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

RosterSearch::RosterSearch(std::string_view words) : wanted_(folded(words)) {}

bool RosterSearch::finds(const KeptCharacter& character) const {
  for (const std::string* text :
       {&character.name, &character.sheet.profession_nom, &character.sheet.nationalite_nom})
    if (folded(*text).find(wanted_) != std::string::npos) return true;
  return false;
}

std::vector<std::size_t> Roster::search(std::string_view words) const {
  const RosterSearch search(words);
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < characters_.size(); ++i)
    if (search.finds(characters_[i])) found.push_back(i);
  return found;
}

}  // namespace orvandel
