#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::GameEngineTest;

// On equal length a row beats a column, a left line the right line of its row
// and a bottom line the top line of its column; lines need not cross to compete.
TEST_F(GameEngineTest, CompetingLinesAreSettledByTheirSidesAndLengths) {
  struct Contest {
    int pipe, length, rival, rivalLength;
    bool pipeKept, rivalKept;
  };
  const Contest contests[] = {
      {LeftPipe(5), 3, TopPipe(5), 3, true, false},
      {LeftPipe(5), 3, TopPipe(5), 4, false, true},
      {LeftPipe(0), 6, RightPipe(0), 6, true, false},
      {LeftPipe(0), 3, RightPipe(0), 4, false, true},
      {LeftPipe(2), 3, RightPipe(4), 5, true, true},
      {TopPipe(2), 4, BottomPipe(2), 4, false, true},
      {TopPipe(2), 5, BottomPipe(2), 4, true, false},
      {TopPipe(1), 4, BottomPipe(4), 5, true, true},
      {RightPipe(3), 3, BottomPipe(0), 3, true, false},
      {RightPipe(3), 3, TopPipe(4), 4, false, true},
      {LeftPipe(1), 4, BottomPipe(3), 4, true, false},
      {TopPipe(2), 3, RightPipe(0), 3, false, true},
      {BottomPipe(5), 3, LeftPipe(0), 3, false, true},
      {LeftPipe(2), 3, BottomPipe(0), 4, false, true},
  };
  for (const Contest& c : contests) {
    ResetGame();
    Game.RunLength[c.pipe] = c.length;
    Game.RunLength[c.rival] = c.rivalLength;
    ResolveGroups();
    EXPECT_EQ(Game.RunLength[c.pipe] != 0, c.pipeKept) << c.pipe << " vs " << c.rival;
    EXPECT_EQ(Game.RunLength[c.rival] != 0, c.rivalKept) << c.pipe << " vs " << c.rival;
    EXPECT_EQ(Kept.Score, 32 * (c.pipeKept * c.length + c.rivalKept * c.rivalLength));
  }
  ResetGame();  // a run still being sucked from an earlier pass competes too
  Game.RunLength[TopPipe(0)] = 5;
  Game.RunHandled[TopPipe(0)] = 1;
  Game.RunLength[LeftPipe(3)] = 4;
  ResolveGroups();
  EXPECT_EQ(Game.RunLength[LeftPipe(3)], 0);
  ResetGame();  // so is a right line
  Game.RunLength[TopPipe(2)] = 3;
  Game.RunHandled[TopPipe(2)] = 1;
  Game.RunLength[RightPipe(1)] = 3;
  ResolveGroups();
  EXPECT_EQ(Game.RunLength[RightPipe(1)], 3);
  ResetGame();  // a bottom line is kept against a top line of its length
  Game.RunLength[TopPipe(2)] = 3;
  Game.RunHandled[TopPipe(2)] = 1;
  Game.RunLength[BottomPipe(2)] = 3;
  ResolveGroups();
  EXPECT_EQ(Game.RunLength[BottomPipe(2)], 3);
}

