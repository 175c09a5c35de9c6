#include "engine/board_geometry.hpp"
#include "engine/painting.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::GameEngineTest;

// The kept record stores the heat in four tables of six: top, bottom, left, right.
TEST_F(GameEngineTest, EachPipeHasItsOwnHeatInTheKeptRecord) {
  for (int p = 1; p <= PipeCount; ++p) PipeHeat(p) = p;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Kept.PipeHeatTop[i], TopPipe(i));
    EXPECT_EQ(Kept.PipeHeatRight[i], RightPipe(i));
    EXPECT_EQ(Kept.PipeHeatBottom[i], BottomPipe(i));
    EXPECT_EQ(Kept.PipeHeatLeft[i], LeftPipe(i));
  }
}

// A draw below n is floor(r x n / 32768) of one value of the generator, and the
// paint colour is a draw below 5, plus 1.
TEST_F(GameEngineTest, DrawsScaleTheGeneratorDown) {
  platform::Srand(4321);
  int values[400];
  for (int& r : values) r = platform::Rand();
  platform::Srand(4321);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(Draw(37), values[i] * 37 / 32768) << i;
  EXPECT_EQ(Draw(32768), values[200]);
  for (int i = 201; i < 400; ++i) {
    RollPaintColour();
    EXPECT_EQ(Kept.PaintColour, values[i] * 5 / 32768 + 1) << i;
  }
}

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
