#include "sheet_io/sheet_reasons.h"

#include <algorithm>

#include "core/excerpt.h"
#include "sheet_io/sheet_json.h"

namespace orvandel {

std::size_t charactersIn(std::string_view utf8) {
  constexpr unsigned char kContinuationMask = 0xC0;
  constexpr unsigned char kContinuation = 0x80;
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & kContinuationMask) != kContinuation;
  }));
}

std::string sheetErrorReason(const SheetError& error) {
  using Problem = SheetError::Problem;
  switch (error.problem) {
    case Problem::NotJson:
      return "ce n’est pas du JSON valide.";
    case Problem::NotAnObject:
      return "le JSON doit être un objet dont les clés sont les noms des cases.";
    case Problem::UnknownControl:
      return "la case " + excerpt(error.control) + " n’existe pas sur la fiche.";
    case Problem::NotText:
      return "la case " + excerpt(error.control) + " doit contenir un texte entre guillemets.";
    case Problem::TooLong:
      return "la case " + excerpt(error.control) + " contient " + std::to_string(error.length) +
             " caractères ; une case en tient au plus " + std::to_string(kLongestBoxText) + ".";
    case Problem::BadRecipe:
      return "la recette " + error.message;
    case Problem::NotTickBox:
      break;
  }
  return "la case à cocher " + excerpt(error.control) + " doit valoir true ou false.";
}

std::variant<Personnage, std::string> sheetForPlayer(std::string_view json) {
  if (json.size() > kLargestSheet) return std::string(kSheetTooBig);
  auto read = sheetFromJson(json);
  if (auto* error = std::get_if<SheetError>(&read)) return sheetErrorReason(*error);
  return std::get<Personnage>(std::move(read));
}

}  // namespace orvandel