// Every pipe takes a resting line of three at its side, and only then; a full
// column is a line of six both ways.
TEST_F(GameEngineTest, EveryPipeTakesItsOwnLine) {
  for (int p = 1; p <= PipeCount; ++p) {
    for (const bool firstSupported : {true, false}) {
      ResetGame();
      const auto& line = PipeLines[p];
      for (int i = 0; i < 3; ++i) Kept.BallColour[line[i]] = colour::Purple;
      const bool rowLine = SideOfPipe(p) == side::Left || SideOfPipe(p) == side::Right;
      for (int i = 0; i < 3; ++i) {
        const int below = line[i] + 6;
        const bool support = rowLine && below < CellCount && (firstSupported || i > 0);
        if (support) Kept.BallColour[below] = colour::Black;
      }
      if (SideOfPipe(p) == side::Top) Kept.BallColour[line[3]] = colour::Black;
      DetectGroups();
      ResolveGroups();
      const bool group = firstSupported || !rowLine || RowOf(line[0]) == 5;
      for (int q = 1; q <= PipeCount; ++q) {
        EXPECT_EQ(Game.RunLength[q], q == p && group ? 3 : 0) << p << " " << q;
      }
      EXPECT_EQ(Kept.Score, group ? 96 : 0) << p;
    }
  }
  SetBoard(
      "..2..."
      "..2..."
      "..2..."
      "..2..."
      "..2..."
      "..2...");
  for (std::int32_t& run : Game.RunLength) run = 0;
  DetectGroups();
  EXPECT_EQ(Game.RunLength[TopPipe(2)] * 10 + Game.RunLength[BottomPipe(2)], 66);
}

// Paints of suction for the pipes given until one of them has finished.
void SuckUntilOneEnds(std::initializer_list<int> pipes) {
  for (int frame = 0; frame < 100; ++frame) {
    bool ended = false;
    for (int p : pipes) ended |= StepSuction(p, 6).Ended;
    if (ended) return;
  }
  ADD_FAILURE() << "no suction ended";
}

// Another line's suction ending opens the pipes for the next detection, but a
// line still being sucked is neither paid again nor settled against new rivals.
TEST_F(GameEngineTest, ALineIsPaidOnceAndSuckedToItsEnd) {
  SetBoard(
      "......"
      "......"
      "......"
      "......"
      "11111."
      "222333");
  DetectGroups();
  ResolveGroups();
  ASSERT_EQ(Game.RunLength[LeftPipe(4)] * 10 + Game.RunLength[LeftPipe(5)], 53);
  ASSERT_EQ(Kept.Score, 256);  // the right line of row 5 lost to the left one
  SuckUntilOneEnds({LeftPipe(4), LeftPipe(5)});
  ASSERT_EQ(Game.RunLength[LeftPipe(4)], 2);
  DetectGroups();
  ResolveGroups();
  EXPECT_EQ(Game.RunLength[RightPipe(5)], 3);  // its rival has gone: now it counts
  EXPECT_EQ(Kept.Score, 256 + 96);
  EXPECT_EQ(Game.RefillPending, 16 + 6);
  SuckUntilOneEnds({LeftPipe(4)});
  for (int c = 24; c < 33; ++c) EXPECT_EQ(Kept.BallColour[c], 0) << c;

  // A column line with two balls to go, and a new row line of three.
  ResetGame();
  SetBoard(
      ".....4"
      ".....4"
      ".....4"
      ".3...4"
      ".3...4"
      "53...1");
  Kept.BallLetter[23] = 3;  // reaches the pipe fourth
  DetectGroups();
  ResolveGroups();
  ASSERT_EQ(Game.RunLength[TopPipe(5)] * 10 + Game.RunLength[BottomPipe(1)], 53);
  SuckUntilOneEnds({TopPipe(5), BottomPipe(1)});
  for (int c : {30, 31, 32}) Kept.BallColour[c] = colour::Yellow;
  DetectGroups();
  ResolveGroups();
  EXPECT_EQ(Game.RunLength[LeftPipe(5)], 3);
  EXPECT_EQ(Game.RunLength[TopPipe(5)], 2);
  EXPECT_EQ(Kept.Score, 256 + 96);
  SuckUntilOneEnds({TopPipe(5)});
  for (int row = 0; row < 5; ++row) EXPECT_EQ(Kept.BallColour[6 * row + 5], 0) << row;
  EXPECT_EQ(Kept.BallLetter[5] + Kept.BallLetter[11], 0);
  EXPECT_EQ(WordSlot(3), 1);

  for (int p = 1; p <= PipeCount; ++p) {
    Game.RunHandled[p] = 1;
    Game.RunLength[p] = p == 5 ? 2 : 0;
  }
  EndSuction();
  for (int p = 1; p <= PipeCount; ++p) EXPECT_EQ(Game.RunHandled[p], p == 5 ? 1 : 0) << p;
}

