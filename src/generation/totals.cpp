#include "generation/totals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/number.h"
#include "core/sheet_fields.h"
#include "generation/names.h"

namespace orvandel {
namespace {

constexpr int kBaseAge = 18;
constexpr const char* kAgeStep = "Âge";

// A priest older than 25 has studied one year for each year above it.
constexpr double kStudyStartAge = 25;
constexpr auto kStudyingPriests = std::to_array<std::string_view>(
    {names::kNoblePretre, names::kPretreAssassin, names::kPretreGuerrier, names::kPretre});

// Hit points gain a point for each unit of size above 12 and lose one for
// each unit below 10.
constexpr double kTallFrom = 12;
constexpr double kSmallUpTo = 10;

constexpr double kSanPerPou = 5;
constexpr double kSanCap = 99;

int threeD10(Dice& dice) { return dice.des(10) + dice.des(10) + dice.des(10); }

}  // namespace

void computeTotals(Generation& g) {
  for (std::size_t k = 0; k < kCharacteristics.size(); ++k) {
    const CharacteristicRow& row = kCharacteristics[k];
    g.sheet.*row.total = writeWhole(numberIn(g.sheet.*row.roll) + g.racial[k]);
    g.note(Stage::Totaux, [&](Note& note) {
      note.subject(row.caption)
          .control(fieldName(row.total))
          .result(g.sheet.*row.total, " (jet ", g.sheet.*row.roll, ", race ", Signed{g.racial[k]}, ")");
    });
  }
}

void rollAge(Generation& g) {
  const bool typed = g.entry == Entry::Typed;
  if (typed && !g.sheet.des_ok(kAgeSelector)) {
    g.note(Stage::Age,
           [&](Note& note) { note.subject(kAgeStep).control("age").result(g.sheet.age, ", ", kTyped); });
    return;
  }
  const int first = g.dice.des(6);
  const int second = g.dice.des(6);
  g.sheet.age = writeWhole(first + second + kBaseAge);
  g.note(Stage::Age, [&](Note& note) {
    note.subject(kAgeStep).control("age").result(g.sheet.age).dice(DiceReading::Summed);
    if (typed) note.result(", ", kRerolled);
    note.result(" (", kBaseAge, " + 2d6)");
  });
}

// In the typed entry the threshold stays the intelligence the priest began
// with; in the random entry the base box shows the whole total and each gain
// makes the next one harder.
void priestStudy(Generation& g) {
  Personnage& sheet = g.sheet;
  const double age = numberIn(sheet.age);
  if (age <= kStudyStartAge ||
      std::ranges::find(kStudyingPriests, sheet.profession_nom) == kStudyingPriests.end())
    return;
  const double typedThreshold = std::floor(numberIn(sheet.intl_tot));
  if (g.entry == Entry::Random) {
    sheet.intl = writeWhole(numberIn(sheet.intl_tot));
    g.note(Stage::Age, [&](Note& note) {
      note.subject("INTelligence").control("intl").result(sheet.intl, ", la case prend le total");
    });
  }
  const double years = age - kStudyStartAge;
  for (int k = 1; k <= years; ++k) {
    const int roll = threeD10(g.dice);
    const double threshold = g.entry == Entry::Typed ? typedThreshold : numberIn(sheet.intl_tot);
    const bool gain = roll >= threshold;
    if (gain) sheet.intl_tot = writeWhole(numberIn(sheet.intl_tot) + 1);
    g.note(Stage::Age, [&](Note& note) {
      note.subject("Étude du prêtre, année ", k)
          .control("intl_tot")
          .dice(DiceReading::Summed)
          .result("3d10 = ", roll, gain ? ", au moins " : ", moins de ", writeWhole(threshold),
                  gain ? " : INTelligence totale " : " : INTelligence totale reste ", sheet.intl_tot);
    });
  }
}

void computeVitals(Generation& g) {
  Personnage& sheet = g.sheet;
  double pv = std::floor(numberIn(sheet.con_tot));
  const double tai = numberIn(sheet.tai_tot);
  if (tai >= kTallFrom)
    pv = std::floor(tai) + std::floor(pv - kTallFrom);
  else if (tai <= kSmallUpTo)
    pv = pv - kSmallUpTo + std::floor(tai);
  sheet.pv = writeWhole(pv);
  sheet.blessure_majeure = writeWhole(pv / 2);
  g.note(Stage::Totaux, [&](Note& note) {
    note.subject("PV").control("pv").result(sheet.pv, " (CONstitution ", sheet.con_tot, ", TAIlle ",
                                            sheet.tai_tot, ")");
  });
  g.note(Stage::Totaux, [&](Note& note) {
    note.subject("Blessure Majeure")
        .control("blessure_majeure")
        .result(sheet.blessure_majeure, " (moitié des PV)");
  });

  const double san = std::floor(numberIn(sheet.pou_tot) * kSanPerPou);
  sheet.sft = writeWhole(san / 2);
  sheet.san = writeWhole(std::min(san, kSanCap));
  g.note(Stage::Totaux, [&](Note& note) {
    note.subject("SAN").control("san").result(sheet.san, " (POUvoir ", sheet.pou_tot, " × 5, ",
                                              writeWhole(kSanCap), " au plus)");
  });
  g.note(Stage::Totaux, [&](Note& note) {
    note.subject("SFT").control("sft").result(sheet.sft, " (moitié de ", writeWhole(san), ")");
  });
}

}  // namespace orvandel
