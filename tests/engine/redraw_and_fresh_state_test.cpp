#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::GameEngineTest;

// A full redraw rolls the "next:" colour before it draws the hot pipes. From
// seed 1 the generator gives 41, then 18467, 6334, 26500, 19169, 15724, 11478,
// 29358 for the seven hot pipes. A resumed game keeps both.
TEST_F(GameEngineTest, AFullRedrawRollsTheColourBeforeTheHotPipes) {
  for (const int restoring : {0, 1}) {
    ResetGame();
    Kept.Mode = mode::Heat;
    Kept.PaintColour = colour::Orange;
    Game.Phase = phase::Start;
    Game.RestoreKeptGame = static_cast<std::uint8_t>(restoring);
    PipeActive(3) = 1;
    PipeHeat(3) = 10;
    platform::Srand(1);
    FullRedrawTick(nullptr);
    const int heat[2][24] = {
        {0, 0, 0, 0, 10, 0, 0, 0, 10, 0, 0, 10, 0, 10, 10, 0, 0, 0, 0, 10, 0, 10, 0, 0},
        {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    for (int p = 1; p <= PipeCount; ++p) {
      EXPECT_EQ(PipeHeat(p), heat[restoring][p - 1]) << p;
      EXPECT_EQ(PipeActive(p), heat[restoring][p - 1] / 10) << p;
    }
    EXPECT_EQ(Kept.PaintColour, restoring ? colour::Orange : colour::Red);
    EXPECT_EQ(Game.Phase, phase::Playing);
  }
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

// The program's first state lets every move start: the first HEAT game has hot
// pipes to draw, a column that decides no ball has a wait to count down, and a
// pipe's line has a cell to travel.
TEST_F(GameEngineTest, AFreshStateLetsEveryMoveStart) {
  Game.SupplyWait[3] = 0;
  Game.LineProgress[5] = 0;
  Game.ActivePipeCount = 0;
  InitialiseGameState();
  for (int k = 1; k <= ColumnCount; ++k) EXPECT_EQ(Game.SupplyWait[k], 10);
  for (int p = 1; p <= PipeCount; ++p) EXPECT_EQ(Game.LineProgress[p], 30);
  EXPECT_EQ(Game.ActivePipeCount, 7);
}

}  // namespace
