#include "roster/roster_file.h"

#include <nlohmann/json.hpp>
#include <variant>

#include "roster/roster_events.h"
#include "roster/roster_form.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

using namespace roster_form;

ImportedCharacters readJsonLines(std::string_view text) {
  ImportedCharacters imported;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    auto read = sheetForPlayer(line);
    if (auto* reason = std::get_if<std::string>(&read)) {
      imported.problems.push_back(problemAt("ligne", number, *reason));
      continue;
    }
    Personnage& kept = std::get<Personnage>(read);
    std::string name = proposedName(kept);
    imported.characters.push_back({std::move(name), std::move(kept)});
  }
  return imported;
}

}  // namespace

std::string rosterToJson(const std::vector<KeptCharacter>& characters) {
  nlohmann::json head = {{kFormatKey, kFormat}, {kVersionKey, kVersion}};
  std::string out = head.dump();
  out.pop_back();  // the closing brace: the characters follow
  out += ",\"";
  out += kCharactersKey;
  out += "\":[";
  const char* separator = "\n";
  for (const KeptCharacter& c : characters) {
    out += separator;
    separator = ",\n";
    out += "{\"";
    out += kNameKey;
    out += "\":" + nlohmann::json(c.name).dump() + ",\"";
    out += kSheetKey;
    out += "\":" + sheetToJson(c.sheet) + "}";
  }
  out += "\n]}\n";
  return out;
}

std::string rosterToJsonLines(const std::vector<KeptCharacter>& characters) {
  std::string out;
  for (const KeptCharacter& c : characters) out += sheetToJson(c.sheet) + "\n";
  return out;
}

ImportedCharacters importCharacters(std::string_view text) {
  if (text.size() > kLargestRoster) return {{}, {std::string(kRosterTooBig)}};
  // A roster file is one JSON document; JSON Lines are not (unless they hold
  // a single sheet, which then reads as one line).
  RosterEvents roster;
  if (nlohmann::json::sax_parse(text, &roster) && roster.isRoster()) return std::move(roster).result();
  return readJsonLines(text);
}

}  // namespace orvandel
