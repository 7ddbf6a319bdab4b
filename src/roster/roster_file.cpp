#include "roster/roster_file.h"

#include <nlohmann/json.hpp>
#include <variant>

#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

// The roster file's keys, and the version that this program writes.
constexpr const char* kFormatKey = "format";
constexpr const char* kFormat = "orvandel-personnages";
constexpr const char* kVersionKey = "version";
constexpr int kVersion = 1;
constexpr const char* kCharactersKey = "personnages";
constexpr const char* kNameKey = "nom";
constexpr const char* kSheetKey = "fiche";

constexpr const char* kTooBig =
    "le fichier est bien trop gros pour une liste de personnages (16 Mio au plus).";
constexpr const char* kNewer =
    "cette liste vient d’une version plus récente d’Orvandel : mettez le programme à jour pour l’ouvrir.";
constexpr const char* kNotAnEntry = "ce n’est pas un personnage (un objet avec « nom » et « fiche »).";
constexpr const char* kNameNotText = "le nom doit être un texte entre guillemets.";
constexpr const char* kNoSheet = "la fiche (« fiche ») manque ou n’est pas un objet.";

std::string problemAt(const char* where, std::size_t number, const std::string& reason) {
  return std::string(where) + " " + std::to_string(number) + " : " + reason;
}

bool isRosterFile(const nlohmann::json& document) {
  return document.is_object() && document.contains(kCharactersKey);
}

ImportedCharacters readRosterFile(const nlohmann::json& document) {
  ImportedCharacters imported;
  if (const auto version = document.find(kVersionKey);
      version != document.end() && (!version->is_number_integer() || version->get<int>() > kVersion)) {
    imported.problems.emplace_back(kNewer);
    return imported;
  }
  const auto& entries = document[kCharactersKey];
  if (!entries.is_array()) {
    imported.problems.emplace_back(kNotAnEntry);
    return imported;
  }
  std::size_t number = 0;
  for (const auto& entry : entries) {
    ++number;
    if (!entry.is_object()) {
      imported.problems.push_back(problemAt("personnage", number, kNotAnEntry));
      continue;
    }
    const auto name = entry.find(kNameKey);
    if (name != entry.end() && !name->is_string()) {
      imported.problems.push_back(problemAt("personnage", number, kNameNotText));
      continue;
    }
    const auto sheet = entry.find(kSheetKey);
    if (sheet == entry.end() || !sheet->is_object()) {
      imported.problems.push_back(problemAt("personnage", number, kNoSheet));
      continue;
    }
    auto read = sheetValueForPlayer(*sheet);
    if (auto* reason = std::get_if<std::string>(&read)) {
      imported.problems.push_back(problemAt("personnage", number, *reason));
      continue;
    }
    Personnage& kept = std::get<Personnage>(read);
    std::string shownName = name == entry.end() ? std::string() : name->get<std::string>();
    if (shownName.empty()) shownName = proposedName(kept);
    imported.characters.push_back({std::move(shownName), std::move(kept)});
  }
  return imported;
}

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
  if (text.size() > kLargestRoster) return {{}, {kTooBig}};
  // A roster file is one JSON document; JSON Lines are not (unless they hold
  // a single sheet, which then reads as one line).
  auto document = nlohmann::json::parse(text, nullptr, false);
  if (!document.is_discarded() && isRosterFile(document)) return readRosterFile(document);
  return readJsonLines(text);
}

}  // namespace orvandel
