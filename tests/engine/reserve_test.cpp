#include <limits>

#include "engine/board_geometry.hpp"
#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/painting.hpp"
#include "engine/scoring.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::GameEngineTest;

constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();

// Outside 30..68 the dripping modes charge 3 a tap until the next schedule step.
TEST_F(GameEngineTest, TheCheapPaintOfDrippingModesStartsOutside30To68) {
  struct Case {
    int gameMode, reserve, cost;
  };
  const Case cases[] = {
      {mode::Hard, 29, 3},  {mode::Hard, 30, 2}, {mode::Panic, 68, 2},
      {mode::Panic, 69, 3}, {mode::Easy, 20, 2}, {mode::Chroma, 70, 2},
  };
  for (const Case& c : cases) {
    Kept.Mode = c.gameMode;
    Kept.Reserve = c.reserve;
    Game.PaintCost = 2;
    Game.DripInterval = 100;
    Game.DripCountdown = 50;
    ReserveStep(nullptr);
    EXPECT_EQ(Game.PaintCost, c.cost) << c.gameMode << " at " << c.reserve;
    EXPECT_EQ(Kept.Reserve, c.reserve);
  }
}

TEST_F(GameEngineTest, ShortDripIntervalsDripEveryStep) {
  for (int interval : {0, 1, 3}) {
    Kept.Mode = mode::Hard;
    Kept.Reserve = 50;
    Game.DrainPending = 0;
    Game.DripCountdown = 0;
    Game.DripInterval = interval;
    int drips = 0;
    for (int step = 0; step < 6; ++step) {
      ReserveStep(nullptr);
      drips += Game.DrainPending;
    }
    EXPECT_EQ(drips, interval == 3 ? 2 : 6) << interval;
  }
}

TEST_F(GameEngineTest, AGameInTheShowNeverTimesOut) {
  Kept.Mode = mode::Panic;
  Kept.PanicTime = 1;
  for (int gamePhase : {phase::GameOver, phase::Start}) {
    Game.Phase = gamePhase;
    for (int i = 0; i < 5; ++i) PanicSecond();
    EXPECT_EQ(Kept.PanicTime, 1);
    EXPECT_EQ(Game.TimeOut, 0);
    EXPECT_EQ(Game.Phase, gamePhase);
  }
}

TEST_F(GameEngineTest, CountersStopAtTheirLimits) {
  std::int32_t value = kMost - 1;
  AddClamped(value, 5);
  EXPECT_EQ(value, kMost);
  value = kLeast + 1;
  AddClamped(value, -5);
  EXPECT_EQ(value, kLeast);
  value = -7;
  AddClamped(value, std::int64_t{kMost} * 4);
  EXPECT_EQ(value, kMost);
}

// Every reward on a score and a refill that are already at their largest: a group
// over the bonus cell, then its first ball, extra hot, completing the word.
TEST_F(GameEngineTest, RewardsStopAtTheLargestScoreAndRefill) {
  SetBoard(
      "......"
      "......"
      "......"
      "......"
      "......"
      "111111");
  Kept.Mode = mode::Easy;
  Kept.Level = 9;
  Kept.Score = kMost - 1;
  Kept.Reserve = kLeast + 10;  // a damaged kept game: the word refills "72 - Reserve"
  Game.RefillPending = kMost - 1;
  Game.BonusCell = CellOf(5, 0) + 1;
  Game.RunLength[LeftPipe(5)] = 6;
  ResolveGroups();
  EXPECT_EQ(Kept.Score, kMost);
  EXPECT_EQ(Game.RefillPending, kMost);

  Kept.Score = kMost - 1;
  Game.RefillPending = kMost - 1;
  for (int p = 1; p <= 9; ++p) WordSlot(p) = p != 5;
  Kept.BallLetter[CellOf(5, 0)] = 5;
  PipeHeat(LeftPipe(5)) = 10;
  SwallowBall(LeftPipe(5));
  EXPECT_EQ(Game.WordBlinkStep, 1);
  EXPECT_EQ(Kept.Score, kMost);
  EXPECT_EQ(Game.RefillPending, kMost);

  Kept.Score = kMost - 1;
  Kept.Reserve = 76;
  ReserveStep(nullptr);  // overflow at level 9
  EXPECT_EQ(Game.LevelUpPending, 1);
  EXPECT_EQ(Kept.Score, kMost);
}

TEST_F(GameEngineTest, TapsStopAtTheLargestDrainAndCredit) {
  SetBoard("..............................1.....");
  Kept.PaintColour = colour::Blue;
  Game.PaintCost = 4;
  Game.DrainPending = kMost - 1;
  Game.TapCredit = kMost;
  PaintCell(30);
  EXPECT_EQ(Game.DrainPending, kMost);
  EXPECT_EQ(Game.TapCredit, kMost);
}

// A damaged kept reserve neither wraps round into a full gauge nor into an empty one.
TEST_F(GameEngineTest, ADamagedReserveNeverWrapsRound) {
  Kept.Reserve = kLeast;
  Game.DrainPending = 1;
  ReserveStep(nullptr);
  EXPECT_EQ(Kept.Reserve, kLeast);
  EXPECT_EQ(Game.Phase, phase::GameOver);

  Game.Phase = phase::Playing;
  Kept.Reserve = kMost;
  Game.RefillPending = 1;
  ReserveStep(nullptr);
  EXPECT_EQ(Kept.Reserve, kMost);
  EXPECT_EQ(Game.Phase, phase::Playing);
}

}  // namespace

namespace {

// The hazard sign warns once, when the reserve falls into its last quarter.
TEST_F(GameEngineTest, TheHazardSignBlinksWhenTheReserveFallsIntoItsLastQuarter) {
  struct Case {
    int reserve, drain, refill, blink;
  };
  const Case cases[] = {
      {20, 1, 0, 3},  // 20 -> 19: in
      {21, 1, 0, 0},  // 21 -> 20: still above
      {19, 1, 0, 0},  // already low
      {19, 0, 1, 0},  // rising out of it
  };
  for (const Case& c : cases) {
    ResetGame();
    Kept.Reserve = c.reserve;
    Game.DrainPending = c.drain;
    Game.RefillPending = c.refill;
    ReserveStep(nullptr);
    EXPECT_EQ(Game.HazardBlink, c.blink) << c.reserve;
  }
}

}  // namespace
