#include "session/outcome.h"

#include <cmath>

#include "roster/roster.h"
#include "roster/roster_session.h"
#include "sheet_io/refusal_text.h"

namespace orvandel {
namespace {

std::string spareRolls(const Personnage& sheet) {
  return sheet.des_comp.empty() ? std::string() : " ; Suplé. " + sheet.des_comp;
}

std::string percent(double zoom) { return std::to_string(std::lround(zoom * 100)) + " %"; }

}  // namespace

std::string entryOutcome(const std::optional<Refusal>& refusal, const Personnage& sheet) {
  if (refusal) return refusalLine(*refusal, sheet);
  return "Personnage tiré : " + summary(KeptCharacter{{}, sheet}) + spareRolls(sheet);
}

std::string improvementOutcome(bool spent, const Personnage& sheet, const Journal& journal) {
  if (!spent) return "Aucun jet d’amélioration à dépenser (Suplé. " + sheet.des_comp + ")";
  const JournalEntry click = journal.back();
  return std::string(click.subject) + " : " + std::string(click.result);
}

std::string stepOutcome(bool redo) { return redo ? "Action rétablie" : "Action annulée"; }

std::string zoomOutcome(double zoom, ZoomEnd end, bool changed) {
  const char* extreme = end == ZoomEnd::Largest ? "grand" : "petit";
  if (end == ZoomEnd::Between) return "Zoom " + percent(zoom);
  if (!changed) return std::string("Zoom déjà au plus ") + extreme + " (" + percent(zoom) + ")";
  return "Zoom " + percent(zoom) + " (le plus " + extreme + ")";
}

std::string savedOutcome(std::string_view fileName) { return "Fiche enregistrée : " + std::string(fileName); }

std::string openedOutcome(std::string_view fileName) { return "Fiche ouverte : " + std::string(fileName); }

std::string copiedOutcome() { return "Fiche copiée en texte dans le presse-papiers"; }

std::string keptOutcome(std::string_view name) { return "Personnage gardé : " + std::string(name); }

std::string rosterOpenedOutcome(std::string_view name) { return "Personnage ouvert : " + std::string(name); }

}  // namespace orvandel
