#include <algorithm>

#include "engine/board_geometry.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/scoring.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::GameEngineTest;

void Collect(int code) {
  Kept.BallColour[0] = colour::Red;
  Kept.BallLetter[0] = code;
  CollectLetter(0);
}

int FilledPositions() {
  int mask = 0;
  for (int p = 1; p <= 9; ++p) mask |= WordSlot(p) << (p - 1);
  return mask;
}

TEST_F(GameEngineTest, SharedLettersFillTheirSecondPositionThenOnlyPay) {
  Kept.Level = 4;
  for (int i = 0; i < 3; ++i) Collect(2);
  EXPECT_EQ(FilledPositions(), 0b001000010);  // positions 2 and 7
  for (int i = 0; i < 3; ++i) Collect(7);
  EXPECT_EQ(FilledPositions(), 0b111000010);  // and 8, 9
  EXPECT_EQ(Kept.Score, 6 * 284 * 4);
  EXPECT_EQ(CountEvents(sound::effect::LetterCollected), 4);
  EXPECT_EQ(Game.WordRedraw, 1);
}

TEST_F(GameEngineTest, AWordCompletedOnAFullReserveKeepsThePendingRefill) {
  for (int p = 1; p <= 9; ++p) WordSlot(p) = p != 1;
  Kept.Reserve = 72;
  Game.RefillPending = 30;
  Collect(1);
  EXPECT_EQ(Game.RefillPending, 30);
  EXPECT_EQ(Game.WordBlinkStep, 1);
}

TEST_F(GameEngineTest, TheBlinkRunsOnlyBetweenCompletionAndItsEnd) {
  for (int missing : {1, 9}) {
    for (int p = 1; p <= 9; ++p) WordSlot(p) = p != missing;
    Collect(5);  // a letter already in place completes nothing
    EXPECT_EQ(Game.WordBlinkStep, 0) << missing;
  }
  WordSlot(9) = 1;
  WordBlink();  // no word completed
  EXPECT_EQ(Game.WordBlinkStep + Game.WordRedraw, 0);
  EXPECT_EQ(FilledPositions(), 0x1FF);
  Game.WordBlinkStep = 23;
  EXPECT_FALSE(EndWordBlinkIfOver());
  Game.WordBlinkStep = 24;
  EXPECT_TRUE(EndWordBlinkIfOver());
  EXPECT_EQ(Game.WordBlinkStep, 0);
}

TEST_F(GameEngineTest, CompletingTheWordReplacesThePendingRefillAndBlinks) {
  for (int p = 1; p <= 9; ++p) WordSlot(p) = p != 5;
  Kept.Reserve = 50;
  Game.RefillPending = 30;
  Collect(5);
  EXPECT_EQ(Game.RefillPending, 22);
  EXPECT_EQ(Kept.Score, 20284);
  EXPECT_EQ(CountEvents(sound::effect::WordComplete), 1);

  // Letters taken while the word blinks pay and wait for the next word.
  Collect(3);
  EXPECT_EQ(Kept.Score, 20568);
  const int expected[24] = {0x1FF, 0x1FE, 0x1FC, 0x1F8, 0x1F0, 0x1E0, 0x1C0, 0x180,
                            0x100, 0x000, 0x100, 0x180, 0x1C0, 0x1E0, 0x1F0, 0x1F8,
                            0x1FC, 0x1FE, 0x1FF, 0x0FE, 0x07C, 0x038, 0x010, 0x000};
  for (int step = 1; step <= 24; ++step) {
    EXPECT_EQ(FilledPositions(), expected[step - 1]) << step;
    Game.WordRedraw = 0;
    WordBlink();
    EXPECT_EQ(Game.WordRedraw, step < 24 ? 1 : 0) << step;
  }
  EXPECT_EQ(Game.WordBlinkStep, 24);  // stays over until the game screen clears it
  Game.WordBlinkStep = 26;
  EXPECT_TRUE(EndWordBlinkIfOver());
  Collect(1);
  EXPECT_EQ(FilledPositions(), 0b101);
}

TEST_F(GameEngineTest, BonusCellAtACornerPaysForBothLinesInOneCheck) {
  Kept.Level = 2;
  Game.BonusCell = 1;
  Game.BonusLife = 7;
  Game.RunLength[LeftPipe(0)] = 3;
  Game.RunLength[TopPipe(0)] = 3;
  ResolveGroups();
  EXPECT_EQ(Game.RefillPending, 6 + 2 * 4);
  EXPECT_EQ(CountEvents(sound::effect::BonusCell), 2);
  EXPECT_EQ(Game.BonusTakenCell, 1);
  EXPECT_EQ(Game.BonusShow, 1);
  EXPECT_EQ(Game.BonusMarkerRestart, 1);
}

TEST_F(GameEngineTest, ABonusCellNoLineReachesLosesItsMarkAllTheSame) {
  Game.BonusCell = 4;  // row 0, column 3
  Game.BonusLife = 7;
  Game.RunLength[LeftPipe(0)] = 3;
  ResolveGroups();
  EXPECT_EQ(Game.RefillPending, 6);
  EXPECT_EQ(Game.BonusShow, 0);
  BonusCellTimer();
  EXPECT_EQ(Game.BonusCell, 4);
  BonusCellTimer();
  EXPECT_EQ(Game.BonusCell, 0);
}

