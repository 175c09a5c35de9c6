#include <benchmark/benchmark.h>

#include "engine/animation_steps.hpp"
#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine/painting.hpp"
#include "platform/runtime.hpp"

namespace {

using namespace engine;

// A game some way in: the board filled by the supply, its balls landed.
void PlayIntoGame(int gameMode) {
  InitialiseGameState();
  records::GameStatus = records::GameStatusRecord{};
  Kept.Mode = gameMode;
  NewGame();
  platform::Srand(2024);
  RollPaintColour();
  GameTick(nullptr);
  for (int tick = 0; tick < 3000; ++tick) {
    GameTick(nullptr);
    for (int slot = 1; slot <= CellCount; ++slot) StepFall(slot, 6);
    for (int k = 1; k <= ColumnCount; ++k) StepDrop(k, 6);
    for (int p = 1; p <= PipeCount; ++p) StepSuction(p, 6);
  }
}

void BM_GameTickInPlay(benchmark::State& state) {
  PlayIntoGame(static_cast<int>(state.range(0)));
  if (Game.Phase != phase::Playing) state.SkipWithError("the game did not stay in play");
  for (auto _ : state) {
    GameTick(nullptr);
    benchmark::DoNotOptimize(Game.TickCountdown[0]);
  }
}
BENCHMARK(BM_GameTickInPlay)->Arg(mode::Easy)->Arg(mode::Heat);

// Every pipe has a line to look at and the settling has competitors to weigh.
void BM_DetectAndResolve(benchmark::State& state) {
  InitialiseGameState();
  records::GameStatus = records::GameStatusRecord{};
  Kept.Level = 1;
  static constexpr int kBoard[CellCount] = {1, 1, 1, 2, 2, 2, 1, 3, 3, 3, 4, 2, 1, 4, 5, 5, 5, 2,
                                            6, 6, 6, 6, 4, 3, 4, 4, 4, 1, 1, 3, 5, 5, 5, 5, 5, 3};
  for (int c = 0; c < CellCount; ++c) Kept.BallColour[c] = kBoard[c];
  Game.BonusCell = 1;
  for (auto _ : state) {
    for (int p = 1; p <= PipeCount; ++p) {
      Game.RunLength[p] = 0;
      Game.RunHandled[p] = 0;
    }
    DetectGroups();
    ResolveGroups();
    benchmark::DoNotOptimize(Game.RunLength);
  }
}
BENCHMARK(BM_DetectAndResolve);

}  // namespace
