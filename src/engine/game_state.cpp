#include "engine/game_state.hpp"

#include <cstdint>
#include <limits>

#include "platform/backend/runtime.hpp"

namespace engine {

namespace {

constexpr GameState InitialGameState() {
  GameState state{};
  // Every column starts with the reload wait, so a first decision of no ball
  // expires even in a game resumed right after start-up.
  for (std::int32_t& wait : state.SupplyWait) wait = 10;
  // The hot pipes of the first HEAT game are drawn before the first schedule
  // step; with no count there would be none, and no group could ever be taken.
  state.ActivePipeCount = 7;
  for (std::int32_t& progress : state.LineProgress) progress = 30;
  return state;
}

}  // namespace

constinit GameState Game = InitialGameState();

void InitialiseGameState() {
  Game = InitialGameState();
}

std::int32_t& PipeHeat(int pipe) {
  if (pipe <= 6) return Kept.PipeHeatTop[pipe - 1];
  if (pipe <= 12) return Kept.PipeHeatRight[pipe - 7];
  if (pipe <= 18) return Kept.PipeHeatBottom[pipe - 13];
  return Kept.PipeHeatLeft[pipe - 19];
}

int Draw(int n) {
  return platform::Rand() * n / 32768;
}

void AddClamped(std::int32_t& value, std::int64_t amount) {
  constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
  std::int64_t sum = static_cast<std::int64_t>(value) + amount;
  if (sum > high) sum = high;
  if (sum < low) sum = low;
  value = static_cast<std::int32_t>(sum);
}

}  // namespace engine
