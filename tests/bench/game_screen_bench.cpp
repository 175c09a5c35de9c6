// The game screen's cost on the headless back end: one game tick with the paint
// that follows it during play, and a full redraw of the screen.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/thread_clock.hpp"
#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "engine/painting.hpp"
#include "platform/display_profile.hpp"
#include "platform/headless.hpp"
#include "platform/window.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_drawing.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/main_window.hpp"

namespace {

using engine::Game;
using engine::Kept;

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

void Finish(benchmark::State& state, std::vector<double>& times) {
  std::sort(times.begin(), times.end());
  state.counters["cpu_median_us"] = times[times.size() / 2];
  state.counters["cpu_p99_us"] = times[times.size() * 99 / 100];
  state.counters["cpu_worst_us"] = times.back();
  // Shows that the game really played (groups scored) while it was measured.
  state.counters["score"] = Kept.Score;

  render::ReleaseCatalogue();
  platform::headless::Stop();
}

void TickAndPaintDuringPlay(benchmark::State& state, int width, int height) {
  platform::Window* window = ResumeGame(width, height);
  std::vector<double> times;
  int tick = 0;
  for (auto _ : state) {
    // A player tapping along keeps lines forming; the reserve is kept up so the
    // game never ends.
    if (++tick % 20 == 0) engine::PaintCell(tick / 20 * 7 % engine::CellCount);
    if (Kept.Reserve < 20) Kept.Reserve = 60;
    const double start = ThreadMicroseconds();
    engine::GameTick(window);
    shell::PaintDispatch(window);
    times.push_back(ThreadMicroseconds() - start);
  }
  Finish(state, times);
}

void FullRedraw(benchmark::State& state, int width, int height) {
  platform::Window* window = ResumeGame(width, height);
  std::vector<double> times;
  for (auto _ : state) {
    const double start = ThreadMicroseconds();
    render::FullRedrawRequested = true;
    shell::PaintDispatch(window);
    times.push_back(ThreadMicroseconds() - start);
  }
  Finish(state, times);
}

// The score box with a new number, as every scoring paint draws it: mostly
// the text's rendering and blending.
void ScoreBoxRedraw(benchmark::State& state, int width, int height) {
  platform::Window* window = ResumeGame(width, height);
  platform::DeviceContext dc = platform::GetDC(window);
  std::vector<double> times;
  for (auto _ : state) {
    Kept.Score += 37;
    const double start = ThreadMicroseconds();
    render::DrawScoreBox(dc);
    times.push_back(ThreadMicroseconds() - start);
  }
  Finish(state, times);
}

double Max(const std::vector<double>& v) {
  return *std::max_element(v.begin(), v.end());
}

// A few thousand ticks per repetition: long enough to take in drops, falls and
// suctions, as a minute of play does.
BENCHMARK_CAPTURE(TickAndPaintDuringPlay, class1_240x320, 240, 320)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(3000)
    ->Repetitions(10)
    ->ComputeStatistics("max", Max);
BENCHMARK_CAPTURE(TickAndPaintDuringPlay, class3_480x640, 480, 640)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(3000)
    ->Repetitions(10)
    ->ComputeStatistics("max", Max);
BENCHMARK_CAPTURE(FullRedraw, class1_240x320, 240, 320)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ComputeStatistics("max", Max);
BENCHMARK_CAPTURE(FullRedraw, class3_480x640, 480, 640)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ComputeStatistics("max", Max);

BENCHMARK_CAPTURE(ScoreBoxRedraw, class3_480x640, 480, 640)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000)
    ->Repetitions(5)
    ->ComputeStatistics("max", Max);

}  // namespace