TEST_F(GameEngineTest, LinesMustRestAndBlackNeverCounts) {
  SetBoard(
      "777..."
      "222..."
      "3.3..."
      "111117"
      "444444"
      "556666");
  DetectGroups();
  EXPECT_EQ(Game.RunLength[LeftPipe(0)], 0);  // black never starts a group
  EXPECT_EQ(Game.RunLength[LeftPipe(1)], 0);  // its middle ball would fall
  EXPECT_EQ(Game.RunLength[LeftPipe(3)], 5);  // black ends it
  EXPECT_EQ(Game.RunLength[RightPipe(4)], 6);
  EXPECT_EQ(Game.RunLength[RightPipe(5)], 4);
  Kept.BallColour[13] = colour::Blue;
  DetectGroups();
  EXPECT_EQ(Game.RunLength[LeftPipe(1)], 3);

  // A column line from the top rests only on a ball under its end.
  SetBoard(
      "..3..."
      "..3..."
      "..3..."
      "......"
      "......"
      "..1...");
  for (std::int32_t& run : Game.RunLength) run = 0;
  DetectGroups();
  EXPECT_EQ(Game.RunLength[TopPipe(2)], 0);
  Kept.BallColour[20] = colour::Red;
  DetectGroups();
  EXPECT_EQ(Game.RunLength[TopPipe(2)], 3);
}

TEST_F(GameEngineTest, GroupsPayByLevelAndHeatOnlyTakesHotPipes) {
  SetBoard(
      "......"
      "......"
      "11112."
      "333333"
      "444444"
      "555555");
  Kept.Level = 3;
  DetectGroups();
  ResolveGroups();
  EXPECT_EQ(Kept.Score, 384 + 3 * 576);  // row 2, then rows 3..5 (their right lines lose)
  EXPECT_EQ(Game.RefillPending, 8 + 36);

  ResetGame();
  Kept.Mode = mode::Heat;
  SetBoard(
      "......"
      "......"
      "......"
      "......"
      "......"
      "222...");
  DetectGroups();
  EXPECT_EQ(Game.RunLength[LeftPipe(5)], 0);
  PipeActive(LeftPipe(5)) = 1;
  DetectGroups();
  EXPECT_EQ(Game.RunLength[LeftPipe(5)], 3);
}

TEST_F(GameEngineTest, ExtraHotPipesPayWhilePlayingOnly) {
  Kept.Level = 2;
  for (int gamePhase : {phase::Playing, phase::GameOver}) {
    SetBoard(
        "......"
        "......"
        "......"
        "......"
        "......"
        "2222..");
    Game.Phase = gamePhase;
    Game.RunLength[LeftPipe(5)] = 4;
    PipeHeat(LeftPipe(5)) = 9;
    const int before = Kept.Score;
    for (int i = 0; i < 4; ++i) SwallowBall(LeftPipe(5));
    EXPECT_EQ(PipeHeat(LeftPipe(5)), 10);
    EXPECT_EQ(Kept.Score - before, gamePhase == phase::Playing ? 3 * 428 : 0);
    for (int c = 30; c < 36; ++c) EXPECT_EQ(Kept.BallColour[c], 0);
  }
  EXPECT_EQ(Game.RefillPending, 3 * 2);
}

TEST_F(GameEngineTest, TheFirstHeatGameHasHotPipes) {
  Kept.Mode = mode::Heat;
  Game.Phase = phase::Start;
  for (int p = 1; p <= PipeCount; ++p) PipeHeat(p) = 5;
  DrawHotPipes();
  int hot = 0;
  for (int p = 1; p <= PipeCount; ++p) {
    hot += PipeActive(p);
    EXPECT_EQ(PipeHeat(p), PipeActive(p) ? 10 : 0);
  }
  EXPECT_TRUE(hot >= 1 && hot <= 7);
}

