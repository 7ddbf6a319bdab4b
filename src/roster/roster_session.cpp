#include "roster/roster_session.h"

#include <algorithm>
#include <array>

namespace orvandel {
namespace {

constexpr const char* kNoName = "Donnez un nom au personnage.";
constexpr const char* kNothingOpened =
    "Ouvrez d’abord un personnage de la liste : « Mettre à jour » le remplace par la fiche affichée.";
constexpr const char* kGone = "Ce personnage n’est plus dans la liste.";
constexpr const char* kNothingRolled =
    "La fiche est vierge : tirez d’abord un personnage (un clic sur le titre, ou les cases bleues "
    "remplies puis « Saisie/Reroll »), puis gardez-le.";

// French counts none or one in the singular.
constexpr const char* kImportedOne = "« %s » : %n personnage importé.";
constexpr const char* kImportedMany = "« %s » : %n personnages importés.";
constexpr const char* kLeftOut = " Laissés de côté :";

constexpr const char* kNameFromFacts = " — ";
constexpr const char* kFactSeparator = " · ";

// Every space Unicode has, in UTF-8: a name pasted from a text or typed
// with the French keyboard's unbreakable spaces is trimmed as well.
constexpr std::array<std::string_view, 25> kSpaces = {
    " ",      "\t",     "\n",     "\v",     "\f",     "\r",     "\u0085", "\u00A0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000",
};

// The length of the space that `text` starts (or ends) with; 0 for none.
std::size_t spaceLength(std::string_view text, bool atEnd) {
  for (const std::string_view space : kSpaces)
    if (atEnd ? text.ends_with(space) : text.starts_with(space)) return space.size();
  return 0;
}

// The name as the player meant it: without the spaces around it.
std::string trimmed(std::string_view name) {
  while (const std::size_t length = spaceLength(name, false)) name.remove_prefix(length);
  while (const std::size_t length = spaceLength(name, true)) name.remove_suffix(length);
  return std::string(name);
}

// The profession and nationality, unless the character is named after them.
std::string whoUnlessNamed(const KeptCharacter& character) {
  const Personnage& sheet = character.sheet;
  if (sheet.profession_nom.empty() && sheet.nationalite_nom.empty()) return {};
  std::string who = proposedName(sheet);
  return who == character.name ? std::string() : who;
}

}  // namespace

std::optional<std::string> RosterSession::keep(std::string_view name, Personnage sheet) {
  if (!holdsCharacter(sheet)) return kNothingRolled;
  std::string kept = trimmed(name);
  if (kept.empty()) return kNoName;
  const std::size_t at = roster_.size();
  if (listener_) listener_->aboutToInsert(at, at);
  opened_ = roster_.keep(std::move(kept), std::move(sheet));
  if (listener_) listener_->inserted();
  return std::nullopt;
}

std::optional<std::string> RosterSession::rename(std::size_t at, std::string_view name) {
  if (at >= roster_.size()) return kGone;
  std::string kept = trimmed(name);
  if (kept.empty()) return kNoName;
  roster_.rename(at, std::move(kept));
  if (listener_) listener_->changed(at);
  return std::nullopt;
}

std::optional<std::string> RosterSession::update(Personnage sheet) {
  if (!opened_) return kNothingOpened;
  roster_.update(*opened_, std::move(sheet));
  if (listener_) listener_->changed(*opened_);
  return std::nullopt;
}

std::optional<std::string> RosterSession::open(std::size_t at) {
  if (at >= roster_.size()) return kGone;
  opened_ = at;
  return std::nullopt;
}

std::optional<std::string> RosterSession::remove(std::size_t at) {
  if (at >= roster_.size()) return kGone;
  if (listener_) listener_->aboutToRemove(at);
  removed_.emplace_back(at, roster_.remove(at));
  if (opened_ == at)
    opened_.reset();
  else if (opened_ && *opened_ > at)
    --*opened_;
  if (listener_) listener_->removed();
  return std::nullopt;
}

std::optional<std::size_t> RosterSession::undoRemoval() {
  if (removed_.empty()) return std::nullopt;
  auto [at, character] = std::move(removed_.back());
  removed_.pop_back();
  at = std::min(at, roster_.size());
  if (listener_) listener_->aboutToInsert(at, at);
  if (opened_ && *opened_ >= at) ++*opened_;
  roster_.restore(at, std::move(character));
  if (listener_) listener_->inserted();
  return at;
}

std::size_t RosterSession::keepAll(std::vector<KeptCharacter> characters) {
  const std::size_t added = characters.size();
  if (added == 0) return 0;
  const std::size_t first = roster_.size();
  if (listener_) listener_->aboutToInsert(first, first + added - 1);
  roster_.keepAll(std::move(characters));
  if (listener_) listener_->inserted();
  return added;
}

std::string importSummary(std::string_view fileName, std::size_t added, bool someLeftOut) {
  std::string text = added > 1 ? kImportedMany : kImportedOne;
  text.replace(text.find("%s"), 2, fileName);
  text.replace(text.find("%n"), 2, std::to_string(added));
  return someLeftOut ? text + kLeftOut : text;
}

std::string summary(const KeptCharacter& character) {
  std::string text = whoUnlessNamed(character);
  for (const auto& [label, value] :
       {std::pair{"PV ", &character.sheet.pv}, std::pair{"SAN ", &character.sheet.san}}) {
    if (value->empty()) continue;
    if (!text.empty()) text += kFactSeparator;
    text += label;
    text += *value;
  }
  return text;
}

std::string summaryLine(const KeptCharacter& character) {
  const std::string facts = summary(character);
  if (facts.empty()) return character.name;
  return character.name + (whoUnlessNamed(character).empty() ? kFactSeparator : kNameFromFacts) + facts;
}

}  // namespace orvandel
