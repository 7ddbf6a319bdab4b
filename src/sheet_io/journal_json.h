// A journal entry as JSON, for programs that read the journal: the stage
// ("etape"), what the step decides ("objet"), the control it writes
// ("case", when there is one), the dice as [faces, valeur] pairs ("jets",
// empty for a typed value), the French result ("resultat") and the whole
// French line ("ligne").
#pragma once

#include <optional>
#include <string>

#include "generation/journal.h"

namespace orvandel {

// One object on one line, UTF-8 unescaped; with `sheet`, a "fiche" key
// first that numbers the sheet of a batch the entry belongs to.
std::string journalEntryToJson(const JournalEntry& entry, std::optional<long long> sheet = std::nullopt);

}  // namespace orvandel
