// Speed of the engine: dice, whole generations and the JSON form of a sheet.
#include <benchmark/benchmark.h>

#include "core/dice.h"
#include "core/scripted_dice.h"
#include "generation/driver.h"
#include "recipe/recipe_link.h"
#include "recipe/recipe_making.h"
#include "recipe/verification.h"
#include "sheet_io/sheet_json.h"

namespace orvandel {
namespace {

void BM_DesSeeded(benchmark::State& state) {
  SeededDice dice(1);
  for (auto _ : state) benchmark::DoNotOptimize(dice.des(100));
}
BENCHMARK(BM_DesSeeded);

void BM_DesFresh(benchmark::State& state) {
  FreshDice dice;
  for (auto _ : state) benchmark::DoNotOptimize(dice.des(100));
}
BENCHMARK(BM_DesFresh);

void BM_DesScripted(benchmark::State& state) {
  const std::vector<ScriptedRoll> rolls(1 << 16, ScriptedRoll{100, 42});
  ScriptedDice dice(rolls);
  for (auto _ : state) {
    if (dice.remaining() == 0) {
      state.PauseTiming();
      dice = ScriptedDice(rolls);
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(dice.des(100));
  }
}
BENCHMARK(BM_DesScripted);

template <typename Source>
void BM_RandomGeneration(benchmark::State& state) {
  Source dice = [] {
    if constexpr (std::is_same_v<Source, SeededDice>)
      return SeededDice(1);
    else
      return FreshDice();
  }();
  Personnage sheet;
  for (auto _ : state) {
    generateRandom(sheet, dice);
    benchmark::DoNotOptimize(sheet.equipement.data());
  }
}
BENCHMARK(BM_RandomGeneration<SeededDice>)->Name("BM_RandomGeneration/seeded");

// The same generations with their roll journal kept, as the window and the
// browser keep it.
void BM_RandomGenerationJournal(benchmark::State& state) {
  SeededDice dice(1);
  Personnage sheet;
  Journal journal;
  for (auto _ : state) {
    generateRandom(sheet, dice, &journal);
    benchmark::DoNotOptimize(journal);
  }
}
BENCHMARK(BM_RandomGenerationJournal)->Name("BM_RandomGeneration/seeded+journal");
BENCHMARK(BM_RandomGeneration<FreshDice>)->Name("BM_RandomGeneration/fresh");

void BM_TypedGeneration(benchmark::State& state) {
  SeededDice dice(1);
  Personnage sheet;
  sheet.forc = "14";
  sheet.con = "12";
  sheet.tai = "11";
  sheet.dex = "13";
  sheet.intl = "16";
  sheet.pou = "17";
  sheet.cha = "8";
  sheet.nationalite = "33";
  sheet.profession = "68";
  sheet.age = "30";
  sheet.des_ok(17) = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(generateTyped(sheet, dice));
  }
}
BENCHMARK(BM_TypedGeneration);

void BM_SheetToJson(benchmark::State& state) {
  SeededDice dice(1);
  Personnage sheet;
  generateRandom(sheet, dice);
  for (auto _ : state) benchmark::DoNotOptimize(sheetToJson(sheet));
}
BENCHMARK(BM_SheetToJson);

// What a game master's check costs: the recipe replayed with three clicks
// and every box compared, as "Vérifier la fiche" and opening a link do.
void BM_VerifySheet(benchmark::State& state) {
  SeededDice dice(1);
  Personnage sheet;
  generateWithRecipe(RecipeEntry::Random, sheet, dice);
  for (const int slot : {12, 40, 45})
    improveWithRecipe(sheet, {ImprovementKind::Skill, slot}, dice, ClickDice::FromRecipe);
  for (auto _ : state) benchmark::DoNotOptimize(verify(sheet).outcome);
}
BENCHMARK(BM_VerifySheet);

// The short link's text, written and read back.
void BM_RecipeCode(benchmark::State& state) {
  SeededDice dice(1);
  Personnage sheet;
  generateWithRecipe(RecipeEntry::Random, sheet, dice);
  for (auto _ : state) benchmark::DoNotOptimize(readRecipeCode(*recipeCode(*sheet.recette)));
}
BENCHMARK(BM_RecipeCode);

}  // namespace
}  // namespace orvandel

BENCHMARK_MAIN();
