#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::GameEngineTest;

struct Decisions {
  int colours[8] = {}, lettered = 0, blackLettered = 0, code2 = 0;
};

Decisions Decide(int gameMode, int count) {
  Kept.Mode = gameMode;
  Decisions d;
  for (int i = 0; i < count; ++i) {
    Game.SupplyReady[3] = 0;
    SupplyColumn(3);
    const int ball = Game.IncomingColour[3], letter = Game.IncomingLetter[3];
    d.colours[ball] += 1;
    d.lettered += letter != 0;
    d.blackLettered += letter != 0 && ball == colour::Black;
    d.code2 += letter == 2;
  }
  return d;
}

TEST_F(GameEngineTest, SupplyColoursAndLettersByMode) {
  for (int m : {mode::Panic, mode::Heat}) EXPECT_EQ(Decide(m, 20000).colours[7], 0) << m;
  const Decisions chroma = Decide(mode::Chroma, 40000);
  for (int c = 0; c <= 7; ++c) EXPECT_NEAR(chroma.colours[c], 5000, 400) << c;
  EXPECT_EQ(chroma.blackLettered, 0);
  EXPECT_NEAR(chroma.lettered, 40000 * 7 / 8 * 7 / 240, 150);

  // With eight positions collected half the letters are the missing one.
  for (int p = 1; p <= 9; ++p) WordSlot(p) = p != 7;
  const Decisions eight = Decide(mode::Easy, 60000);
  EXPECT_NEAR(double(eight.code2) / eight.lettered, 0.5 + 0.5 / 7, 0.04);
  WordSlot(1) = 0;
  const Decisions seven = Decide(mode::Easy, 60000);
  EXPECT_NEAR(double(seven.code2) / seven.lettered, 1.0 / 7, 0.04);
}

TEST_F(GameEngineTest, AnExpiredSupplyWaitAlwaysReleasesTheColumn) {
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(Game.SupplyWait[k], 10);
  Game.SupplyReady[1] = 1;  // no ball, its wait already used up (a resumed game)
  Game.SupplyWait[1] = 0;
  SupplyColumn(1);
  EXPECT_EQ(Game.SupplyReady[1], 0);
}

TEST_F(GameEngineTest, MovesKeepTheirProgressAndMoveOnlyTheBallThatIsThere) {
  SetBoard("4.7................................3");
  Kept.BallLetter[0] = 5;
  Game.SupplyReady[2] = 1;
  Game.IncomingColour[2] = colour::Green;
  SupplyAndGravity();
  StepFall(2, 6);
  StepDrop(2, 6);
  SupplyAndGravity();
  EXPECT_EQ(Game.FallRecord[2].Progress, 24);
  EXPECT_EQ(Game.DropRecord[2].Position, 42);
  Kept.BallColour[2] = colour::None;  // black balls leave at a level-up
  for (int i = 0; i < 4; ++i) {
    StepFall(2, 6);
    StepFall(14, 10);
  }
  EXPECT_EQ(Kept.BallColour[6], colour::Green);
  EXPECT_EQ(Kept.BallLetter[6] * 10 + Kept.BallLetter[0], 50);
  EXPECT_EQ(Kept.BallColour[8], colour::None);
  EXPECT_EQ(CountEvents(sound::effect::BallLanded), 0);
}

TEST_F(GameEngineTest, ATopLineBeingSuckedDoesNotFall) {
  SetBoard("2.....2.....2.....3.....4.....3.....");
  Kept.BallLetter[0] = 4;
  DetectGroups();
  ResolveGroups();
  ASSERT_EQ(Game.RunLength[TopPipe(0)], 3);
  Game.SupplyReady[1] = 1;  // no new balls
  Game.SupplyWait[1] = 1000;
  for (int frame = 0; frame < 100 && Game.RunLength[TopPipe(0)] > 0; ++frame) {
    SupplyAndGravity();
    for (int slot = 1; slot <= 36; ++slot) StepFall(slot, 6);
    StepSuction(TopPipe(0), 6);
  }
  for (int row = 0; row < 6; ++row) EXPECT_EQ(Kept.BallColour[6 * row], "000343"[row] - '0');
  EXPECT_EQ(WordSlot(4), 1);
}

}  // namespace

