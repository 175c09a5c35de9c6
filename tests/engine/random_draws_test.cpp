#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine/scoring.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::GameEngineTest;

// The values below are the game's own outcomes for these seeds: a draw below n
// scales the generator's value (r x n / 32768) rather than taking r modulo n,
// and every draw comes in its fixed place. From seed 1920 the generator gives
// 6308, 819, 12351, 1119, 20966: Red, letter 6, the missing letter offered,
// a wait of 1 and cell 23 (modulo would give Blue, letter 100 and cell 24; the
// letter drawn first would leave the column without a ball).
TEST_F(GameEngineTest, DrawsComeInTheirOrderAndScaleTheGeneratorsValue) {
  for (const bool eightCollected : {true, false}) {
    ResetGame();
    Kept.Mode = mode::Easy;
    for (int p = 1; p <= 9; ++p) WordSlot(p) = eightCollected && p != 7;
    Kept.SupplyStart = 0;
    platform::Srand(1920);
    SupplyColumn(1);
    BonusCellTimer();
    EXPECT_EQ(Game.IncomingColour[1], colour::Red);
    if (eightCollected) {
      // The offer takes the third value; the bonus cell then appears at once.
      EXPECT_EQ(Game.IncomingLetter[1], 2);
      EXPECT_EQ(Game.BonusWait, 0);
      EXPECT_EQ(Game.BonusCell, 23);
      EXPECT_EQ(Game.BonusLife, 9);
    } else {
      // No offer: the bonus wait takes the third value, 12351 -> 11, and counts.
      EXPECT_EQ(Game.IncomingLetter[1], 6);
      EXPECT_EQ(Game.BonusWait, 10);
      EXPECT_EQ(Game.BonusCell, 0);
    }
  }
}

// A full redraw rolls the "next:" colour before it draws the hot pipes. From
// seed 1 the generator gives 41, then 18467, 6334, 26500, 19169, 15724, 11478,
// 29358 for the seven hot pipes.
TEST_F(GameEngineTest, AFullRedrawRollsTheColourBeforeTheHotPipes) {
  for (const int restoring : {0, 1}) {
    ResetGame();
    Kept.Mode = mode::Heat;
    Kept.PaintColour = colour::Orange;
    Game.Phase = phase::Start;
    Game.RestoreKeptGame = static_cast<std::uint8_t>(restoring);
    Game.ActivePipeCount = 7;
    PipeActive(3) = 1;
    PipeHeat(3) = 10;
    platform::Srand(1);
    FullRedrawTick(nullptr);
    int hot[7] = {}, count = 0;
    for (int p = 1; p <= PipeCount; ++p) {
      if (PipeActive(p) && count < 7) hot[count] = p;
      count += PipeActive(p);
    }
    if (restoring) {
      // A resumed game keeps its colour and the hot pipes it was left with.
      EXPECT_EQ(count, 1);
      EXPECT_EQ(hot[0], 3);
      EXPECT_EQ(PipeHeat(3), 10);
      EXPECT_EQ(Kept.PaintColour, colour::Orange);
    } else {
      const int expectedHot[7] = {5, 9, 12, 14, 15, 20, 22};
      EXPECT_EQ(count, 7);
      for (int i = 0; i < 7; ++i) EXPECT_EQ(hot[i], expectedHot[i]);
      EXPECT_EQ(Kept.PaintColour, colour::Red);
      // The new game keeps them hot, so they show.
      for (int p : expectedHot) EXPECT_EQ(PipeHeat(p), 10) << p;
      EXPECT_EQ(PipeHeat(1), 0);
    }
    EXPECT_EQ(Game.Phase, phase::Playing);
  }
  // Other modes have no hot pipes, and the show draws none.
  ResetGame();
  Kept.Mode = mode::Easy;
  FullRedrawTick(nullptr);
  Kept.Mode = mode::Heat;
  Game.Phase = phase::GameOver;
  DrawHotPipes();
  EXPECT_EQ(Game.PipesRedraw, 0);
  for (int p = 1; p <= PipeCount; ++p) EXPECT_EQ(PipeActive(p), 0);
}

// Each resume draws from the tick count, as a new game does, instead of
// replaying whatever the generator last held.
TEST_F(GameEngineTest, AResumedGameSeedsTheGeneratorFromTheTickCount) {
  Kept.Mode = mode::Easy;
  Game.Phase = phase::Start;
  Game.RestoreKeptGame = 1;
  platform::Srand(7);
  GameTick(nullptr);
  const int drawn = platform::Rand();
  platform::Srand(platform::GetTickCount());
  EXPECT_EQ(drawn, platform::Rand());
}

}  // namespace
