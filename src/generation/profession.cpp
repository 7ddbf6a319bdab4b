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

std::string_view seaRoll(Dice& dice) {
  if (dice.des(10) == 9) return names::kSecond;
  return dice.des(10) == 10 ? names::kCapitain : names::kMarin;
}

void nobleSecondProfession(Generation& g) {
  Personnage& sheet = g.sheet;
  g.noblesse = sheet.profession_nom == names::kNoble &&
               numberIn(sheet.intl_tot) >= kNobleIntelligenceForSecondProfession;
  if (!g.noblesse) return;
  sheet.profession = writeWhole(g.dice.des(100));
  sheet.profession_nom = classe(sheet.profession, g.dice);
}

}  // namespace orvandel
