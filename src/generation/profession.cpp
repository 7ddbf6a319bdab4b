#include "generation/profession.h"

#include <array>

#include "core/number.h"
#include "generation/names.h"

namespace orvandel {
namespace {

enum class SubRoll { kNone, kFighter, kSailor };

// A band of the profession roll: from the previous band's upper bound
// (excluded) to its own (included). The first band is open below.
struct Band {
  double upper;
  std::string_view name;  // empty where a sub-roll names the profession
  SubRoll subRoll = SubRoll::kNone;
};

constexpr auto kBands = std::to_array<Band>({
    {20, {}, SubRoll::kFighter},
    {30, names::kMarchand},
    {45, {}, SubRoll::kSailor},
    {60, names::kChasseur},
    {65, names::kFermier},
    {70, names::kPretre},
    {75, names::kNoble},
    {85, names::kVoleur},
    {90, names::kMendiant},
    {100, names::kArtisan},
});

constexpr double kNobleIntelligenceForSecondProfession = 13;

// What the sub-rolls of the fighter and sailor bands decide.
struct SubRollOutcome {
  std::string_view name;
  std::string_view reason;
};

constexpr auto kSubRollOutcomes = std::to_array<SubRollOutcome>({
    {names::kAssassin, "d10 de 9 ou 10"},
    {names::kGuerrier, "d10 de 1 à 8"},
    {names::kSecond, "d10 de 9"},
    {names::kCapitain, "d10 autre que 9, puis d10 de 10"},
    {names::kMarin, "d10 autre que 9, puis d10 de 1 à 9"},
});

std::string_view fighterRoll(Dice& dice) { return dice.des(10) >= 9 ? names::kAssassin : names::kGuerrier; }

std::string_view bandName(const Band& band, Dice& dice) {
  switch (band.subRoll) {
    case SubRoll::kFighter:
      return fighterRoll(dice);
    case SubRoll::kSailor:
      return seaRoll(dice);
    case SubRoll::kNone:
      break;
  }
  return band.name;
}

}  // namespace

std::string classe(std::string_view profession, Dice& dice) {
  const double p = numberIn(profession);
  for (const Band& band : kBands)
    if (p <= band.upper) return std::string(bandName(band, dice));
  return {};
}

std::string_view subRollReason(std::string_view name) {
  for (const SubRollOutcome& outcome : kSubRollOutcomes)
    if (outcome.name == name) return outcome.reason;
  return {};
}

namespace {

// Why a noble's profession changes when it rolls a second one.
constexpr std::string_view kSecondProfessionReason = "seconde profession du noble, ";

// profession_nom := classe(profession); `change` says what it was before and
// why it changes, when it had a name already.
void writeProfession(Generation& g, std::string_view before, std::string_view change) {
  Personnage& sheet = g.sheet;
  sheet.profession_nom = classe(sheet.profession, g.dice);
  g.note(Stage::Profession, [&](Note& note) {
    note.subject(kProfessionStep).control("profession_nom");
    if (sheet.profession_nom.empty()) {
      note.result("aucune pour le jet ", sheet.profession, ", au-dessus de 100");
      return;
    }
    if (before == sheet.profession_nom)
      note.result("reste ");
    else if (!before.empty())
      note.result(before, " devient ");
    note.result(sheet.profession_nom, " (", change, "jet ", sheet.profession);
    if (const auto reason = subRollReason(sheet.profession_nom); !reason.empty()) note.result(", ", reason);
    note.result(")");
  });
}

}  // namespace

void nameProfession(Generation& g) { writeProfession(g, {}, {}); }

std::string_view seaRoll(Dice& dice) {
  if (dice.des(10) == 9) return names::kSecond;
  return dice.des(10) == 10 ? names::kCapitain : names::kMarin;
}

void nobleSecondProfession(Generation& g) {
  Personnage& sheet = g.sheet;
  const bool noble = sheet.profession_nom == names::kNoble;
  g.noblesse = noble && numberIn(sheet.intl_tot) >= kNobleIntelligenceForSecondProfession;
  if (noble)
    g.note(Stage::Profession, [&](Note& note) {
      const std::string threshold = writeWhole(kNobleIntelligenceForSecondProfession);
      note.subject("Seconde profession").result("Noble d'INTelligence totale ", sheet.intl_tot);
      if (g.noblesse)
        note.result(" (", threshold, " ou plus) : il en prend une seconde");
      else
        note.result(" (moins de ", threshold, ") : il n'en prend pas");
    });
  if (!g.noblesse) return;
  sheet.profession = writeWhole(g.dice.des(100));
  g.note(Stage::Profession, [&](Note& note) {
    note.subject(kProfessionRollStep).control("profession").result(sheet.profession);
  });
  writeProfession(g, names::kNoble, kSecondProfessionReason);
}

}  // namespace orvandel
