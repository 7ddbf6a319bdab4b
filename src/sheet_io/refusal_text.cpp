#include "sheet_io/refusal_text.h"

#include <variant>

#include "core/excerpt.h"
#include "core/sheet_fields.h"
#include "layout/control_shows.h"

namespace orvandel {

std::string refusalDetail(const Refusal& refusal, const Personnage& sheet) {
  Personnage copy = sheet;
  const auto field = findField(copy, refusal.field);
  const std::string typed = field ? *std::get<std::string*>(*field) : std::string();
  std::string why;
  switch (refusal.reason) {
    case RefusalReason::Empty:
      why = "est vide";
      break;
    case RefusalReason::NotANumber:
      why = "ne contient pas un nombre : " + excerpt(typed);
      break;
    case RefusalReason::OutOfRange:
      why = "contient " + excerpt(typed) + ", hors de " + std::to_string(-kTypedLimit) + ".." +
            std::to_string(kTypedLimit);
      break;
  }
  return "la case " + refusal.field + " (" + controlShows(refusal.field) + ") " + why;
}

std::string refusalSentence(const Refusal& refusal, const Personnage& sheet) {
  std::string sentence = refusalDetail(refusal, sheet);
  sentence[0] = 'L';  // the detail begins "la case"
  return sentence;
}

std::string refusalLine(const Refusal& refusal, const Personnage& sheet) {
  return std::string(refusal.message) + " : " + refusalDetail(refusal, sheet);
}

}  // namespace orvandel
