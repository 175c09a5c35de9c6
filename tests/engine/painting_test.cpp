#include <bit>

#include "engine/animation_steps.hpp"
#include "engine/painting.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::GameEngineTest;

// The wheel from first principles, each colour as its set of primaries (red 1,
// yellow 2, blue 4): two primaries make their secondary, two secondaries the
// primary they share, opposites black; otherwise the paint wins.
int ExpectedMix(int ball, int paint) {
  constexpr unsigned kSet[7] = {0, 1, 2, 4, 6, 5, 3};
  const auto colourOf = [&](unsigned set) { return int(std::find(kSet, kSet + 7, set) - kSet); };
  if (paint == 7 || ball == 7) return paint;
  const unsigned a = kSet[ball], b = kSet[paint];
  if (std::popcount(a) == 2 && std::popcount(b) == 2) return colourOf(a & b);
  if ((a | b) == 7) return 7;
  return std::popcount(a) == 1 && std::popcount(b) == 1 ? colourOf(a | b) : paint;
}

TEST_F(GameEngineTest, ChromaMixingFollowsTheColourWheel) {
  for (int ball = 1; ball <= 7; ++ball) {
    for (int paint = 1; paint <= 7; ++paint) {
      EXPECT_EQ(MixedColour(ball, paint), ExpectedMix(ball, paint)) << ball << paint;
    }
  }
  // Codes off the wheel (a damaged kept board) leave the paint as it is.
  for (int odd : {0, 8}) {
    EXPECT_EQ(MixedColour(odd, 3), 3);
    EXPECT_EQ(MixedColour(3, odd), odd);
  }
}

TEST_F(GameEngineTest, OverlappingChromaSplashesTakeThePaintOfTheirOwnEnd) {
  Kept.Mode = mode::Chroma;
  SetBoard("..............................32....");
  Kept.PaintColour = colour::Red;
  PaintCell(30);
  EXPECT_EQ(Kept.PaintColour, colour::Purple);
  EXPECT_EQ(Game.SwatchRedraw, 1);
  StepSplash(30);
  PaintCell(31);
  EXPECT_EQ(Kept.PaintColour, colour::Black);
  EXPECT_EQ(Kept.BallColour[30], colour::Blue);
  while (Game.PaintStep[30] != 0) StepSplash(30);
  EXPECT_EQ(Kept.BallColour[30], colour::Black);
  const int rolled = Kept.PaintColour;
  EXPECT_TRUE(rolled >= 1 && rolled <= 5);
  while (Game.PaintStep[31] != 0) StepSplash(31);
  EXPECT_EQ(Kept.BallColour[31], rolled);
  EXPECT_EQ(CountEvents(sound::effect::PaintSplash), 2);
}

TEST_F(GameEngineTest, RefusedTapsOnlySoundAndEveryAcceptedTapPays) {
  SetBoard("......1..........................1.2");  // cell 6 has nothing under it
  Kept.PaintColour = colour::Yellow;
  Game.PaintCost = 4;
  for (int cell : {0, 6, 35, 36, 500, -1}) PaintCell(cell);
  EXPECT_EQ(CountEvents(sound::effect::PaintRefused), 3);
  EXPECT_EQ(Game.DrainPending + Game.TapCredit + Game.PaintStep[6] + Game.PaintStep[35], 0);
  for (int i = 0; i < 10; ++i) PaintCell(33);  // the bottom row needs no ball below
  EXPECT_EQ(Game.DrainPending, 40);
  EXPECT_EQ(Game.TapCredit, 10);

  // Only the cell straight below counts.
  SetBoard(
      "......"
      "......"
      "......"
      "......"
      "33...."
      "3.3...");
  PaintCell(24);
  PaintCell(25);
  EXPECT_EQ(Game.PaintStep[24] * 10 + Game.PaintStep[25], 10);
}

TEST_F(GameEngineTest, ASplashOnABallThatLeftCreatesNoBall) {
  SetBoard("..............................1.....");
  Kept.PaintColour = colour::Blue;
  PaintCell(30);
  Kept.BallColour[30] = colour::None;  // sucked away meanwhile
  while (Game.PaintStep[30] != 0) StepSplash(30);
  EXPECT_EQ(Kept.BallColour[30], colour::None);
  EXPECT_EQ(Game.SwatchRedraw, 1);
}

TEST_F(GameEngineTest, APaintOutsideTheBoardChangesNothing) {
  Kept.PaintColour = colour::Blue;
  for (int c : {-1, 36}) CompletePaint(c);
  EXPECT_EQ(Kept.PaintColour, colour::Blue);
  EXPECT_EQ(Game.SwatchRedraw, 0);
  SetBoard("1...................................");
  CompletePaint(0);
  EXPECT_EQ(Kept.BallColour[0], colour::Blue);
}

}  // namespace
