#include "roster/roster.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace orvandel {
namespace {

constexpr const char* kUnnamed = "Personnage";
constexpr const char* kNameSeparator = ", ";
constexpr const char* kNumberBefore = " (";
constexpr const char* kNumberAfter = ")";

// The Latin-1 letters from U+00C0 to U+00FF as a search compares them:
// lower case, without their accents (× and ÷ are no letters).
constexpr std::array<std::string_view, 64> kLatin1Folded = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // À-Ï
    "d", "n", "o", "o", "o", "o", "o",  "×", "o", "u", "u", "u", "u", "y", "th", "ss",  // Ð-ß
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // à-ï
    "d", "n", "o", "o", "o", "o", "o",  "÷", "o", "u", "u", "u", "u", "y", "th", "y",   // ð-ÿ
};

// `text` as a search compares it: letters in lower case and without their
// accents, so that "eleve" finds "Élève" and "oeil" finds "Œil"; any other
// character as it stands.
std::string folded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
    // The code point of a two-byte sequence, or 0 for anything else.
    const unsigned point =
        (lead & 0xE0U) == 0xC0 && (next & 0xC0U) == 0x80 ? ((lead & 0x1FU) << 6) | (next & 0x3FU) : 0;
    if (lead < 0x80) {
      out += static_cast<char>(std::tolower(lead));
    } else if (point >= 0xC0 && point <= 0xFF) {
      out += kLatin1Folded[point - 0xC0];
      ++i;
    } else if (point == 0x152 || point == 0x153) {  // Œ œ
      out += "oe";
      ++i;
    } else if (point == 0x178) {  // Ÿ
      out += 'y';
      ++i;
    } else {
      out += static_cast<char>(lead);
    }
  }
  return out;
}

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
