#include "group/conditions.h"

#include <algorithm>
#include <array>

#include "core/folded_text.h"
#include "core/nearest_name.h"
#include "core/number.h"
#include "generation/names.h"
#include "generation/nationality.h"
#include "generation/sorcery.h"

namespace orvandel {
namespace {

constexpr std::string_view kNoblePrefix = "Noble ";

// What the profession table names, then what nationalities and sorcery make
// of it, then what a noble of birth can be besides a "Noble": each second
// profession the table or sorcery gives, after the title.
constexpr auto kTableProfessions = std::to_array<std::string_view>({
    names::kGuerrier,
    names::kAssassin,
    names::kMarchand,
    names::kSecond,
    names::kCapitain,
    names::kMarin,
    names::kChasseur,
    names::kFermier,
    names::kPretre,
    names::kNoble,
    names::kVoleur,
    names::kMendiant,
    names::kArtisan,
});
constexpr auto kCompositeProfessions = std::to_array<std::string_view>({
    names::kNobleAssassin,
    names::kNobleGuerrier,
    names::kNoblePretre,
    names::kPretreGuerrier,
    names::kPretreAssassin,
    names::kChasseurGuerrier,
});

// "Héritier du trône": the title without the number that follows it.
constexpr std::string_view kHeir = names::kHeirTitle.substr(0, names::kHeirTitle.rfind(' '));

std::vector<std::string> professionNames() {
  std::vector<std::string> all(kTableProfessions.begin(), kTableProfessions.end());
  all.insert(all.end(), kCompositeProfessions.begin(), kCompositeProfessions.end());
  for (const std::string_view second : kTableProfessions) {
    const std::string titled = std::string(kNoblePrefix) + std::string(second);
    if (second != names::kNoble && std::ranges::find(all, titled) == all.end()) all.push_back(titled);
  }
  all.push_back(std::string(kNoblePrefix) + std::string(names::kPretreGuerrier));
  all.emplace_back(kHeir);
  return all;
}

bool holdsProfession(const Personnage& sheet, std::string_view name) {
  if (name == kHeir) return sheet.profession_nom.starts_with(names::kHeirTitle);
  return sheet.profession_nom == name;
}

bool meetsSorcery(const Personnage& sheet, Sorcery sorcery) {
  switch (sorcery) {
    case Sorcery::Any:
      return true;
    case Sorcery::Sorcerer:
      return sorceryRank(sheet.sorcier) > 0;
    case Sorcery::Capable:
      return !lacksSorcery(sheet.sorcier);
    case Sorcery::None:
      return lacksSorcery(sheet.sorcier);
  }
  return false;
}

bool within(int value, const Bound& bound) {
  return (!bound.min || value >= *bound.min) && (!bound.max || value <= *bound.max);
}

std::string listOf(std::span<const std::string_view> names) {
  std::string list;
  for (const auto name : names) list.append(list.empty() ? "" : ", ").append(name);
  return list;
}

NameReading readName(std::string_view typed, std::span<const std::string_view> known, std::string_view what) {
  const std::string wanted = folded(typed);
  for (const auto name : known)
    if (folded(name) == wanted) return {name, {}};
  std::string problem = std::string(what) + " inconnue « " + std::string(typed) + " »";
  if (const auto near = nearestName(typed, known)) problem.append(" ; la plus proche est ").append(*near);
  problem.append(" (connues : ").append(listOf(known)).append(")");
  return {std::nullopt, problem};
}

// "FORce 14 ou plus", "âge de 20 à 22", "SAN 40 ou moins".
std::string describeBound(const MeasureRow& row, const Bound& bound) {
  std::string text(row.caption);
  if (bound.min && bound.max && *bound.min == *bound.max)
    return text.append(" ").append(std::to_string(*bound.min));
  if (bound.min && bound.max)
    return text.append(" de ")
        .append(std::to_string(*bound.min))
        .append(" à ")
        .append(std::to_string(*bound.max));
  if (bound.min) return text.append(" ").append(std::to_string(*bound.min)).append(" ou plus");
  return text.append(" ").append(std::to_string(*bound.max)).append(" ou moins");
}

std::string boundProblem(const MeasureRow& row, const Bound& bound) {
  const std::string caption(row.caption);
  if (bound.min && bound.max && *bound.min > *bound.max)
    return caption + " d'au moins " + std::to_string(*bound.min) + " et d'au plus " +
           std::to_string(*bound.max) + " : aucun personnage ne peut remplir les deux";
  const std::string range = " : les règles donnent de " + std::to_string(row.lowest) + " à " +
                            std::to_string(row.highest) + " à un personnage tiré au hasard";
  if (bound.min && *bound.min > row.highest)
    return caption + " d'au moins " + std::to_string(*bound.min) + " impossible" + range;
  if (bound.max && *bound.max < row.lowest)
    return caption + " d'au plus " + std::to_string(*bound.max) + " impossible" + range;
  return "";
}

std::string alternatives(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i)
    text.append(i == 0 ? "" : i + 1 == names.size() ? " ou " : ", ").append(names[i]);
  return text;
}

// "de Stelmark", "d'Orthelm": French drops the e of "de" before a vowel.
std::string fromNationality(std::string_view nationality) {
  const std::string first = folded(nationality.substr(0, nationality.find(' '))).substr(0, 1);
  const bool vowel = !first.empty() && std::string_view("aeiouy").find(first[0]) != std::string_view::npos;
  return (vowel ? "d'" : "de ") + std::string(nationality);
}

}  // namespace

