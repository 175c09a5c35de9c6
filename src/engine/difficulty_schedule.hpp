#pragma once

#include <cstdint>

namespace platform {
class Window;
}

namespace engine {

// What the schedule asks at a score and level: the paint cost of a tap, and in
// `Second` the hot-pipe count (EASY, HEAT, CHROMA) or the drip interval (HARD, PANIC).
struct ScheduleValues {
  std::int32_t PaintCost;
  std::int32_t Second;
};
ScheduleValues ScheduleFor(int gameMode, std::int32_t score, std::int32_t level);

// Every 100 ticks (every tick in the game-over show): the schedule, the bonus
// cell timer and the score box.
void DifficultyStep(platform::Window* window);

}  // namespace engine
