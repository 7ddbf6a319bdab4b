// Speed of the window, offscreen: start-up to the first frame beside a bare
// window of the same size (the floor for any Qt window here), as whole
// processes and inside one, and a generation with the refresh of every field
// it wrote.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/dice.h"
#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"
#include "window/character_window.h"
#include "window/fonts.h"
#include "window/sheet_widgets.h"

namespace orvandel {
namespace {

// Shows the widget and paints its first frame.
void firstFrame(QWidget& widget) {
  widget.show();
  QImage frame(widget.size(), QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&frame);
  widget.render(&painter);
  benchmark::DoNotOptimize(frame.bits());
}

// A whole start-up, from exec to the first frame, of the bare window (0),
// the bare window with a line in each of the sheet's fonts (1) or the
// character window (2), timed from outside the process; negative when the
// probe cannot start.
double startupSeconds(std::size_t mode) {
  char probe[] = ORVANDEL_STARTUP_PROBE;
  std::array<std::string, 3> modes{"bare", "fonts", "sheet"};
  char* argv[] = {probe, modes[mode].data(), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, probe, nullptr, nullptr, argv, environ) != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_StartupProcess(benchmark::State& state) {
  for (auto _ : state) {
    const double seconds = startupSeconds(static_cast<std::size_t>(state.range(0)));
    if (seconds < 0) {
      state.SkipWithError("cannot start the start-up probe");
      return;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_StartupProcess)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("bare_fonts_sheet")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_StartupBareWindow(benchmark::State& state) {
  for (auto _ : state) {
    QWidget window;
    window.setFixedSize(orvandel::clientPixelSize());
    QLabel label(QStringLiteral("Générateur Personnage ORVANDEL"), &window);
    firstFrame(window);
  }
}
BENCHMARK(BM_StartupBareWindow)->Unit(benchmark::kMillisecond);

void BM_StartupCharacterWindow(benchmark::State& state) {
  for (auto _ : state) {
    CharacterWindow window(std::make_unique<FreshDice>());
    firstFrame(window);
  }
}
BENCHMARK(BM_StartupCharacterWindow)->Unit(benchmark::kMillisecond);

// The engine alone, to tell the window's share of an entry.
void BM_EngineRandomEntry(benchmark::State& state) {
  SeededDice dice(1);
  Personnage sheet;
  for (auto _ : state) generateRandom(sheet, dice);
}
BENCHMARK(BM_EngineRandomEntry)->Unit(benchmark::kMicrosecond);

// A click on the title picture: the generation and the refresh of every
// field it changed.
void BM_WindowRandomEntry(benchmark::State& state) {
  CharacterWindow window(std::make_unique<SeededDice>(1));
  window.show();
  for (auto _ : state) window.randomEntry();
}
BENCHMARK(BM_WindowRandomEntry)->Unit(benchmark::kMicrosecond);

// The same, with the window painted again before the next click.
void BM_WindowRandomEntryAndRepaint(benchmark::State& state) {
  CharacterWindow window(std::make_unique<SeededDice>(1));
  firstFrame(window);
  QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    window.randomEntry();
    QPainter painter(&frame);
    window.render(&painter);
  }
}
BENCHMARK(BM_WindowRandomEntryAndRepaint)->Unit(benchmark::kMicrosecond);

// The heaviest sheet the program accepts: every box full to the bound of
// what one box may hold, in words that wrap; the improvement rolls a count,
// so that a click spends one. `mark` makes two such sheets differ in every
// box.
QString writeLongSheet(char mark) {
  Personnage sheet;
  std::string words;
  while (words.size() + 9 <= kLongestBoxText) words += std::string(8, mark) + ' ';
  forEachField(
      sheet,
      [&](const std::string& name, const std::string&) {
        *std::get<std::string*>(*findField(sheet, name)) = words;
      },
      [](const std::string&, bool) {});
  sheet.des_comp = "500";
  const QString path = QDir::temp().filePath(QStringLiteral("orvandel-long-%1.json").arg(mark));
  QFile file(path);
  const std::string json = sheetToJson(sheet);
  if (!file.open(QIODevice::WriteOnly) || file.write(json.data(), static_cast<qint64>(json.size())) < 0)
    return {};
  return path;
}

// Opening a long sheet, each time over another one, as Ctrl+O does once the
// file is picked: reading, the refresh of every box, the screen-reader names.
void BM_LongSheetOpen(benchmark::State& state) {
  const std::array<QString, 2> paths{writeLongSheet('a'), writeLongSheet('b')};
  CharacterWindow window(std::make_unique<SeededDice>(1));
  firstFrame(window);
  std::size_t turn = 0;
  for (auto _ : state)
    if (window.openFrom(paths[turn++ % 2])) state.SkipWithError("the long sheet was refused");
}
BENCHMARK(BM_LongSheetOpen)->Unit(benchmark::kMillisecond);

// A zoom step with a long sheet shown, painted.
void BM_LongSheetZoom(benchmark::State& state) {
  CharacterWindow window(std::make_unique<SeededDice>(1));
  window.openFrom(writeLongSheet('a'));
  firstFrame(window);
  std::size_t turn = 0;
  for (auto _ : state) {
    window.setZoom(turn++ % 2 ? 1.0 : 0.9);
    QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&frame);
    window.render(&painter);
  }
}
BENCHMARK(BM_LongSheetZoom)->Unit(benchmark::kMillisecond);

// An improvement click with a long sheet shown, painted.
void BM_LongSheetClick(benchmark::State& state) {
  CharacterWindow window(std::make_unique<SeededDice>(1));
  window.openFrom(writeLongSheet('a'));
  firstFrame(window);
  QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    window.improvementClick({ImprovementKind::Skill, 12});
    QPainter painter(&frame);
    window.render(&painter);
  }
}
BENCHMARK(BM_LongSheetClick)->Unit(benchmark::kMillisecond);

// The start-up ratios: the three start-ups run in turn, so that a busy
// machine weighs on each alike, and the medians compared.
void reportStartupRatios(int rounds) {
  std::array<std::vector<double>, 3> runs;
  for (int round = 0; round < rounds; ++round)
    for (std::size_t mode = 0; mode < runs.size(); ++mode) runs[mode].push_back(startupSeconds(mode));
  std::array<double, 3> median{};
  for (std::size_t mode = 0; mode < runs.size(); ++mode) {
    std::sort(runs[mode].begin(), runs[mode].end());
    median[mode] = runs[mode][runs[mode].size() / 2] * 1000;
  }
  std::printf(
      "start-up to the first frame, medians of %d alternating runs: bare window %.1f ms, fonts only %.1f ms, "
      "character window %.1f ms: %.2f x the bare window (budget 1.75 x), %.2f x the fonts-only floor\n",
      rounds, median[0], median[1], median[2], median[2] / median[0], median[2] / median[1]);
}

}  // namespace
}  // namespace orvandel

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Qt wants a private runtime directory; give it one rather than a warning
  // on every start-up probe.
  char runtime[] = "/tmp/orvandel-bench-XXXXXX";
  if (!getenv("XDG_RUNTIME_DIR") && mkdtemp(runtime)) setenv("XDG_RUNTIME_DIR", runtime, 1);
  QApplication app(argc, argv);
  orvandel::registerSheetFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  constexpr int kRounds = 15;
  orvandel::reportStartupRatios(kRounds);
  benchmark::Shutdown();
  return 0;
}