// A cell another pipe has emptied while it still belongs to a line being sucked
// takes no ball, neither dropped from above the board nor falling from the cell
// above: the line's next swallow would erase that ball and pay its letter.
TEST_F(GameEngineTest, CellsOfALineBeingSuckedTakeNoNewBall) {
  struct Case {
    const char* board;
    int pipe, arriving, settles;
  };
  // A top line whose top cell a left pipe emptied, with a lettered ball coming
  // in; a bottom line whose far end a left pipe emptied, a lettered ball above.
  const Case cases[] = {
      {"......"
       "4....."
       "4....."
       "3....."
       "5....."
       "5.....",
       TopPipe(0), -1, 12},
      {"......"
       "......"
       "6....."
       "......"
       "2....."
       "2.....",
       BottomPipe(0), 12, 30},
      {"......"
       "......"
       "......"
       "......"
       "..6..."
       "22....",
       LeftPipe(5), 26, 32},
  };
  for (const Case& c : cases) {
    ResetGame();
    SetBoard(c.board);
    Game.RunLength[c.pipe] = 3;
    Game.RunHandled[c.pipe] = 1;
    for (int k = 1; k <= ColumnCount; ++k) {
      Game.SupplyReady[k] = 1;
      Game.SupplyWait[k] = 1000;
    }
    if (c.arriving < 0) {
      Game.IncomingColour[1] = colour::Blue;
      Game.IncomingLetter[1] = 5;
    } else {
      Kept.BallLetter[c.arriving] = 5;
    }
    for (int frame = 0; frame < 60; ++frame) {
      SupplyAndGravity();
      for (int slot = 1; slot <= CellCount; ++slot) StepFall(slot, 6);
      for (int k = 1; k <= ColumnCount; ++k) StepDrop(k, 6);
      StepSuction(c.pipe, 6);
    }
    EXPECT_EQ(Game.RunLength[c.pipe], 0);
    EXPECT_EQ(Kept.Score, 0) << "the newcomer's letter was paid";
    EXPECT_EQ(WordSlot(5), 0);
    // The newcomer has settled where the line was, letter and all.
    EXPECT_EQ(Kept.BallColour[c.settles], c.arriving < 0 ? colour::Blue : colour::Orange);
    EXPECT_EQ(Kept.BallLetter[c.settles], 5) << c.pipe;
  }
}

// A falling ball sounds when it comes to rest on the floor or on a ball, not
// when it only passes a cell on its way down; balls on the floor never fall.
TEST_F(GameEngineTest, AFallSoundsOnlyWhereTheBallComesToRest) {
  struct Case {
    const char* board;
    int slot, sounds;
  };
  const Case cases[] = {
      {"......"
       "......"
       "......"
       "......"
       "2....."
       ".12345",
       6, 1},
      {"......"
       "2....."
       "......"
       "2....."
       "......"
       "2.....",
       5, 1},
      {"......"
       "2....."
       "......"
       "2....."
       "......"
       "......",
       5, 0},
  };
  for (const Case& c : cases) {
    ResetGame();
    SetBoard(c.board);
    for (int k = 1; k <= ColumnCount; ++k) Game.SupplyReady[k] = 1;
    SupplyAndGravity();
    for (int slot = 1; slot <= CellCount; ++slot) {
      const bool armed = slot == c.slot || (slot == 3 && c.board[6] != '.');
      EXPECT_EQ(Game.FallRecord[slot].Active, armed) << slot;
    }
    EXPECT_TRUE(StepFall(c.slot, 30));
    EXPECT_EQ(CountEvents(sound::effect::BallLanded), c.sounds) << c.slot;
  }
}

