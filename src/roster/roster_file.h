// The roster as a file, the same for the window and the browser page: one
// JSON object that lists each character's name and sheet. Imports read it
// back, and read as well the JSON Lines of sheets that orvandel-cli writes,
// keeping every good character and saying, in French, why each bad one was
// left out.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "roster/roster.h"

namespace orvandel {

// A roster of a thousand characters is a few megabytes; a file much bigger
// than that is the wrong file.
inline constexpr std::size_t kLargestRoster = 16 << 20;
// Why a file past kLargestRoster is refused, worded as the other reasons.
inline constexpr std::string_view kRosterTooBig =
    "le fichier est bien trop gros pour une liste de personnages (16 Mio au plus).";

// The roster file: names and sheets, one character a line.
std::string rosterToJson(const std::vector<KeptCharacter>& characters);

// The sheets alone, one JSON object a line, as orvandel-cli writes a batch
// and as `orvandel-cli improve --sheet -` reads each line.
std::string rosterToJsonLines(const std::vector<KeptCharacter>& characters);

struct ImportedCharacters {
  std::vector<KeptCharacter> characters;
  // Why each character left out was left out, naming its line or its place:
  // "ligne 3 : ce n’est pas du JSON valide."
  std::vector<std::string> problems;
};

// The characters of a roster file or of JSON Lines of sheets (named from
// their sheets). A text past kLargestRoster is not read.
ImportedCharacters importCharacters(std::string_view text);

}  // namespace orvandel
