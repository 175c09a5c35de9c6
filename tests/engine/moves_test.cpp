#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::GameEngineTest;

void StopTheSupply() {
  for (int k = 1; k <= ColumnCount; ++k) {
    Game.SupplyReady[k] = 1;
    Game.IncomingColour[k] = colour::None;
    Game.SupplyWait[k] = 1000;
  }
}

bool FallsFrom(int cell) {
  for (const BallFall& fall : Game.FallRecord) {
    if (fall.Active && fall.Source == cell) return true;
  }
  return false;
}

// Another pipe has emptied a cell under a line that is being sucked: the line's
// balls stay in the pipe's grip on every side.
TEST_F(GameEngineTest, BallsAPipeIsSuckingNeverFall) {
  SetBoard(
      "......"
      "......"
      "333333"
      "4.44.2"
      "111112"
      "11111.");
  Game.RunLength[LeftPipe(2)] = 3;    // cells 12, 13, 14
  Game.RunLength[RightPipe(2)] = 3;   // cells 17, 16, 15
  Game.RunLength[BottomPipe(5)] = 3;  // cells 35, 29, 23
  StopTheSupply();
  SupplyAndGravity();
  EXPECT_FALSE(FallsFrom(13)) << "left";
  EXPECT_FALSE(FallsFrom(16)) << "right";
  EXPECT_FALSE(FallsFrom(29)) << "bottom";

  // Once the left line is in, the hole fills from above as ever.
  Kept.BallColour[7] = colour::Blue;
  for (int frame = 0; frame < 15; ++frame) StepSuction(LeftPipe(2), 6);
  ASSERT_EQ(Game.RunLength[LeftPipe(2)], 0);
  SupplyAndGravity();
  EXPECT_TRUE(FallsFrom(7));
}

// A top line sucks its lowest cell empty while a row line through that cell is
// still going in: no letter slides into the hole.
TEST_F(GameEngineTest, NoLetterMovesIntoACellAnotherPipeEmptied) {
  SetBoard(
      ".2...."
      ".2...."
      ".2...."
      ".2...."
      ".2...."
      "2222..");
  Kept.BallLetter[32] = 3;
  Kept.BallLetter[33] = 4;
  Game.RunLength[TopPipe(1)] = 6;
  Game.RunLength[LeftPipe(5)] = 4;
  SwallowBall(TopPipe(1));
  ASSERT_EQ(Kept.BallColour[31], colour::None);
  SwallowBall(LeftPipe(5));
  for (int c = 0; c < CellCount; ++c) {
    if (Kept.BallColour[c] == colour::None) {
      EXPECT_EQ(Kept.BallLetter[c], 0) << c;
    }
  }
  EXPECT_EQ(Kept.BallLetter[32], 4);
}

TEST_F(GameEngineTest, DropsAndFallsLandOnlyInEmptyCells) {
  SetBoard(
      "1....."
      "2....."
      "3....."
      "......"
      "......"
      "......");
  Kept.BallLetter[0] = 2;
  Kept.BallLetter[6] = 6;
  Game.DropRecord[1] = BallDrop{1, colour::Blue, 6};
  Game.IncomingLetter[1] = 5;
  EXPECT_TRUE(StepDrop(1, 6));
  EXPECT_EQ(Kept.BallColour[0], colour::Red);
  EXPECT_EQ(Kept.BallLetter[0], 2);
  EXPECT_EQ(Game.IncomingLetter[1], 0);

  Game.FallRecord[3] = BallFall{1, 6, colour::Yellow, 6};
  EXPECT_TRUE(StepFall(3, 6));
  EXPECT_EQ(Kept.BallColour[6], colour::Yellow);
  EXPECT_EQ(Kept.BallLetter[6], 6);
  EXPECT_EQ(Kept.BallColour[12], colour::Blue);
  EXPECT_EQ(CountEvents(sound::effect::BallLanded), 0);
}

}  // namespace
