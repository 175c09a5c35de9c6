#include "engine/difficulty_schedule.hpp"

#include "engine/game_state.hpp"
#include "engine/scoring.hpp"
#include "engine/screen_items.hpp"
#include "platform/window/logical_invalidation.hpp"

namespace engine {

namespace {

// One score band: from `lowest` up to the next band. The second pair of each
// family applies from level 2 on; bands without a level rule repeat the first.
struct Band {
  std::int32_t lowest;
  ScheduleValues easy, easyLater;  // EASY, HEAT, CHROMA: cost, hot pipes
  ScheduleValues hard, hardLater;  // HARD, PANIC: cost, drip interval
};

constexpr Band kBands[] = {
    {0, {4, 7}, {4, 7}, {2, 10}, {2, 10}},      {2001, {4, 7}, {6, 6}, {2, 10}, {2, 8}},
    {3800, {4, 7}, {4, 7}, {2, 10}, {2, 10}},   {5001, {5, 5}, {5, 5}, {2, 8}, {2, 8}},
    {7800, {4, 7}, {4, 7}, {2, 10}, {2, 10}},   {9001, {4, 7}, {6, 6}, {2, 10}, {2, 8}},
    {9990, {4, 7}, {4, 7}, {2, 10}, {2, 10}},   {10001, {5, 6}, {5, 6}, {2, 7}, {2, 7}},
    {11001, {6, 5}, {6, 5}, {2, 6}, {2, 6}},    {12900, {5, 6}, {5, 6}, {2, 7}, {2, 7}},
    {15001, {6, 4}, {6, 4}, {2, 6}, {2, 6}},    {17000, {5, 6}, {5, 6}, {2, 7}, {2, 7}},
    {18001, {6, 4}, {6, 4}, {2, 6}, {2, 6}},    {20900, {5, 6}, {5, 6}, {2, 7}, {2, 7}},
    {23001, {6, 4}, {6, 4}, {2, 6}, {2, 6}},    {25900, {5, 6}, {5, 6}, {2, 7}, {2, 7}},
    {30001, {6, 5}, {6, 5}, {2, 6}, {2, 6}},    {36001, {7, 4}, {7, 4}, {2, 5}, {2, 5}},
    {39100, {6, 5}, {6, 5}, {2, 6}, {2, 6}},    {44001, {7, 3}, {7, 3}, {2, 5}, {2, 5}},
    {48600, {6, 5}, {6, 5}, {2, 6}, {2, 6}},    {50001, {6, 4}, {6, 4}, {2, 5}, {2, 5}},
    {57001, {7, 3}, {7, 3}, {2, 4}, {2, 4}},    {59800, {6, 4}, {6, 4}, {2, 5}, {2, 5}},
    {69001, {7, 3}, {7, 3}, {2, 4}, {2, 4}},    {72001, {8, 2}, {8, 2}, {2, 3}, {2, 3}},
    {74900, {6, 4}, {6, 4}, {2, 5}, {2, 5}},    {75001, {7, 3}, {7, 3}, {2, 3}, {2, 3}},
    {82001, {8, 2}, {8, 2}, {2, 3}, {2, 3}},    {85000, {7, 3}, {7, 3}, {2, 3}, {2, 3}},
    {90001, {8, 2}, {8, 2}, {2, 3}, {2, 3}},    {93001, {9, 2}, {9, 2}, {2, 2}, {2, 2}},
    {97000, {8, 2}, {8, 2}, {2, 3}, {2, 3}},    {101001, {9, 2}, {9, 2}, {3, 1}, {3, 1}},
    {201001, {10, 2}, {10, 2}, {2, 1}, {2, 1}}, {301001, {12, 2}, {12, 2}, {4, 1}, {4, 1}},
    {401001, {14, 1}, {14, 1}, {6, 1}, {6, 1}}, {601001, {18, 1}, {18, 1}, {8, 1}, {8, 1}},
};

}  // namespace

ScheduleValues ScheduleFor(int gameMode, std::int32_t score, std::int32_t level) {
  const Band* band = &kBands[0];
  for (const Band& candidate : kBands) {
    if (score >= candidate.lowest) band = &candidate;
  }
  const bool later = level > 1;
  if (gameMode == mode::Hard || gameMode == mode::Panic) {
    return later ? band->hardLater : band->hard;
  }
  return later ? band->easyLater : band->easy;
}

void DifficultyStep(platform::Window* window) {
  const ScheduleValues values = ScheduleFor(Kept.Mode, Kept.Score, Kept.Level);
  Game.PaintCost = values.PaintCost;
  if (Kept.Mode == mode::Hard || Kept.Mode == mode::Panic) {
    Game.DripInterval = values.Second;
  } else {
    Game.ActivePipeCount = values.Second;
  }
  BonusCellTimer();
  Game.ScoreRedraw = 1;
  InvalidateItem(window, Item::ScoreBox);
}

}  // namespace engine