// Cooling runs only while a line is sucked and the player has painted: one
// step for every other pipe, then one more after ten further credited frames.
TEST_F(GameEngineTest, PipesCoolByTapsWhileALineIsSucked) {
  for (int p = 1; p <= PipeCount; ++p) PipeHeat(p) = p == 9 ? 0 : p == 1 ? 1 : 5;
  Game.TapCredit = 12;  // more than ten waiting: only two are kept
  CoolPipes(3);
  EXPECT_EQ(PipeHeat(3) * 100 + PipeHeat(4) * 10 + PipeHeat(9), 540);
  EXPECT_EQ(Game.TapCredit * 10 + PipeHeat(1), 20);
  CoolPipes(3);
  CoolPipes(3);
  CoolPipes(3);  // no credit left: nothing happens
  EXPECT_EQ(Game.TapCredit * 10 + Game.CoolDelay, 7);
  Game.TapCredit = 11;
  for (int frame = 0; frame < 7; ++frame) CoolPipes(4);
  EXPECT_EQ(PipeHeat(3), 5);
  CoolPipes(4);
  EXPECT_EQ(PipeHeat(3) * 100 + PipeHeat(4) * 10 + PipeHeat(24), 443);
  EXPECT_EQ(Game.CoolDelay * 10 + Game.TapCredit, 93);
}

// In HEAT the hot pipes are drawn anew when a line's last ball goes in, not before.
TEST_F(GameEngineTest, HeatDrawsNewHotPipesAfterTheLastBall) {
  Kept.Mode = mode::Heat;
  SetBoard("..................................44");
  Game.RunLength[BottomPipe(4)] = 2;
  SwallowBall(BottomPipe(4));
  EXPECT_EQ(Game.PipesRedraw, 0);
  SwallowBall(BottomPipe(4));
  EXPECT_EQ(Game.PipesRedraw, 1);
}

// The pipe sound's class by heat, its side, and nothing for pipes that do not exist.
TEST_F(GameEngineTest, PipeSoundsCarryHeatClassAndSide) {
  const int classes[11] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4};
  for (int heat = 0; heat <= 10; ++heat) EXPECT_EQ(HeatClass(heat), classes[heat]) << heat;
  PipeHeat(RightPipe(2)) = 6;
  PlayPipeSound(RightPipe(2));
  EXPECT_EQ(sound::PipeSoundClass * 10 + sound::PipeSoundSide, 30 + side::Right);
  PlayPipeSound(0);
  PlayPipeSound(PipeCount + 1);
  PlayPipeSound(1);
  PlayPipeSound(PipeCount);
  EXPECT_EQ(CountEvents(sound::effect::PipeSuction), 3);
}

// The ball next to the pipe goes in and the letters of the rest slide one cell
// towards it; a pipe with nothing to swallow, or no pipe at all, changes nothing.
TEST_F(GameEngineTest, ASwallowSlidesTheLettersTowardsThePipe) {
  SetBoard("..................................11");
  Kept.BallLetter[34] = 4;
  Game.RunLength[RightPipe(5)] = 2;
  SwallowBall(RightPipe(5));
  EXPECT_EQ(Kept.BallLetter[35] * 10 + Kept.BallLetter[34] + Kept.BallColour[34], 40);
  SwallowBall(RightPipe(5));
  EXPECT_EQ(WordSlot(4), 1);
  SetBoard("..................................11");
  for (const int p : {0, RightPipe(5), PipeCount + 1}) SwallowBall(p);
  EXPECT_EQ(Kept.BallColour[34] + Kept.BallColour[35] + PipeHeat(RightPipe(5)), 1 + 1 + 2);
}

}  // namespace
