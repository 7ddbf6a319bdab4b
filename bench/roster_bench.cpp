// A game master's roster of a thousand characters: reading its file,
// writing it back, and searching it, each as the front ends do on opening
// the roster, saving it, and typing into its search box.
#include <benchmark/benchmark.h>

#include "core/dice.h"
#include "generation/driver.h"
#include "roster/roster.h"
#include "roster/roster_file.h"

namespace orvandel {
namespace {

constexpr int kCharacters = 1000;

const Roster& thousandCharacters() {
  static const Roster roster = [] {
    Roster r;
    SeededDice dice(1);
    for (int i = 0; i < kCharacters; ++i) {
      Personnage sheet;
      generateRandom(sheet, dice);
      r.keep(proposedName(sheet), sheet);
    }
    return r;
  }();
  return roster;
}

void BM_RosterOpen(benchmark::State& state) {
  const std::string file = rosterToJson(thousandCharacters().characters());
  state.counters["file_bytes"] = static_cast<double>(file.size());
  for (auto _ : state) benchmark::DoNotOptimize(importCharacters(file));
}
BENCHMARK(BM_RosterOpen)->Unit(benchmark::kMillisecond);

void BM_RosterSave(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(rosterToJson(thousandCharacters().characters()));
}
BENCHMARK(BM_RosterSave)->Unit(benchmark::kMillisecond);

void BM_RosterSearch(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(thousandCharacters().search("guerrier"));
}
BENCHMARK(BM_RosterSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvandel

BENCHMARK_MAIN();
