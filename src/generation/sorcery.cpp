#include "generation/sorcery.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/number.h"
#include "generation/names.h"
#include "generation/profession.h"
#include "generation/skills.h"

namespace orvandel {
namespace {

constexpr std::string_view kAucuneCapacite = "Aucune capacité en Magie";
constexpr std::string_view kCapacites = "Capacités de Sorcier";

// Below this sum of intelligence and power, or this intelligence, nobody
// works sorcery.
constexpr long long kCapableSum = 32;
constexpr double kCapableIntl = 15;

// Professions whose own chance replaces the one of their people.
struct ProfessionChance {
  std::string_view profession;
  int chance;
};

constexpr auto kProfessionChances = std::to_array<ProfessionChance>({
    {names::kPretreAssassin, 100},
    {names::kPretreGuerrier, 100},
    {names::kPretre, 100},
    {names::kMarchand, 50},
    {names::kNoble, 50},
});

// What a summoning ability starts at: elementals "50", demons and virtues a
// multiple of intelligence, lords "1".
enum class Grant { Fifty, FourIntl, ThreeIntl, One };

// One ability written by a rank: the slot `base` itself (kFixed), or base +
// des(faces). A beast-lord pick is made only for a sorcerer of the Veskarée.
constexpr int kFixed = 0;

struct Pick {
  int base;
  int faces;
  Grant grant;
  bool veskareeOnly = false;
};

constexpr auto kRank1 = std::to_array<Pick>({
    {50, 4, Grant::Fifty},
});

constexpr auto kRank2 = std::to_array<Pick>({
    {50, 4, Grant::Fifty},
    {50, 4, Grant::Fifty},
    {54, 10, Grant::FourIntl},
    {54, 10, Grant::ThreeIntl},
});

constexpr auto kRank3 = std::to_array<Pick>({
    {50, 2, Grant::Fifty},
    {50, 4, Grant::Fifty},
    {52, 2, Grant::Fifty},
    {54, 5, Grant::FourIntl},
    {59, 5, Grant::ThreeIntl},
    {54, 10, Grant::ThreeIntl},
    {66, 4, Grant::One},
});

// The elementals, demons and elemental lords that ranks 4 and 5 share.
constexpr auto kMasterPicks = std::to_array<Pick>({
    {51, kFixed, Grant::Fifty},
    {52, kFixed, Grant::Fifty},
    {53, kFixed, Grant::Fifty},
    {54, kFixed, Grant::Fifty},
    {55, kFixed, Grant::FourIntl},
    {56, kFixed, Grant::ThreeIntl},
    {57, kFixed, Grant::ThreeIntl},
    {58, kFixed, Grant::ThreeIntl},
    {59, kFixed, Grant::ThreeIntl},
    {60, kFixed, Grant::ThreeIntl},
    {66, 2, Grant::One},
    {68, 2, Grant::One},
});

constexpr auto kRank4Own = std::to_array<Pick>({
    {70, 3, Grant::One, true},
});

constexpr auto kRank5Own = std::to_array<Pick>({
    {71, kFixed, Grant::One, true},
    {72, kFixed, Grant::One, true},
    {73, kFixed, Grant::One, true},
    {64, 2, Grant::One},
});

template <std::size_t N, std::size_t M>
constexpr std::array<Pick, N + M> concat(const std::array<Pick, N>& first, const std::array<Pick, M>& then) {
  std::array<Pick, N + M> all{};
  std::copy(first.begin(), first.end(), all.begin());
  std::copy(then.begin(), then.end(), all.begin() + N);
  return all;
}

constexpr auto kRank4 = concat(kMasterPicks, kRank4Own);
constexpr auto kRank5 = concat(kMasterPicks, kRank5Own);

// Ranks by the sum of intelligence and power: the last row the sum reaches.
struct Rank {
  long long from;
  std::string_view outcome;
  std::span<const Pick> picks;
};

constexpr auto kRanks = std::to_array<Rank>({
    {32, "Sorcier Rang 1", kRank1},
    {36, "Sorcier Rang 2", kRank2},
    {40, "Sorcier Rang 3", kRank3},
    {44, "Sorcier Rang 4", kRank4},
    {48, "Sorcier Rang 5", kRank5},
});

// A sorcerer of these peoples is taken into the priesthood; an empty `from`
// takes any profession. The rows apply one after another.
struct Ordination {
  std::string_view nationalite;
  std::string_view from;
  std::string_view to;
};

constexpr auto kOrdinations = std::to_array<Ordination>({
    {names::kKorDuvan, names::kGuerrier, names::kPretre},
    {names::kKorDuvan, names::kAssassin, names::kPretre},
    {names::kKorDuvan, names::kNobleGuerrier, names::kNoblePretre},
    {names::kKorDuvan, names::kNobleAssassin, names::kNoblePretre},
    {names::kUlvareth, names::kGuerrier, names::kPretre},
    {names::kUlvareth, names::kAssassin, names::kPretre},
    {names::kTalvane, "", names::kPretre},
});

// A strong Talvane priest serves as a warrior priest.
constexpr long long kTalvaneWarriorForc = 13;

int professionChance(const Personnage& sheet, int chance) {
  for (const ProfessionChance& row : kProfessionChances)
    if (sheet.profession_nom == row.profession) chance = row.chance;
  return chance;
}

const Rank& rankFor(long long s) {
  const Rank* rank = &kRanks.front();
  for (const Rank& row : kRanks)
    if (s >= row.from) rank = &row;
  return *rank;
}

std::string grantValue(Grant grant, double intl_tot) {
  switch (grant) {
    case Grant::Fifty:
      return "50";
    case Grant::FourIntl:
      return writeWhole(4 * intl_tot);
    case Grant::ThreeIntl:
      return writeWhole(3 * intl_tot);
    case Grant::One:
      break;
  }
  return "1";
}

void writePicks(Generation& g, std::span<const Pick> picks, double intl_tot) {
  const bool veskaree = g.sheet.nationalite_nom == names::kVeskaree;
  for (const Pick& pick : picks) {
    if (pick.veskareeOnly && !veskaree) continue;
    const int slot = pick.faces == kFixed ? pick.base : pick.base + g.dice.des(pick.faces);
    g.sheet.Text1(slot) = grantValue(pick.grant, intl_tot);
    g.note(Stage::Sorcellerie, [&](Note& note) {
      note.subject(catalogueName(slot)).control("Text1(", slot, ")").result(g.sheet.Text1(slot));
    });
  }
}

bool isRank(std::string_view outcome) {
  return std::any_of(kRanks.begin(), kRanks.end(), [&](const Rank& rank) { return rank.outcome == outcome; });
}

void ordain(Generation& g) {
  Personnage& sheet = g.sheet;
  const std::string before = sheet.profession_nom;
  for (const Ordination& row : kOrdinations)
    if (sheet.nationalite_nom == row.nationalite && (row.from.empty() || sheet.profession_nom == row.from))
      sheet.profession_nom = row.to;
  const bool strong =
      sheet.nationalite_nom == names::kTalvane && wholeIn(sheet.forc_tot) >= kTalvaneWarriorForc;
  if (strong) sheet.profession_nom = names::kPretreGuerrier;
  if (sheet.profession_nom == before) return;
  g.note(Stage::Sorcellerie, [&](Note& note) {
    note.subject(kProfessionStep)
        .control("profession_nom")
        .result(before, " devient ", sheet.profession_nom, " (sorcier de ", sheet.nationalite_nom);
    if (strong) note.result(", FORce totale ", sheet.forc_tot, ", ", kTalvaneWarriorForc, " ou plus");
    note.result(")");
  });
}

}  // namespace

std::string magie(Generation& g, double intl_tot, double pou_tot, int chance_magie) {
  const long long s =
      static_cast<long long>(std::floor(intl_tot)) + static_cast<long long>(std::floor(pou_tot));
  const bool capable = s >= kCapableSum && intl_tot >= kCapableIntl;
  g.note(Stage::Sorcellerie, [&](Note& note) {
    note.subject("Capacité")
        .result("INTelligence ", writeWhole(intl_tot), " + POUvoir ", writeWhole(pou_tot), " = ", s,
                " (il faut ", kCapableSum, " et une INTelligence de ", writeWhole(kCapableIntl),
                ") : ", capable ? "capable" : kAucuneCapacite);
  });
  if (!capable) return std::string(kAucuneCapacite);
  const int peopleChance = chance_magie;
  chance_magie = professionChance(g.sheet, chance_magie);
  g.note(Stage::Sorcellerie, [&](Note& note) {
    note.subject(kSorceryChanceStep).result(chance_magie, " %");
    if (chance_magie != peopleChance) note.result(" (profession ", g.sheet.profession_nom, ")");
  });
  const int roll = g.dice.des(100);
  const Rank& rank = rankFor(s);
  const bool sorcerer = roll <= chance_magie;
  g.note(Stage::Sorcellerie, [&](Note& note) {
    note.subject("Jet de sorcellerie")
        .control("sorcier")
        .result(roll, sorcerer ? ", au plus " : ", plus que ", chance_magie, " : ",
                sorcerer ? rank.outcome : kCapacites);
  });
  if (!sorcerer) return std::string(kCapacites);
  writePicks(g, rank.picks, intl_tot);
  return std::string(rank.outcome);
}

void applySorcery(Generation& g) {
  Personnage& sheet = g.sheet;
  sheet.sorcier = magie(g, numberIn(sheet.intl_tot), numberIn(sheet.pou_tot), g.chance_magie);
  if (isRank(sheet.sorcier)) ordain(g);
}

int sorceryRank(std::string_view sorcier) {
  const auto rank = std::ranges::find(kRanks, sorcier, &Rank::outcome);
  return rank == kRanks.end() ? 0 : static_cast<int>(rank - kRanks.begin()) + 1;
}

bool lacksSorcery(std::string_view sorcier) { return sorcier == kAucuneCapacite; }

}  // namespace orvandel
