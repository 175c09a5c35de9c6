// The game screen's costs on the headless back end, on the 240x320 and 480x640
// screens: a game tick with the paint that follows it during play, a full
// redraw, and each paint of a six-ball suction. Each reports the median, 99th
// percentile and worst of the thread's own processor time: on a shared machine
// the wall clock also counts other programs' turns.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "engine/painting.hpp"
#include "platform/headless/headless.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/window_system.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/game_screen.hpp"
#include "render/paint_steps.hpp"
#include "render/screen_state.hpp"
#include "shell/main_window.hpp"

namespace {

using engine::Game;
using engine::Kept;

enum Measure { TickAndPaintDuringPlay, FullRedraw, SuctionPaint };

double ThreadMicroseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

platform::LResult Quiet(platform::Window*, unsigned, platform::WParam, platform::LParam) {
  return 0;
}

// A resumed EASY game half way up the board, painted once (its full redraw
// starts the engine).
platform::Window* ResumeGame(int width, int height) {
  platform::headless::Start(platform::ScreenConfig{width, height, 0, 0});
  platform::MeasureDisplay();
  render::LoadCatalogue();
  render::ApplyBallStyle(render::BallStyleShiny);
  engine::InitialiseGameState();
  render::ResetGameScreen();
  render::ResetScreenState();
  records::GameStatus = records::GameStatusRecord{};
  records::DefaultSettings();
  records::ApplySettings();
  Kept.Mode = engine::mode::Easy;
  Kept.Level = 1;
  Kept.Reserve = 50;
  Kept.PaintColour = 1;
  constexpr int kLowerHalf[18] = {1, 3, 5, 1, 3, 5, 2, 4, 1, 2, 4, 1, 3, 5, 2, 3, 5, 2};
  for (int i = 0; i < 18; ++i) Kept.BallColour[18 + i] = kLowerHalf[i];
  platform::Window* window = platform::CreateMainWindow(u"Fandriass II", &Quiet);
  render::ScreenState = render::screen::Game;
  Game.Phase = engine::phase::Start;
  Game.RestoreKeptGame = 1;
  shell::PaintDispatch(window);
  return window;
}

// A full top row of green balls about to be sucked into its left pipe at Normal speed.
void StartSuction() {
  engine::InitialiseGameState();
  records::GameStatus = records::GameStatusRecord{};
  records::BallStep = 6;
  Kept.Mode = engine::mode::Easy;
  Game.Phase = engine::phase::Playing;
  for (int c = 0; c < 6; ++c) Kept.BallColour[c] = engine::colour::Green;
  Game.RunLength[engine::LeftPipe(0)] = 6;
  Game.LineProgress[engine::LeftPipe(0)] = 30;
}

void Run(benchmark::State& state, Measure measure, int width, int height) {
  platform::Window* window = ResumeGame(width, height);
  platform::DeviceContext dc = platform::GetDC(window);
  std::vector<double> times;
  int tick = 0;
  for (auto _ : state) {
    if (measure == SuctionPaint) {
      state.PauseTiming();
      StartSuction();
      state.ResumeTiming();
      while (Game.RunLength[engine::LeftPipe(0)] > 0) {
        const double start = ThreadMicroseconds();
        render::PaintSteps(dc, false);
        times.push_back(ThreadMicroseconds() - start);
      }
      continue;
    }
    const bool play = measure == TickAndPaintDuringPlay;
    // A player tapping along keeps lines forming; the reserve is kept up so the
    // game never ends.
    if (play && ++tick % 20 == 0) engine::PaintCell(tick / 20 * 7 % engine::CellCount);
    if (play && Kept.Reserve < 20) Kept.Reserve = 60;
    const double start = ThreadMicroseconds();
    if (play) {
      engine::GameTick(window);
    } else {
      render::FullRedrawRequested = true;
    }
    shell::PaintDispatch(window);
    times.push_back(ThreadMicroseconds() - start);
  }
  std::sort(times.begin(), times.end());
  state.counters["cpu_median_us"] = times[times.size() / 2];
  state.counters["cpu_p99_us"] = times[times.size() * 99 / 100];
  state.counters["cpu_worst_us"] = times.back();
  // Shows that the game really played (groups scored) while it was measured.
  state.counters["score"] = Kept.Score;
  render::ReleaseCatalogue();
  platform::headless::Stop();
}

[[maybe_unused]] const bool registered = [] {
  static const char* const kNames[] = {"TickAndPaintDuringPlay", "FullRedraw", "SuctionPaint"};
  for (Measure m : {TickAndPaintDuringPlay, FullRedraw, SuctionPaint}) {
    for (int w : {240, 480}) {
      const std::string name =
          std::string(kNames[m]) + "/" + std::to_string(w) + "x" + std::to_string(w * 4 / 3);
      benchmark::internal::Benchmark* b =
          benchmark::RegisterBenchmark(name.c_str(), &Run, m, w, w * 4 / 3);
      b->Unit(benchmark::kMicrosecond)
          ->Repetitions(10)
          ->ComputeStatistics("max", [](const std::vector<double>& v) {
            return *std::max_element(v.begin(), v.end());
          });
      // A few thousand ticks per repetition take in drops, falls and suctions,
      // as a minute of play does.
      if (m == TickAndPaintDuringPlay) b->Iterations(3000);
    }
  }
  return true;
}();

}  // namespace
