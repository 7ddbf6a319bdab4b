// Arbitrary bytes into the ten blue boxes and the eleven selectors, then
// "Saisie/Reroll" and a few improvement clicks: the run either refuses with
// the sheet untouched and no die rolled, or leaves a sound sheet.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#include "core/dice.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "support/sheet_invariants.h"

namespace {

using namespace orvandel;

class CountingDice final : public Dice {
 public:
  explicit CountingDice(std::uint64_t seed) : seeded_(seed) {}
  int des(int faces) override {
    ++rolls;
    return seeded_.des(faces);
  }
  long rolls = 0;

 private:
  SeededDice seeded_;
};

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Personnage sheet;
  for (int i : Selectors::kIndices) sheet.des_ok(i) = input.ConsumeBool();
  for (std::string* box : {&sheet.forc, &sheet.con, &sheet.tai, &sheet.dex, &sheet.intl, &sheet.pou,
                           &sheet.cha, &sheet.nationalite, &sheet.profession, &sheet.age})
    *box = input.ConsumeRandomLengthString(12);
  sheet.des_comp = input.ConsumeRandomLengthString(4);
  CountingDice dice(input.ConsumeIntegral<std::uint64_t>());

  const Personnage before = sheet;
  if (generateTyped(sheet, dice)) {
    if (!(sheet == before)) fail("a refused entry changed the sheet");
    if (dice.rolls != 0) fail("a refused entry rolled a die");
    return 0;
  }
  while (input.remaining_bytes() > 0) {
    const int index = input.ConsumeIntegralInRange(1, 73);
    const auto kind =
        input.PickValueInArray({ImprovementKind::Skill, ImprovementKind::Attack, ImprovementKind::Parry});
    improve(sheet, {kind, kind == ImprovementKind::Skill ? index : 1 + index % 6}, dice);
  }
  const auto violations = testing::sheetViolations(sheet, {Entry::Typed, &before, true});
  for (const auto& v : violations) std::fprintf(stderr, "%s\n", v.c_str());
  if (!violations.empty()) fail("the sheet broke an invariant");
  return 0;
}