TEST_F(GameEngineTest, LettersPayOnlyInAGameInPlay) {
  for (int p = 1; p <= 9; ++p) WordSlot(p) = p != 5;
  for (int gamePhase : {phase::GameOver, phase::Start}) {
    Game.Phase = gamePhase;
    Collect(5);
    EXPECT_EQ(Kept.Score, 0);
    EXPECT_EQ(WordSlot(5), 0);
    EXPECT_EQ(Game.LetterTaken[5], 0);
  }
  EXPECT_EQ(engine_test::Events.size(), 0u);
}

// Draws come from the game's generator as floor(r x n / 32768).
TEST_F(GameEngineTest, TheBonusCellIsChosenAfterAWaitAndStaysTenSteps) {
  platform::Srand(1288);
  const int r1 = platform::Rand(), r2 = platform::Rand();
  platform::Srand(1288);
  BonusCellTimer();
  const int wait = r1 * 30 / 32768;
  EXPECT_EQ(Game.BonusWait, wait > 0 ? wait - 1 : 0);
  for (int step = 1; step < wait; ++step) BonusCellTimer();
  EXPECT_EQ(Game.BonusCell, r2 * 37 / 32768);
  ASSERT_TRUE(wait >= 3 && Game.BonusCell > 0);  // this seed waits, then marks a cell
  for (int step = 0; step < 8; ++step) BonusCellTimer();
  EXPECT_NE(Game.BonusCell, 0);
  BonusCellTimer();
  EXPECT_EQ(Game.BonusCell, 0);
  EXPECT_EQ(Game.BonusWait, 0);  // the next wait is drawn on the next step
}

TEST_F(GameEngineTest, TheBonusCellTimerAtItsEdges) {
  platform::Srand(99);
  const int r1 = platform::Rand(), r2 = platform::Rand();
  ASSERT_EQ(r1 * 30 / 32768, 0);  // this seed draws no wait: a cell at once
  platform::Srand(99);
  BonusCellTimer();
  EXPECT_EQ(Game.BonusWait, 0);
  EXPECT_EQ(Game.BonusCell, r2 * 37 / 32768);
  EXPECT_EQ(Game.BonusLife, 9);

  Game.BonusCell = 1;  // the first cell ends like any other
  Game.BonusLife = 1;
  BonusCellTimer();
  EXPECT_EQ(Game.BonusCell, 0);
  Game.BonusCell = 8;
  Game.BonusLife = 0;
  Game.BonusWait = 5;
  BonusCellTimer();
  EXPECT_EQ(Game.BonusCell + Game.BonusLife, 0);
}

TEST_F(GameEngineTest, AMarkOffTheBoardPaysNothing) {
  Game.BonusCell = 37;
  Game.BonusLife = 5;
  Game.RunLength[LeftPipe(5)] = 6;
  CheckBonusCell();
  EXPECT_EQ(Game.RefillPending + Game.BonusShow, 0);
  EXPECT_EQ(Game.BonusLife, 5);
}

// A damaged kept board may hold any letter code: only 1..7 are letters.
TEST_F(GameEngineTest, UnknownLetterCodesPayNothing) {
  for (int code : {0, 8, 9, -1}) Collect(code);
  EXPECT_EQ(Kept.Score, 0);
  EXPECT_EQ(FilledPositions(), 0);
}

// Each side's line must reach from its pipe to the marked cell, and be at least 3 long.
TEST_F(GameEngineTest, ABonusCellPaysForEachLineThatReachesIt) {
  struct Case {
    int cell, pipe, run;
    bool pays;
  };
  const Case cases[] = {
      {CellOf(1, 4), LeftPipe(1), 5, true},   {CellOf(1, 4), LeftPipe(1), 4, false},
      {CellOf(1, 4), BottomPipe(4), 5, true}, {CellOf(1, 4), BottomPipe(4), 4, false},
      {CellOf(4, 1), RightPipe(4), 5, true},  {CellOf(4, 1), RightPipe(4), 4, false},
      {CellOf(4, 1), TopPipe(1), 5, true},    {CellOf(4, 1), TopPipe(1), 4, false},
      {CellOf(1, 4), RightPipe(1), 3, true},  {CellOf(1, 4), TopPipe(4), 3, true},
      {CellOf(5, 5), RightPipe(5), 3, true},
  };
  for (const Case& c : cases) {
    std::fill(Game.RunLength, Game.RunLength + PipeCount + 1, 0);
    Game.RefillPending = 0;
    Game.BonusCell = c.cell + 1;
    Game.RunLength[c.pipe] = c.run;
    CheckBonusCell();
    EXPECT_EQ(Game.RefillPending, c.pays ? 2 : 0) << c.cell << " by pipe " << c.pipe;
  }
}

}  // namespace
