#include "sheet_io/journal_json.h"

#include <nlohmann/json.hpp>

namespace orvandel {

std::string journalEntryToJson(const JournalEntry& entry, std::optional<long long> sheet) {
  nlohmann::ordered_json object;
  if (sheet) object["fiche"] = *sheet;
  object["etape"] = stageName(entry.stage);
  object["objet"] = entry.subject;
  if (!entry.control.empty()) object["case"] = entry.control;
  object["jets"] = nlohmann::ordered_json::array();
  for (const JournalRoll& roll : entry.rolls) object["jets"].push_back({roll.faces, roll.value});
  object["resultat"] = entry.result;
  object["ligne"] = journalLine(entry);
  return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace orvandel
