// The board painters' cost during a suction: a full row of six balls sucked
// into its pipe at Normal speed, 30 paints of the four side painters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/thread_clock.hpp"
#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/display_profile.hpp"
#include "platform/headless.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_drawing.hpp"
#include "support/back_buffers.hpp"

namespace {

using engine::Game;
using engine::Kept;

void SuctionOfSixBalls(benchmark::State& state, int width, int height) {
  platform::headless::Start(platform::ScreenConfig{width, height, 0, 0});
  platform::MeasureDisplay();
  render::LoadCatalogue();
  render::ApplyBallStyle(render::BallStyleShiny);
  testing_support::CreateBackBuffers();
  platform::Bitmap screenBitmap(width, height);
  platform::DeviceContext screen = platform::MemoryContext(screenBitmap);
  records::BallStep = 6;
  std::vector<double> paints;
  for (auto _ : state) {
    state.PauseTiming();
    engine::InitialiseGameState();
    records::GameStatus = records::GameStatusRecord{};
    Kept.Mode = engine::mode::Easy;
    Game.Phase = engine::phase::Playing;
    for (int c = 0; c < 6; ++c) Kept.BallColour[c] = engine::colour::Green;
    Game.RunLength[engine::LeftPipe(0)] = 6;
    Game.LineProgress[engine::LeftPipe(0)] = 30;
    state.ResumeTiming();
    while (Game.RunLength[engine::LeftPipe(0)] > 0) {
      const double start = ThreadMicroseconds();
      for (int side = 1; side <= 4; ++side) render::DrawSuction(side, screen);
      paints.push_back(ThreadMicroseconds() - start);
    }
  }
  // Per paint: the median, the 99th percentile and the worst.
  std::sort(paints.begin(), paints.end());
  state.counters["paint_median_us"] = paints[paints.size() / 2];
  state.counters["paint_p99_us"] = paints[paints.size() * 99 / 100];
  state.counters["paint_worst_us"] = paints.back();
  render::ReleaseCatalogue();
  platform::headless::Stop();
}

BENCHMARK_CAPTURE(SuctionOfSixBalls, portrait_240x320, 240, 320)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ComputeStatistics("max", [](const std::vector<double>& v) {
      return *std::max_element(v.begin(), v.end());
    });
BENCHMARK_CAPTURE(SuctionOfSixBalls, vga_480x640, 480, 640)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ComputeStatistics("max", [](const std::vector<double>& v) {
      return *std::max_element(v.begin(), v.end());
    });

}  // namespace
