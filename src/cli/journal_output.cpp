#include "cli/journal_output.h"

#include <ostream>
#include <string>

#include "sheet_io/journal_json.h"

namespace orvandel {

void writeJournal(std::ostream& err, JournalForm form, const Journal& journal, std::optional<long long> sheet,
                  long long count) {
  if (form == JournalForm::Json) {
    for (const JournalEntry& entry : journal) err << journalEntryToJson(entry, sheet) << '\n';
    return;
  }
  if (form != JournalForm::Text) return;
  if (sheet && count > 1) err << "Fiche " << *sheet << " sur " << count << '\n';
  for (const JournalEntry& entry : journal) err << journalLine(entry) << '\n';
}

}  // namespace orvandel