int measureOf(const Personnage& sheet, int measure) {
  if (measure < kCaracCount)
    return static_cast<int>(wholeIn(sheet.*kCharacteristics[static_cast<std::size_t>(measure)].total));
  switch (measure) {
    case kAge:
      return static_cast<int>(wholeIn(sheet.age));
    case kPv:
      return static_cast<int>(wholeIn(sheet.pv));
    case kSan:
      return static_cast<int>(wholeIn(sheet.san));
    default:
      return sorceryRank(sheet.sorcier);
  }
}

std::vector<Clause> clausesOf(const Conditions& conditions) {
  std::vector<Clause> clauses;
  if (const auto& professions = conditions.professions; !professions.empty())
    clauses.push_back({alternatives(professions), [professions](const Personnage& sheet) {
                         return std::ranges::any_of(
                             professions, [&](const std::string& p) { return holdsProfession(sheet, p); });
                       }});
  if (const auto& nationalities = conditions.nationalities; !nationalities.empty()) {
    std::vector<std::string> from;
    for (const auto& n : nationalities) from.push_back(fromNationality(n));
    clauses.push_back({alternatives(from), [nationalities](const Personnage& sheet) {
                         return std::ranges::find(nationalities, sheet.nationalite_nom) !=
                                nationalities.end();
                       }});
  }
  for (const SorceryChoice& choice : kSorceryChoices)
    if (choice.value == conditions.sorcery && choice.value != Sorcery::Any)
      clauses.push_back({std::string(choice.label), [sorcery = choice.value](const Personnage& sheet) {
                           return meetsSorcery(sheet, sorcery);
                         }});
  for (int m = 0; m < kMeasureCount; ++m) {
    const Bound& bound = conditions.bounds[static_cast<std::size_t>(m)];
    if (bound.min || bound.max)
      clauses.push_back({describeBound(kMeasures[static_cast<std::size_t>(m)], bound),
                         [bound, m](const Personnage& sheet) { return within(measureOf(sheet, m), bound); }});
  }
  return clauses;
}

bool meets(const Personnage& sheet, const Conditions& conditions) {
  return std::ranges::all_of(clausesOf(conditions), [&](const Clause& c) { return c.test(sheet); });
}

std::span<const std::string_view> knownProfessions() {
  static const std::vector<std::string> kStored = professionNames();
  static const std::vector<std::string_view> kViews(kStored.begin(), kStored.end());
  return kViews;
}

std::span<const std::string_view> knownNationalities() { return nationalityNames(); }

NameReading readProfession(std::string_view typed) {
  return readName(typed, knownProfessions(), "profession");
}

NameReading readNationality(std::string_view typed) {
  return readName(typed, knownNationalities(), "nationalité");
}

std::string conditionsProblem(const Conditions& conditions) {
  for (const auto& name : conditions.professions)
    if (auto reading = readProfession(name); reading.name != name) return reading.problem;
  for (const auto& name : conditions.nationalities)
    if (auto reading = readNationality(name); reading.name != name) return reading.problem;
  for (int m = 0; m < kMeasureCount; ++m) {
    auto problem =
        boundProblem(kMeasures[static_cast<std::size_t>(m)], conditions.bounds[static_cast<std::size_t>(m)]);
    if (!problem.empty()) return problem;
  }
  if (conditions.sorcery == Sorcery::None && conditions.bounds[kRang].min.value_or(0) > 0)
    return "un rang de sorcier d'au moins " + std::to_string(*conditions.bounds[kRang].min) +
           " et aucune capacité en magie : aucun personnage ne peut remplir les deux";
  return "";
}

std::string describeConditions(const Conditions& conditions) {
  std::string text;
  for (const Clause& clause : clausesOf(conditions))
    text.append(text.empty() ? "" : ", ").append(clause.label);
  return text.empty() ? "sans condition" : text;
}

std::string proposedGroupName(const Conditions& conditions) {
  std::string name;
  if (conditions.professions.size() == 1) name = conditions.professions.front();
  if (!name.empty() && conditions.nationalities.size() == 1)
    name.append(" ").append(fromNationality(conditions.nationalities.front()));
  return name;
}

}  // namespace orvandel
