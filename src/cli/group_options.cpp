#include "cli/group_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>

#include "cli/command_line.h"
#include "core/excerpt.h"
#include "core/folded_text.h"
#include "group/conditions.h"
#include "group/group_search.h"

namespace orvandel {
namespace {

std::string measureKeys() {
  std::string keys;
  for (const MeasureRow& row : kMeasures) keys.append(keys.empty() ? "" : ", ").append(row.key);
  return keys;
}

// "FOR=14" into the bound of its measure; the problem otherwise.
std::string readBound(const std::string& typed, const char* option, bool isMin, Conditions& conditions) {
  const std::string refusal =
      std::string(option) + " attend MESURE=N, MESURE parmi " + measureKeys() + ", pas " + excerpt(typed);
  const auto equals = typed.find('=');
  if (equals == std::string::npos) return refusal;
  const std::string key = folded(typed.substr(0, equals));
  const auto row = std::ranges::find_if(kMeasures, [&](const MeasureRow& r) { return folded(r.key) == key; });
  const std::string_view number = std::string_view(typed).substr(equals + 1);
  int value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (row == kMeasures.end() || number.empty() || error != std::errc() ||
      end != number.data() + number.size())
    return refusal;
  Bound& bound = conditions.bounds[static_cast<std::size_t>(row - kMeasures.begin())];
  (isMin ? bound.min : bound.max) = value;
  return "";
}

std::string sorceryKeywords() {
  std::string words;
  for (const auto& choice : kSorceryChoices)
    if (!choice.keyword.empty()) words.append(words.empty() ? "" : ", ").append(choice.keyword);
  return words;
}

void append(std::string& out, std::span<const std::string_view> names) {
  for (const auto name : names) out.append(name).append("\n");
}

}  // namespace

bool TypedConditions::any() const {
  return !professions.empty() || !nationalities.empty() || magie || !minima.empty() || !maxima.empty();
}

void addConditionOptions(CLI::App& command, TypedConditions& typed) {
  command
      .add_option("--profession", typed.professions,
                  "ne garder que cette profession (répétable ; voir orvandel-cli names professions)")
      ->type_name("NOM");
  command
      .add_option("--nationalite", typed.nationalities,
                  "ne garder que cette nationalité (répétable ; voir orvandel-cli names nationalites)")
      ->type_name("NOM");
  command
      .add_option("--magie", typed.magie,
                  "ne garder que les sorciers ; --magie=capable : capables de magie, "
                  "--magie=aucune : sans aucune capacité")
      ->expected(0, 1)
      ->default_str("sorcier")
      ->type_name("");
  command.add_option("--min", typed.minima, "au moins N en MESURE (répétable) : " + measureKeys())
      ->type_name("MESURE=N");
  command.add_option("--max", typed.maxima, "au plus N en MESURE (répétable)")->type_name("MESURE=N");
  command
      .add_option("--nom", typed.groupName,
                  "le nom des personnages sur la page pnj : « Garde » donne Garde 1, Garde 2... "
                  "(par défaut la profession et la nationalité demandées)")
      ->type_name("NOM");
}

std::string readConditions(const TypedConditions& typed, Options& options) {
  if (typed.groupName) options.groupName = *typed.groupName;
  if (!typed.any()) return "";
  Conditions conditions;
  for (const auto& name : typed.professions) {
    const auto reading = readProfession(name);
    if (!reading.name) return reading.problem + " ; voir orvandel-cli names professions";
    conditions.professions.emplace_back(*reading.name);
  }
  for (const auto& name : typed.nationalities) {
    const auto reading = readNationality(name);
    if (!reading.name) return reading.problem + " ; voir orvandel-cli names nationalites";
    conditions.nationalities.emplace_back(*reading.name);
  }
  if (typed.magie) {
    const std::string wanted = typed.magie->empty() ? "sorcier" : folded(*typed.magie);
    const auto choice = std::ranges::find_if(
        kSorceryChoices, [&](const SorceryChoice& c) { return !c.keyword.empty() && c.keyword == wanted; });
    if (choice == kSorceryChoices.end())
      return "--magie attend " + sorceryKeywords() + ", pas " + excerpt(*typed.magie);
    conditions.sorcery = choice->value;
  }
  for (const auto& bound : typed.minima)
    if (auto problem = readBound(bound, "--min", true, conditions); !problem.empty()) return problem;
  for (const auto& bound : typed.maxima)
    if (auto problem = readBound(bound, "--max", false, conditions); !problem.empty()) return problem;
  if (auto problem = conditionsProblem(conditions); !problem.empty()) return problem;
  if (options.typed) return "--typed ne se combine pas avec les conditions : un groupe se tire aux dés";
  if (options.count > kLargestGroup)
    return "un groupe compte au plus " + std::to_string(kLargestGroup) + " personnages (--count)";
  options.conditions = std::move(conditions);
  return "";
}

std::optional<std::string> nameListing(const std::string& list) {
  std::vector<std::string_view> sorcery, measures;
  for (const auto& choice : kSorceryChoices)
    if (!choice.keyword.empty()) sorcery.push_back(choice.keyword);
  for (const auto& row : kMeasures) measures.push_back(row.key);
  const std::array<std::pair<std::string_view, std::span<const std::string_view>>, 4> lists{{
      {"professions", knownProfessions()},
      {"nationalites", knownNationalities()},
      {"magie", sorcery},
      {"mesures", measures},
  }};
  std::string out;
  for (const auto& [name, names] : lists) {
    if (list == name) {
      append(out, names);
      return out;
    }
    if (!list.empty()) continue;
    out.append(out.empty() ? "" : "\n").append(name).append(" :\n");
    for (const auto entry : names) out.append("  ").append(entry).append("\n");
  }
  if (!list.empty()) return std::nullopt;
  return out;
}

}  // namespace orvandel
