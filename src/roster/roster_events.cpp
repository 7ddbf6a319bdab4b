#include "roster/roster_events.h"

#include <utility>

#include "roster/roster_form.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

using namespace roster_form;

constexpr const char* kNewer =
    "cette liste vient d’une version plus récente d’Orvandel : mettez le programme à jour pour l’ouvrir.";
constexpr const char* kNotAnEntry = "ce n’est pas un personnage (un objet avec « nom » et « fiche »).";
constexpr const char* kNameNotText = "le nom doit être un texte entre guillemets.";
constexpr const char* kNoSheet = "la fiche (« fiche ») manque ou n’est pas un objet.";

}  // namespace

ImportedCharacters RosterEvents::result() && {
  if (newer_) return {{}, {kNewer}};
  if (!charactersListed_) return {{}, {kNotAnEntry}};
  return std::move(imported_);
}

// While a character's sheet is being read, every event is the sheet's.
template <typename Event>
bool RosterEvents::toSheet(Event event) {
  event(*sheet_);
  if (sheet_->finished()) {
    character_.sheet = std::move(*sheet_).result();
    sheet_.reset();
  }
  return true;
}

bool RosterEvents::null() {
  if (sheet_) return toSheet([](SheetEvents& s) { s.null(); });
  return scalar();
}

bool RosterEvents::boolean(bool value) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.boolean(value); });
  return scalar();
}

bool RosterEvents::number_integer(number_integer_t value) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.number_integer(value); });
  return scalar(nullptr, value > kVersion);
}

bool RosterEvents::number_unsigned(number_unsigned_t value) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.number_unsigned(value); });
  return scalar(nullptr, value > static_cast<number_unsigned_t>(kVersion));
}

bool RosterEvents::number_float(number_float_t value, const string_t& text) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.number_float(value, text); });
  return scalar();
}

bool RosterEvents::string(string_t& value) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.string(value); });
  return scalar(&value);
}

bool RosterEvents::binary(binary_t& value) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.binary(value); });
  return scalar();
}

bool RosterEvents::start_object(std::size_t size) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.start_object(size); });
  return opened(true);
}

bool RosterEvents::start_array(std::size_t size) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.start_array(size); });
  return opened(false);
}

bool RosterEvents::end_object() {
  if (sheet_) return toSheet([](SheetEvents& s) { s.end_object(); });
  return closed();
}

bool RosterEvents::end_array() {
  if (sheet_) return toSheet([](SheetEvents& s) { s.end_array(); });
  return closed();
}

bool RosterEvents::key(string_t& name) {
  if (sheet_) return toSheet([&](SheetEvents& s) { s.key(name); });
  if (skipped_ > 0) return true;
  awaited_ = Awaited::Nothing;
  if (depth_ == kRoster && name == kVersionKey) awaited_ = Awaited::Version;
  if (depth_ == kRoster && name == kCharactersKey) {
    awaited_ = Awaited::Characters;
    charactersKey_ = true;
  }
  if (depth_ == kCharacter && name == kNameKey) awaited_ = Awaited::Name;
  if (depth_ == kCharacter && name == kSheetKey) awaited_ = Awaited::Sheet;
  return true;
}

// A value that is neither an object nor an array: `text` for a string,
// `newer` for a whole number given as the version. A key given twice counts
// by its last value.
bool RosterEvents::scalar(std::string* text, std::optional<bool> newer) {
  if (skipped_ > 0) return true;
  const Awaited awaited = std::exchange(awaited_, Awaited::Nothing);
  switch (depth_) {
    case kRoster:
      // A version that is no whole number is none that this program wrote.
      if (awaited == Awaited::Version) newer_ = newer.value_or(true);
      if (awaited == Awaited::Characters) charactersListed_ = false;
      break;
    case kList:
      newCharacter();
      imported_.problems.push_back(problemAt("personnage", number_, kNotAnEntry));
      break;
    case kCharacter:
      if (awaited == Awaited::Name) {
        character_.nameNotText = text == nullptr;
        character_.name = text ? std::optional(std::move(*text)) : std::nullopt;
      }
      if (awaited == Awaited::Sheet) character_.sheet.reset();
      break;
    default:  // the whole document is one plain value: no roster
      break;
  }
  return true;
}

// An object or an array begins.
bool RosterEvents::opened(bool isObject) {
  if (skipped_ > 0) {
    ++skipped_;
    return true;
  }
  const Awaited awaited = std::exchange(awaited_, Awaited::Nothing);
  switch (depth_) {
    case kDocument:
      rootIsObject_ = isObject;
      if (isObject) {
        depth_ = kRoster;
        return true;
      }
      break;
    case kRoster:
      if (awaited == Awaited::Version) newer_ = true;
      if (awaited == Awaited::Characters) {
        charactersListed_ = !isObject;
        if (charactersListed_) {
          imported_ = {};
          number_ = 0;
          depth_ = kList;
          return true;
        }
      }
      break;
    case kList:
      newCharacter();
      if (isObject) {
        depth_ = kCharacter;
        return true;
      }
      imported_.problems.push_back(problemAt("personnage", number_, kNotAnEntry));
      break;
    default:
      if (awaited == Awaited::Sheet && isObject) {
        sheet_.emplace();
        return toSheet([](SheetEvents& s) { s.start_object(0); });
      }
      if (awaited == Awaited::Sheet) character_.sheet.reset();
      if (awaited == Awaited::Name) {
        character_.nameNotText = true;
        character_.name.reset();
      }
      break;
  }
  skipped_ = 1;  // what this value holds is nobody's
  return true;
}

bool RosterEvents::closed() {
  if (skipped_ > 0) {
    --skipped_;
    return true;
  }
  if (depth_ == kCharacter) characterRead();
  --depth_;
  return true;
}

void RosterEvents::newCharacter() {
  ++number_;
  character_ = {};
}

void RosterEvents::characterRead() {
  auto leftOut = [&](const std::string& reason) {
    imported_.problems.push_back(problemAt("personnage", number_, reason));
  };
  if (character_.nameNotText) return leftOut(kNameNotText);
  if (!character_.sheet) return leftOut(kNoSheet);
  if (const auto* error = std::get_if<SheetError>(&*character_.sheet))
    return leftOut(sheetErrorReason(*error));
  Personnage& kept = std::get<Personnage>(*character_.sheet);
  std::string name = character_.name.value_or(std::string());
  if (name.empty()) name = proposedName(kept);
  imported_.characters.push_back({std::move(name), std::move(kept)});
}

}  // namespace orvandel
