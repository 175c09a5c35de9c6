#include <vector>

#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine/show_sequences.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::GameEngineTest;

constexpr int kNormalStep = 6;

// The engine's part of one game-screen paint, in the painters' order.
void PaintFrame() {
  for (int slot = 1; slot <= CellCount; ++slot) StepFall(slot, kNormalStep);
  for (int k = 1; k <= ColumnCount; ++k) StepDrop(k, kNormalStep);
  for (int c = 0; c < CellCount; ++c) StepSplash(c);
  for (int p = 1; p <= PipeCount; ++p) {
    if (Game.RunLength[p] <= 0) continue;
    StepSuction(p, kNormalStep);
    CoolPipes(p);
  }
  if (Game.LevelUpPending && Kept.Level <= 9) LevelUpFrame();
  if (Game.Phase == phase::GameOver) GameOverShowFrame();
}

bool MovesUnderWay() {
  for (int k = 1; k <= ColumnCount; ++k) {
    if (Game.DropRecord[k].Active) return true;
  }
  for (int slot = 1; slot <= CellCount; ++slot) {
    if (Game.FallRecord[slot].Active) return true;
  }
  for (int c = 0; c < CellCount; ++c) {
    if (Game.PaintStep[c] != 0) return true;
  }
  return false;
}

int CellsOfColour(int ballColour) {
  return static_cast<int>(std::count(Kept.BallColour, Kept.BallColour + CellCount, ballColour));
}

// The game ends while a pipe takes the last ball of its line, a lettered ball drops
// into the cell that ball leaves, another ball falls and a splash runs. Whatever
// run-out follows, the score on screen is the final one and the board stays black.
TEST_F(GameEngineTest, TheShowAwardsNothingForMovesUnderWayWhenTheGameEnds) {
  SetBoard(
      "5....."
      "341..."
      "2....."
      "3....."
      "3....."
      "244444");
  Kept.Mode = mode::Easy;
  Kept.Level = 3;
  Kept.Score = 1000;
  Game.RunLength[LeftPipe(0)] = 1;
  Game.DropRecord[1] = BallDrop{1, colour::Blue, 48};
  Game.IncomingLetter[1] = 5;
  Game.SupplyReady[1] = 1;
  Game.DropRecord[6] = BallDrop{1, colour::Red, 12};
  Game.FallRecord[1] = BallFall{1, CellOf(1, 1), colour::Yellow, 30};
  Game.PaintStep[CellOf(1, 2)] = 3;
  Kept.PaintColour = colour::Green;
  Game.Phase = phase::GameOver;

  Kept.BallLetter[CellOf(5, 3)] = 2;
  PaintFrame();
  EXPECT_FALSE(MovesUnderWay());
  EXPECT_EQ(std::count(Kept.BallLetter, Kept.BallLetter + CellCount, 0), CellCount);
  int colouredUntilRunOut = 0;
  int lowestScore = Kept.Score, highestScore = Kept.Score;
  for (int frame = 0; Kept.Mode != mode::None && frame < 200; ++frame) {
    GameTick(nullptr);
    PaintFrame();
    if (Game.GameOverStep <= 70) {
      colouredUntilRunOut += CellCount - CellsOfColour(colour::Black) - CellsOfColour(colour::None);
    }
    lowestScore = std::min(lowestScore, Kept.Score);
    highestScore = std::max(highestScore, Kept.Score);
  }
  EXPECT_EQ(colouredUntilRunOut, 0);
  EXPECT_EQ(lowestScore, 1000);
  EXPECT_EQ(highestScore, 1000);
  EXPECT_EQ(Kept.Mode, mode::None);
  EXPECT_EQ(Kept.Score, 1000);
  EXPECT_EQ(Kept.PaintColour, colour::Green);
}

TEST_F(GameEngineTest, ALevelUpAlsoTakesTheBlackBallsOnTheirWayDown) {
  Kept.Mode = mode::Panic;  // the supply brings no black ball of its own
  SetBoard(
      "......"
      "7....."
      "......"
      "......"
      "......"
      "7.1...");
  for (int k : {1, 6}) {
    Game.DropRecord[k] = BallDrop{1, colour::Black, 48};
    Game.IncomingColour[k] = colour::Black;
    Game.SupplyReady[k] = 1;
  }
  Game.DropRecord[3] = BallDrop{1, colour::Red, 48};
  Game.IncomingColour[3] = colour::Red;
  Game.SupplyReady[3] = 1;
  for (int k : {2, 4, 5}) {  // no other ball enters
    Game.SupplyReady[k] = 1;
    Game.SupplyWait[k] = 1000;
  }
  const auto fallFromRow1 = [] {
    for (const BallFall& fall : Game.FallRecord) {
      if (fall.Active && fall.Source == CellOf(1, 0)) return true;
    }
    return false;
  };
  SupplyAndGravity();
  ASSERT_TRUE(fallFromRow1());
  Game.LevelUpPending = 1;
  for (int frame = 0; frame < 60; ++frame) {
    SupplyAndGravity();
    PaintFrame();
    if (frame == 1) {
      EXPECT_FALSE(fallFromRow1());
    }
  }
  EXPECT_EQ(Kept.Level, 2);
  EXPECT_EQ(CellsOfColour(colour::Black), 0);
  EXPECT_EQ(Kept.BallColour[CellOf(4, 2)], colour::Red);  // other balls land as ever
}

