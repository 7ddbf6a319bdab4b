#include "sheet_io/sheet_reasons.h"

#include <nlohmann/json.hpp>

#include "core/excerpt.h"
#include "sheet_io/sheet_json.h"

namespace orvandel {

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
    case Problem::NotTickBox:
      break;
  }
  return "la case à cocher " + excerpt(error.control) + " doit valoir true ou false.";
}

namespace {

std::variant<Personnage, std::string> forPlayer(std::variant<Personnage, SheetError> read) {
  if (auto* error = std::get_if<SheetError>(&read)) return sheetErrorReason(*error);
  return std::get<Personnage>(std::move(read));
}

}  // namespace

std::variant<Personnage, std::string> sheetForPlayer(std::string_view json) {
  if (json.size() > kLargestSheet) return std::string("le fichier est bien trop gros.");
  return forPlayer(sheetFromJson(json));
}

std::variant<Personnage, std::string> sheetValueForPlayer(const nlohmann::json& value) {
  return forPlayer(sheetFromJsonValue(value));
}

}  // namespace orvandel