// A new game starts from a clean slate, whatever the last one left behind.
TEST_F(GameEngineTest, ANewGameClearsWhatTheLastOneLeft) {
  Kept.Mode = mode::Panic;
  std::int32_t* requests[] = {&Game.GaugeRedraw,  &Game.ScoreRedraw,       &Game.WordRedraw,
                              &Game.SwatchRedraw, &Game.DecorationsRedraw, &Game.DripRedraw,
                              &Game.PipesRedraw,  &Game.BonusShow,         &Game.BonusMarkerRestart,
                              &Game.GameOverStep, &Game.LevelUpStep,       &Game.RunOutCounter,
                              &Game.DrainPending, &Game.DripCountdown};
  for (std::int32_t* request : requests) *request = 7;
  for (int p = 0; p <= PipeCount; ++p) {
    Game.RunLength[p] = 4;
    Game.RunHandled[p] = 1;
    Game.LineProgress[p] = 12;
    if (p > 0) PipeHeat(p) = 9;
  }
  for (int c = 0; c < CellCount; ++c) {
    Game.PaintStep[c] = 5;
    Kept.BallColour[c] = Kept.BallLetter[c] = 3;
  }
  Game.SupplyReady[1] = 1;
  Kept.SupplyStart = 0;
  Game.RunOutPattern = Game.TimeOut = Game.BonusCell = Game.BonusLife = Game.BonusWait =
      Game.BonusTakenCell = Game.WordBlinkStep = 4;
  Game.LevelUpPending = Game.LetterTaken[1] = Game.LetterTaken[7] = 1;
  for (int p = 1; p <= 9; ++p) WordSlot(p) = 1;
  for (int p = 1; p <= PipeCount; ++p) PipeActive(p) = 1;
  Game.DropRecord[6].Active = Game.FallRecord[36].Active = 1;
  Kept.Level = 5;
  Kept.Score = 900;
  NewGame();
  const int firstDraw = platform::Rand();  // the generator restarts from the clock
  NewGame();
  EXPECT_EQ(platform::Rand(), firstDraw);
  EXPECT_EQ(Game.RunOutPattern + Game.TimeOut + Game.BonusCell + Game.BonusLife + Game.BonusWait +
                Game.BonusTakenCell + Game.WordBlinkStep + Game.LevelUpPending +
                Game.LetterTaken[1] + Game.LetterTaken[7] + Game.DropRecord[6].Active +
                Game.FallRecord[36].Active,
            0);
  for (int p = 1; p <= 9; ++p) EXPECT_EQ(WordSlot(p), 0);
  for (int p = 1; p <= PipeCount; ++p) EXPECT_EQ(PipeActive(p), 0);
  for (int c = 0; c < CellCount; ++c) EXPECT_EQ(Kept.BallColour[c] + Kept.BallLetter[c], 0);
  EXPECT_EQ(Game.RefillPending * 100 + Game.PaintCost * 10 + Kept.Reserve, 4030);
  EXPECT_EQ(Game.DripInterval * 10 + Kept.Level + Kept.Score, 1001);
  for (std::int32_t* request : requests) EXPECT_EQ(*request, 0);
  for (int p = 1; p <= PipeCount; ++p) {
    EXPECT_EQ(Game.RunLength[p] + Game.RunHandled[p] + PipeHeat(p), 0) << p;
    EXPECT_EQ(Game.LineProgress[p], 30) << p;
  }
  for (int c = 0; c < CellCount; ++c) EXPECT_EQ(Game.PaintStep[c], 0);
  EXPECT_EQ(Game.SupplyReady[1], 0);
  EXPECT_EQ(Kept.SupplyStart, 1);
  EXPECT_EQ(Kept.PanicTime, 99);

  // Column 1 decides at once; the others are released 15 ticks apart.
  Game.Phase = phase::Playing;
  int released[ColumnCount + 1] = {};
  for (int tick = 0; tick < 80; ++tick) {
    SupplyAndGravity();
    for (int k = 2; k <= ColumnCount; ++k) {
      if (Game.SupplyReady[k] == 0 && released[k] == 0) released[k] = tick;
    }
    Game.IncomingColour[1] = colour::Red;  // column 1 never lands
  }
  for (int k = 2; k <= ColumnCount; ++k) EXPECT_EQ(released[k], 15 * (k - 1) - 1) << k;
}

// With eight positions collected, the offer replaces the letter by the code
// of the missing position (7 is the second "a", 8 and 9 the two "s").
TEST_F(GameEngineTest, TheOfferNamesTheMissingPositionsLetter) {
  const int codes[10] = {0, 1, 2, 3, 4, 5, 6, 2, 7, 7};
  for (int missing = 1; missing <= 9; ++missing) {
    for (int p = 1; p <= 9; ++p) WordSlot(p) = p != missing;
    Game.IncomingLetter[4] = 0;
    for (int i = 0; i < 40 && Game.IncomingLetter[4] == 0; ++i) OfferMissingLetter(4);
    EXPECT_EQ(Game.IncomingLetter[4], codes[missing]) << missing;
  }
}

// Completion rules given a slot outside the table touch nothing.
TEST_F(GameEngineTest, CompletionsOutsideTheTablesAreIgnored) {
  Game.PaintBeforeMix = 3;
  Game.PaintStep[0] = 5;
  CompleteFall(CellCount + 1);
  CompleteFall(-1);
  CompleteDrop(ColumnCount + 1);
  EXPECT_EQ(Game.PaintBeforeMix * 10 + Game.PaintStep[0], 35);
}
