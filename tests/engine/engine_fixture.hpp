#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/game_state.hpp"
#include "platform/backend/runtime.hpp"
#include "sound/sound_effects.hpp"

namespace engine_test {

inline std::vector<int> Events;
inline int CountEvents(int event) {
  return static_cast<int>(std::count(Events.begin(), Events.end(), event));
}

// Every test starts from the program's start-up state, playing, at level 1.
class GameEngineTest : public ::testing::Test {
 public:
  void SetUp() override {
    ResetGame();
    sound::SetEventObserver([](int event) { Events.push_back(event); });
  }

  // Back to the start-up state, for tests that try several cases in turn.
  static void ResetGame() {
    engine::InitialiseGameState();
    records::GameStatus = records::GameStatusRecord{};
    engine::Kept.Level = 1;
    engine::Game.Phase = engine::phase::Playing;
    // The end's show takes a step on every call here, as a hurried show does.
    engine::Game.ShowHurried = 1;
    platform::Srand(12345);
    Events.clear();
  }
  void TearDown() override { sound::SetEventObserver(nullptr); }

  // Rows top to bottom, one colour digit per cell, '.' for empty.
  static void SetBoard(const char* rows) {
    ASSERT_EQ(std::strlen(rows), 36u);
    for (int c = 0; c < engine::CellCount; ++c) {
      engine::Kept.BallColour[c] = rows[c] == '.' ? 0 : rows[c] - '0';
      engine::Kept.BallLetter[c] = 0;
    }
  }
};

}  // namespace engine_test
