// What a game master asks of the characters of a group: professions,
// nationalities, sorcery and bounds on the numbers a GM reads at the table.
// A character meets the conditions or not; no rule is bent to reach them.
// Shared by orvandel-cli, the window and the browser page.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/sheet.h"

namespace orvandel {

// Which sorcery a character of the group must have.
enum class Sorcery {
  Any,       // no condition
  Sorcerer,  // a rank: the character casts
  Capable,   // a rank, or "Capacités de Sorcier"
  None,      // "Aucune capacité en Magie"
};

struct SorceryChoice {
  Sorcery value;
  std::string_view keyword;  // what the command line takes after --magie
  std::string_view label;    // how a list or a sentence names it
};

inline constexpr std::array<SorceryChoice, 4> kSorceryChoices{{
    {Sorcery::Any, "", "magie indifférente"},
    {Sorcery::Sorcerer, "sorcier", "sorcier (lance des sorts)"},
    {Sorcery::Capable, "capable", "capable de magie (sorcier ou non)"},
    {Sorcery::None, "aucune", "aucune capacité en magie"},
}};

// A number a bound can be put on: its key on the command line ("FOR"), its
// caption, and a range no random character leaves (3d6 and the largest
// racial dice; a priest's years of study; the age's 18 + 2d6), so that a
// bound no character can meet is refused before anything is rolled.
struct MeasureRow {
  std::string_view key;
  std::string_view caption;
  int lowest;
  int highest;
};

// The seven characteristic totals come first, at their Carac index.
enum Measure : int { kAge = kCaracCount, kPv, kSan, kRang, kMeasureCount };

inline constexpr std::array<MeasureRow, kMeasureCount> kMeasures{{
    {"FOR", "FORce", 1, 30},
    {"CON", "CONstitution", 1, 30},
    {"TAI", "TAIlle", 1, 30},
    {"DEX", "DEXtérité", 1, 30},
    {"INT", "INTelligence", 1, 31},
    {"POU", "POUvoir", 1, 30},
    {"CHA", "CHArisme", 1, 30},
    {"AGE", "âge", 20, 30},
    {"PV", "PV", -8, 48},
    {"SAN", "SAN", 5, 99},
    {"RANG", "rang de sorcier", 0, 5},
}};

// The value of `measure` on a generated sheet; a sorcerer's rank is 0 for a
// character who does not cast.
int measureOf(const Personnage& sheet, int measure);

struct Bound {
  std::optional<int> min;
  std::optional<int> max;

  bool operator==(const Bound&) const = default;
};

struct Conditions {
  std::vector<std::string> professions;    // any of them; none: any profession
  std::vector<std::string> nationalities;  // any of them; none: any nationality
  Sorcery sorcery = Sorcery::Any;
  std::array<Bound, kMeasureCount> bounds{};

  bool operator==(const Conditions&) const = default;
};

// One condition of a set as a GM reads it ("de Stelmark", "FORce 14 ou
// plus"), and the test a generated sheet passes or not.
struct Clause {
  std::string label;
  std::function<bool(const Personnage&)> test;
};
std::vector<Clause> clausesOf(const Conditions& conditions);

// Whether the generated `sheet` meets every condition. A profession matches
// the sheet's whole name; "Héritier du trône" matches every heir, whatever
// the number after the title.
bool meets(const Personnage& sheet, const Conditions& conditions);

// The names a condition accepts, as the rules write them: every profession
// a character can end with (composite and noble ones included) and the
// twenty nationalities, in the rules' order.
std::span<const std::string_view> knownProfessions();
std::span<const std::string_view> knownNationalities();

// The known name typed, with case and accents as the player likes ("pretre"
// is "Prêtre"); or the French reason it is refused, naming the nearest
// known name and listing them all.
struct NameReading {
  std::optional<std::string_view> name;
  std::string problem;
};
NameReading readProfession(std::string_view typed);
NameReading readNationality(std::string_view typed);

// Why no character can meet `conditions`, known before rolling: a name the
// rules do not write, a minimum above its maximum, a bound outside what the
// rules give (an age below 20). Empty when the search may begin.
std::string conditionsProblem(const Conditions& conditions);

// The conditions in a French phrase, for messages and the journal:
// "Guerrier, de Stelmark, FORce 14 ou plus".
std::string describeConditions(const Conditions& conditions);

// What the characters of a group are called until the GM names them: the
// one profession asked for, of the one nationality asked for ("Guerrier de
// Stelmark"); empty unless the conditions name a single profession.
std::string proposedGroupName(const Conditions& conditions);

}  // namespace orvandel
