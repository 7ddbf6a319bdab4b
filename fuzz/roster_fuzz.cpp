// Any text given to the roster's import: it never fails outright, and the
// characters it keeps, written back as a roster file, read again as the
// same characters with nothing left out.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "roster/roster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvandel::ImportedCharacters imported = orvandel::importCharacters(text);
  const orvandel::ImportedCharacters again =
      orvandel::importCharacters(orvandel::rosterToJson(imported.characters));
  if (!again.problems.empty() || again.characters != imported.characters) std::abort();
  return 0;
}
