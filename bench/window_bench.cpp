// Speed of the window, offscreen: start-up to the first frame beside a bare
// window of the same size (the floor for any Qt window here), as whole
// processes and inside one, and a generation with the refresh of every field
// it wrote.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/dice.h"
#include "generation/driver.h"
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
// character window (2), timed from outside the process.
void BM_StartupProcess(benchmark::State& state) {
  char probe[] = ORVANDEL_STARTUP_PROBE;
  std::array<std::string, 3> modes{"bare", "fonts", "sheet"};
  char* argv[] = {probe, modes[static_cast<std::size_t>(state.range(0))].data(), nullptr};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, probe, nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the start-up probe");
      return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
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
    CharacterWindow window(std::make_unique<ClockDice>());
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
  benchmark::Shutdown();
  return 0;
}
