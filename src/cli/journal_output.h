// The roll journal of orvandel-cli (--journal, --journal-json): written on
// standard error, one entry a line, so that the sheets on standard output
// stay as they are.
#pragma once

#include <iosfwd>
#include <optional>

#include "generation/journal.h"

namespace orvandel {

enum class JournalForm { None, Text, Json };

// Writes `journal` as French lines or JSON Lines. `sheet` numbers the sheet
// of a generation among `count`: a text batch puts each sheet's journal under
// its number, and every JSON entry of a generation carries it.
void writeJournal(std::ostream& err, JournalForm form, const Journal& journal,
                  std::optional<long long> sheet = {}, long long count = 1);

}  // namespace orvandel