// A PANIC game can run out of time while a level-up is starting: the show's
// black board must stay whole for its run-out.
TEST_F(GameEngineTest, ALevelUpDuringTheShowLeavesTheBlackBoardWhole) {
  SetBoard(
      "......"
      "......"
      "......"
      "......"
      "......"
      "123451");
  Kept.Mode = mode::Panic;
  Game.LevelUpPending = 1;
  Game.Phase = phase::GameOver;
  for (int frame = 0; frame < 45; ++frame) PaintFrame();
  EXPECT_EQ(CellsOfColour(colour::Black), CellCount);
  EXPECT_EQ(CountEvents(sound::effect::LevelUp), 1);
  EXPECT_EQ(Kept.Level, 2);
}

TEST_F(GameEngineTest, EveryRunOutPatternSucksEveryCellOnce) {
  for (int pattern = 0; pattern <= 9; ++pattern) {
    std::fill(Game.RunLength, Game.RunLength + PipeCount + 1, 0);
    StartRunOut(pattern);
    int covered[CellCount] = {};
    for (int p = 1; p <= PipeCount; ++p) {
      for (int i = 0; i < Game.RunLength[p]; ++i) covered[PipeLines[p][i]] += 1;
    }
    EXPECT_EQ(std::count(covered, covered + CellCount, 1), CellCount) << pattern;
    EXPECT_EQ(Game.RunLength[0], 0);
    EXPECT_EQ(Game.RunOutPattern, pattern);
  }
  for (int pattern : {-1, 10}) {
    std::fill(Game.RunLength, Game.RunLength + PipeCount + 1, 0);
    StartRunOut(pattern);
    EXPECT_EQ(std::count(Game.RunLength, Game.RunLength + PipeCount + 1, 0), PipeCount + 1);
  }
}

// The result box is composed once, on the first result step the show reaches.
TEST_F(GameEngineTest, TheResultBoxIsComposedOnceWithinItsSteps) {
  Game.Phase = phase::GameOver;
  platform::Srand(905);
  const int patternDraw = platform::Rand() * 10 / 32768;  // a draw below 10
  platform::Srand(905);
  std::vector<int> composed;
  int soundStep = -1, endStep = -1;
  for (int frame = 0; frame < 120; ++frame) {
    const GameOverFrameResult result = GameOverShowFrame();
    if (result.ComposeResult) composed.push_back(result.Step);
    if (soundStep < 0 && CountEvents(sound::effect::GameOver)) soundStep = result.Step;
    if (endStep < 0 && Game.RunOutCounter == 10) endStep = result.Step;
  }
  EXPECT_EQ(composed, std::vector<int>{31});
  EXPECT_EQ(Game.RunOutPattern, patternDraw);
  EXPECT_EQ(soundStep, 20);
  EXPECT_EQ(endStep, 110);
  EXPECT_EQ(CountEvents(sound::effect::GameOver), 1);
  EXPECT_EQ(Game.RunOutCounter, 10);
  EXPECT_EQ(Game.GameOverStep, 200);
  for (int step : {30, 31, 105, 106}) {
    Game.GameOverStep = step;
    Game.RunOutCounter = 0;
    EXPECT_EQ(GameOverShowFrame().ComposeResult, step >= 31 && step <= 105) << step;
  }
}

TEST_F(GameEngineTest, EachLevelUpRunsItsFortyOneFrames) {
  for (int level = 1; level <= 3; ++level) {
    Game.LevelUpPending = 1;
    int frames = 0, banners = 0;
    while (Game.LevelUpPending && frames < 100) {
      banners += LevelUpFrame().ShowBanner;
      ++frames;
    }
    EXPECT_EQ(frames * 100 + banners, 4140) << level;
    EXPECT_EQ(Kept.Level, level + 1);
  }
  EXPECT_EQ(CountEvents(sound::effect::LevelUp), 3);
}

// A damaged kept level above 9 has no level-up to show.
TEST_F(GameEngineTest, NoLevelUpRunsAboveLevelNine) {
  SetBoard("7...................................");
  Kept.Level = 10;
  Game.LevelUpPending = 1;
  for (int frame = 0; frame < 50; ++frame) {
    const LevelUpFrameResult result = LevelUpFrame();
    EXPECT_FALSE(result.ShowBanner || result.Finished);
  }
  EXPECT_EQ(Kept.Level, 10);
  EXPECT_EQ(Kept.BallColour[0], colour::Black);
}

}  // namespace
