// Start-up cost on the headless back end: sounds decoded, fonts made and every
// picture of the screen's set decoded, as the game does before its first paint.
#include <benchmark/benchmark.h>

#include "platform/display_profile.hpp"
#include "platform/headless.hpp"
#include "render/bitmap_catalogue.hpp"
#include "sound/sound_bank.hpp"

namespace {

void StartUpToLoadedCatalogue(benchmark::State& state, int width, int height) {
  for (auto _ : state) {
    platform::headless::Start(platform::ScreenConfig{width, height, 0, 0});
    platform::MeasureDisplay();
    sound::LoadSoundBank();
    render::LoadCatalogue();
    benchmark::DoNotOptimize(render::Pictures[0].Width());
    state.PauseTiming();
    render::ReleaseCatalogue();
    platform::headless::Stop();
    state.ResumeTiming();
  }
}

BENCHMARK_CAPTURE(StartUpToLoadedCatalogue, portrait_240x320, 240, 320)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUpToLoadedCatalogue, vga_480x640, 480, 640)->Unit(benchmark::kMillisecond);

}  // namespace
