#include "render/board_drawing.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/groups_and_pipes.hpp"
#include "platform/display_profile.hpp"
#include "platform/runtime.hpp"
#include "platform/software_drawing.hpp"
#include "platform/text_drawing.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/drawing_primitives.hpp"
#include "render/game_layout.hpp"
#include "support/board_drawing_fixture.hpp"

namespace {

using namespace render;
using engine::Game;
using engine::Kept;
using platform::Bitmap;
using platform::Colour;
using namespace testing_support;

constexpr Colour kBlack = platform::Rgb(0, 0, 0);
constexpr Colour kWhite = platform::Rgb(255, 255, 255);
constexpr Colour kKey = platform::Rgb(255, 204, 255);
constexpr Colour kGrey = platform::Rgb(187, 187, 187);

platform::Point CellOf(int cell) {
  return platform::Point{18 + 30 * (cell % 6), 18 + 30 * (cell / 6)};
}

const Bitmap& Board() {
  return BackBuffers[BoardBuffer];
}

// The picture a cell shows at rest, composed here from the catalogue.
Bitmap CellFace(int ballColour, int heat = 0) {
  Bitmap face(30, 30);
  platform::DeviceContext dc = platform::MemoryContext(face);
  platform::CopyBits(dc, 0, 0, 30, 30, *PictureOf(EmptyCell), 0, 0);
  if (const Bitmap* ball = BallPicture(ballColour, heat)) {
    platform::CopyBitsKeyed(dc, 0, 0, 30, 30, *ball, 0, 0, 30, 30, kBlack);
  }
  return face;
}

using BoardDrawingTest = BoardFixture;

TEST_F(BoardDrawingTest, OverlappingSplashesEachKeepTheirOwnBall) {
  Kept.BallColour[0] = engine::colour::Red;
  Kept.BallColour[1] = engine::colour::Blue;
  Kept.BallColour[6] = Kept.BallColour[7] = engine::colour::Green;
  Kept.PaintColour = engine::colour::Yellow;
  RedrawBoard();
  Game.PaintStep[1] = 1;
  DrawSplashes(Screen);
  Game.PaintStep[0] = 1;
  DrawSplashes(Screen);  // cell 1 shows splat frame 1 over its own blue ball

  Bitmap expected = CellFace(engine::colour::Blue);
  platform::DeviceContext dc = platform::MemoryContext(expected);
  platform::CopyBitsKeyed(dc, 0, 0, 30, 30, *PictureOf(SplatSheets), 30, 30, 30, 30, kWhite);
  EXPECT_TRUE(RegionIs(Board(), 48, 18, expected));
}

TEST_F(BoardDrawingTest, SplashFramesComeFromTheColoursColumn) {
  struct Case {
    int paint;
    int sheet;
    int column;
  };
  for (const Case c : {Case{1, 0, 0}, Case{4, 1, 0}, Case{6, 1, 2}}) {
    for (int frame = 1; frame <= 7; frame += 2) {
      Kept.BallColour[0] = engine::colour::Yellow;
      Kept.BallColour[6] = engine::colour::Blue;
      Kept.PaintColour = c.paint;
      RedrawBoard();
      Game.PaintStep[0] = frame;
      DrawSplashes(Screen);
      Bitmap expected = CellFace(frame == 7 ? c.paint : engine::colour::Yellow);
      platform::DeviceContext dc = platform::MemoryContext(expected);
      platform::CopyBitsKeyed(dc, 0, 0, 30, 30, *PictureOf(SplatSheets + c.sheet), 30 * c.column,
                              15 * (frame - 1), 30, 30, kWhite);
      EXPECT_TRUE(RegionIs(Board(), 18, 18, expected)) << c.paint << " " << frame;
      EXPECT_TRUE(RegionIs(Board(), 18, 48, CellFace(engine::colour::Blue)));
    }
  }
  // The last frame gives the ball its paint and shows the next colour.
  Game.PaintStep[0] = 9;
  DrawSplashes(Screen);
  EXPECT_EQ(Kept.BallColour[0], 6);
  EXPECT_TRUE(RegionIs(Board(), 18, 18, CellFace(6)));
  EXPECT_TRUE(RegionIs(ScreenBitmap, 217, 48, *PictureOf(PaintPills + Kept.PaintColour - 1)));
}

TEST_F(BoardDrawingTest, BlackPaintSplashesWithoutSplatFrames) {
  Kept.Mode = engine::mode::Chroma;
  Kept.BallColour[30] = engine::colour::Red;
  Kept.PaintColour = engine::colour::Black;
  for (int frame = 1; frame <= 5; frame += 2) {
    Game.PaintStep[30] = frame;
    DrawSplashes(Screen);
    EXPECT_TRUE(RegionIs(Board(), 18, 168, CellFace(engine::colour::Red))) << frame;
  }
  Game.PaintStep[30] = 7;
  DrawSplashes(Screen);
  EXPECT_TRUE(RegionIs(Board(), 18, 168, CellFace(engine::colour::Black)));
}

TEST_F(BoardDrawingTest, GaugeMarkerSitsInsideTheTubeAndBlinksEveryFourPaints) {
  const Bitmap& gauge = BackBuffers[GaugeBuffer];
  const Bitmap* first = PictureOf(GaugeMarkers);
  const Bitmap* second = PictureOf(GaugeMarkers + 1);
  struct Case {
    int reserve;
    int markerY;
  };
  // 77 fills the tube, 0 leaves one row; values past either end stay inside.
  for (const Case c : {Case{77, 0}, Case{0, 115}, Case{90, 0}, Case{-10, 115}}) {
    Kept.Reserve = c.reserve;
    ResetBoardDrawing();
    Game.GaugeRedraw = 1;
    DrawGauge(Screen);
    EXPECT_EQ(Game.GaugeRedraw, 0);
    const int rows = std::min(13, 116 - c.markerY);
    EXPECT_TRUE(RegionIs(gauge, 0, c.markerY, *first, 13, rows)) << c.reserve;
    if (c.markerY == 0) {
      EXPECT_TRUE(RegionIs(gauge, 0, 13, *PictureOf(GaugeTubeFull), 13, 103, 0, 13));
    }
  }
  Kept.Reserve = 40;
  ResetBoardDrawing();
  for (int paint = 0; paint < 9; ++paint) {
    Game.GaugeRedraw = 1;
    DrawGauge(Screen);
    const Bitmap* shown = (paint % 8) < 4 ? first : second;
    EXPECT_TRUE(RegionIs(gauge, 0, 55, *shown)) << paint;
  }
  Kept.Reserve = 100;
  Game.GaugeRedraw = 1;
  DrawGauge(Screen);
  EXPECT_TRUE(RegionIs(gauge, 0, 0, *PictureOf(GaugeTubeEmpty)));
  // The 320x320 screen takes logical pixels as they are, whatever its dots per inch.
  Start(320, 320, 192);
  Kept.Reserve = 40;
  Game.GaugeRedraw = 1;
  DrawGauge(Screen);
  EXPECT_TRUE(RegionIs(BackBuffers[GaugeBuffer], 0, 55, *PictureOf(GaugeMarkers)));
}

TEST_F(BoardDrawingTest, FallAndDropLeaveNoTrailAndKeepThePipe) {
  // A ball falls from cell 0 to cell 6 while a new ball drops into column 1.
  Kept.BallColour[0] = engine::colour::Red;
  Kept.BallColour[13] = engine::colour::Green;
  Game.FallRecord[2] = engine::BallFall{1, 0, engine::colour::Red, 30};
  Kept.BallColour[29] = engine::colour::Red;
  Game.FallRecord[36] = engine::BallFall{1, 29, engine::colour::Red, 30};
  Game.DropRecord[6] = engine::BallDrop{1, engine::colour::Blue, 48};
  DrawPipes();
  RedrawBoard();
  DrawFalls(Screen);
  DrawDrops(Screen);
  // The falling ball is 6 pixels down, over bare cells.
  Bitmap expected(30, 60);
  platform::DeviceContext dc = platform::MemoryContext(expected);
  platform::CopyBits(dc, 0, 0, 30, 30, *PictureOf(EmptyCell), 0, 0);
  platform::CopyBits(dc, 0, 30, 30, 30, *PictureOf(EmptyCell), 0, 0);
  platform::CopyBitsKeyed(dc, 0, 6, 30, 30, *BallPicture(1, 0), 0, 0, 30, 30, kBlack);
  EXPECT_TRUE(RegionIs(Board(), 18, 18, expected));
  // The dropping ball is still above the board: pipe and cell are whole.
  const Bitmap* pipe = PipePicture(0, 1, engine::side::Top);
  EXPECT_TRUE(RegionIs(Board(), 48, 6, *pipe, 30, 12, 0, 6));
  EXPECT_TRUE(RegionIs(Board(), 168, 18, *PictureOf(EmptyCell)));
  EXPECT_TRUE(RegionIs(Board(), 168, 138, expected));

  for (int paint = 0; paint < 2; ++paint) {
    DrawFalls(Screen);
    DrawDrops(Screen);
  }
  platform::CopyBits(dc, 0, 0, 30, 30, *PictureOf(EmptyCell), 0, 0);
  platform::CopyBits(dc, 0, 30, 30, 30, *PictureOf(EmptyCell), 0, 0);
  platform::CopyBitsKeyed(dc, 0, 18, 30, 30, *BallPicture(1, 0), 0, 0, 30, 30, kBlack);
  EXPECT_TRUE(RegionIs(Board(), 18, 18, expected));
  for (int paint = 0; paint < 3; ++paint) {
    DrawFalls(Screen);
    DrawDrops(Screen);
  }
  // Half-way into its cell the drop leaves nothing above it.
  ASSERT_EQ(Game.DropRecord[6].Position, 12);
  Bitmap dropping(30, 48);
  dc = platform::MemoryContext(dropping);
  platform::CopyBits(dc, 0, 0, 30, 18, *pipe, 0, 0);
  platform::CopyBits(dc, 0, 18, 30, 30, *PictureOf(EmptyCell), 0, 0);
  platform::CopyBitsKeyed(dc, 0, 6, 30, 30, *BallPicture(3, 0), 0, 0, 30, 30, kBlack);
  EXPECT_TRUE(RegionIs(Board(), 168, 0, dropping));
  for (int paint = 0; paint < 3; ++paint) {
    DrawFalls(Screen);
    DrawDrops(Screen);
  }
  EXPECT_EQ(Kept.BallColour[6], engine::colour::Red);
  EXPECT_EQ(Kept.BallColour[5], engine::colour::Blue);
  EXPECT_EQ(Kept.BallColour[35], engine::colour::Red);
  EXPECT_TRUE(RegionIs(Board(), 18, 18, CellFace(0)));
  EXPECT_TRUE(RegionIs(Board(), 18, 48, CellFace(engine::colour::Red)));
  EXPECT_TRUE(RegionIs(Board(), 168, 0, *pipe));
  EXPECT_TRUE(RegionIs(Board(), 168, 18, CellFace(engine::colour::Blue)));
  // A record of the bottom row (a damaged one) has nowhere to fall.
  Game.FallRecord[36] = engine::BallFall{1, 30, engine::colour::Red, 30};
  DrawFalls(Screen);
  EXPECT_TRUE(PipeShown(engine::LeftPipe(0), 0));
}

// A line of three red balls at row 0's left pipe, sucked in by paints.
int PaintsToSuck(int step, platform::DeviceContext& screen) {
  for (int c = 0; c < 3; ++c) Kept.BallColour[c] = engine::colour::Red;
  Game.RunLength[engine::LeftPipe(0)] = 3;
  Game.LineProgress[engine::LeftPipe(0)] = 30;
  records::BallStep = step;
  int paints = 0;
  while (Game.RunLength[engine::LeftPipe(0)] > 0 && paints < 100) {
    for (int side = 1; side <= 4; ++side) DrawSuction(side, screen);
    ++paints;
  }
  return paints;
}

TEST_F(BoardDrawingTest, SuctionTakesFivePaintsABallAtNormalAndTwoAtFastest) {
  EXPECT_EQ(PaintsToSuck(6, Screen), 15);
  EXPECT_EQ(PaintsToSuck(15, Screen), 6);
}

TEST_F(BoardDrawingTest, SuctionRepaintsTheLineAndLeavesNoStaleBall) {
  for (int c = 0; c < 3; ++c) Kept.BallColour[c] = engine::colour::Red;
  Kept.BallColour[3] = engine::colour::Blue;
  Kept.BallLetter[1] = 2;
  RedrawBoard();
  Game.RunLength[engine::LeftPipe(0)] = 3;
  Game.LineProgress[engine::LeftPipe(0)] = 30;
  DrawSuction(engine::side::Left, Screen);
  // Each ball is 6 pixels nearer the pipe; the far cell's last 6 columns are bare.
  Bitmap expected(90, 30);
  platform::DeviceContext dc = platform::MemoryContext(expected);
  for (int i = 0; i < 3; ++i)
    platform::CopyBits(dc, 30 * i, 0, 30, 30, *PictureOf(EmptyCell), 0, 0);
  for (int i = 0; i < 3; ++i) {
    platform::CopyBitsKeyed(dc, 30 * i - 6, 0, 30, 30, *BallPicture(1, 0), 0, 0, 30, 30, kBlack);
  }
  platform::CopyBitsKeyed(dc, 24, 0, 30, 30, *LetterCoin(2, true), 0, 0, 30, 30, kKey);
  EXPECT_TRUE(RegionIs(Board(), 18, 18, expected));
  EXPECT_TRUE(RegionIs(Board(), 108, 18, CellFace(engine::colour::Blue)));

  while (Game.RunLength[engine::LeftPipe(0)] > 0) DrawSuction(engine::side::Left, Screen);
  for (int c = 0; c < 3; ++c) EXPECT_TRUE(RegionIs(Board(), 18 + 30 * c, 18, CellFace(0))) << c;
  // The last ball's bulge goes with the next paint.
  DrawSuction(engine::side::Left, Screen);
  EXPECT_TRUE(RegionIs(Board(), 0, 18, *PipePicture(3, 1, engine::side::Left)));
}

TEST_F(BoardDrawingTest, HotPipeTurnsTheSuckedBallIntoTheJoker) {
  for (int c = 0; c < 3; ++c) Kept.BallColour[c] = engine::colour::Red;
  engine::PipeHeat(engine::LeftPipe(0)) = 10;
  Game.RunLength[engine::LeftPipe(0)] = 3;
  Game.LineProgress[engine::LeftPipe(0)] = 30;
  DrawSuction(engine::side::Left, Screen);
  Bitmap expected(30, 30);
  platform::DeviceContext dc = platform::MemoryContext(expected);
  platform::CopyBits(dc, 0, 0, 30, 30, *PictureOf(EmptyCell), 0, 0);
  platform::CopyBitsKeyed(dc, -6, 0, 30, 30, *BallPicture(1, 10), 0, 0, 30, 30, kBlack);
  platform::CopyBitsKeyed(dc, 24, 0, 30, 30, *BallPicture(1, 10), 0, 0, 30, 30, kBlack);
  EXPECT_TRUE(RegionIs(Board(), 48, 18, expected));
}

TEST_F(BoardDrawingTest, PipesCoolOncePerPaintAndHotPipesAreChosenOnce) {
  Kept.Mode = engine::mode::Heat;
  Game.ActivePipeCount = 3;
  for (int c = 0; c < 3; ++c) Kept.BallColour[c] = engine::colour::Red;
  Game.RunLength[engine::LeftPipe(0)] = 1;
  Game.LineProgress[engine::LeftPipe(0)] = 30;
  Game.TapCredit = 5;
  Game.CoolDelay = 3;
  for (int side = 1; side <= 4; ++side) DrawSuction(side, Screen);
  EXPECT_EQ(Game.TapCredit, 4);

  // The last ball's swallow chooses the hot pipes; the painter draws them as they are.
  platform::Srand(77);
  engine::GameState saved = Game;
  records::GameStatusRecord savedKept = Kept;
  engine::DrawHotPipes();
  const int after = platform::Rand();
  records::GameStatusRecord chosen = Kept;
  Game = saved;
  Kept = savedKept;
  platform::Srand(77);
  records::BallStep = 30;
  for (int side = 1; side <= 4; ++side) DrawSuction(side, Screen);
  ASSERT_EQ(Game.RunLength[engine::LeftPipe(0)], 0);
  EXPECT_EQ(platform::Rand(), after);
  EXPECT_TRUE(std::equal(std::begin(Kept.PipeActive), std::end(Kept.PipeActive),
                         std::begin(chosen.PipeActive)));
  EXPECT_EQ(Game.PipesRedraw, 0);
  Game.DropRecord[1].Active = 1;  // the top pipe of column 0 is the drop's
  for (int side = 1; side <= 4; ++side) DrawSuction(side, Screen);
  Game.DropRecord[1].Active = 0;
  EXPECT_FALSE(PipeShown(engine::TopPipe(0), engine::PipeHeat(engine::TopPipe(0))));
  for (int side = 1; side <= 4; ++side) DrawSuction(side, Screen);
  for (int p = 1; p <= engine::PipeCount; ++p) {
    EXPECT_TRUE(PipeShown(p, engine::PipeHeat(p))) << p;
  }
}

TEST_F(BoardDrawingTest, BonusMarkBlinksAndItsEndShowsTheBallAgain) {
  Kept.BallColour[7] = engine::colour::Purple;
  Kept.BallColour[13] = engine::colour::Red;
  Game.BonusCell = 8;
  RedrawBoard();
  // Twenty paints of its own picture, twenty of the joker, and round again.
  for (int paint = 0; paint < 41; ++paint) {
    DrawBonusCellMarker(Screen);
    const bool joker = paint >= 20 && paint < 40;
    EXPECT_TRUE(RegionIs(Board(), 48, 48, CellFace(engine::colour::Purple, joker ? 10 : 0)))
        << paint;
  }
  // A ball on the move is the mover's to draw.
  const auto neverJoker = [&](int bonus) {
    Game.BonusCell = bonus;
    Kept.BallColour[bonus - 1] = engine::colour::Purple;
    RedrawBoard();
    const platform::Point at = CellOf(bonus - 1);
    bool joker = false;
    for (int paint = 0; paint < 40; ++paint) {
      DrawBonusCellMarker(Screen);
      joker = joker || !RegionIs(Board(), at.x, at.y, CellFace(engine::colour::Purple));
    }
    engine::InitialiseGameState();
    Game.Phase = engine::phase::Playing;
    return !joker;
  };
  Game.FallRecord[1] = engine::BallFall{1, 7, engine::colour::Purple, 30};
  EXPECT_TRUE(neverJoker(8));
  Game.FallRecord[14] = engine::BallFall{1, 1, engine::colour::Blue, 30};
  EXPECT_TRUE(neverJoker(8));
  Game.FallRecord[36] = engine::BallFall{1, 29, engine::colour::Blue, 30};
  EXPECT_TRUE(neverJoker(30));
  Game.DropRecord[1].Active = 1;
  EXPECT_TRUE(neverJoker(1));
  Game.RunLength[engine::TopPipe(1)] = 2;
  EXPECT_TRUE(neverJoker(8));
  Game.RunLength[engine::RightPipe(1)] = 5;
  EXPECT_TRUE(neverJoker(8));
  Game.RunLength[engine::TopPipe(0)] = 2;
  EXPECT_TRUE(neverJoker(7));
  Game.RunLength[engine::LeftPipe(1)] = 3;
  EXPECT_TRUE(neverJoker(7));
  Game.RunLength[engine::LeftPipe(5)] = 3;
  EXPECT_TRUE(neverJoker(32));
  Game.PaintStep[7] = 3;
  Kept.PaintColour = engine::colour::Purple;
  EXPECT_TRUE(neverJoker(8));
  Game.BonusCell = 8;
  // Runs and moves elsewhere leave the mark alone.
  Game.RunLength[engine::RightPipe(1)] = 4;
  Game.FallRecord[2] = engine::BallFall{0, 1, engine::colour::Blue, 30};
  Game.FallRecord[3] = engine::BallFall{1, 13, engine::colour::Blue, 30};
  EXPECT_FALSE(neverJoker(8));
  for (const int bonus : {1, 36}) {
    Game.BonusCell = bonus;
    Game.BonusMarkerRestart = 1;
    Kept.BallColour[bonus - 1] = engine::colour::Red;
    for (int paint = 0; paint < 25; ++paint) DrawBonusCellMarker(Screen);
    const platform::Point at = CellOf(bonus - 1);
    EXPECT_TRUE(RegionIs(Board(), at.x, at.y, CellFace(engine::colour::Red, 10))) << bonus;
  }
  EXPECT_TRUE(RegionIs(Board(), 18, 18, CellFace(engine::colour::Red)));
  // Values off the board mark nothing.
  DrawPipes();
  for (const int bonus : {0, 37}) {
    Game.BonusCell = bonus;
    Kept.BallColour[1] = engine::colour::Red;
    RedrawBoard();
    for (int paint = 0; paint < 25; ++paint) DrawBonusCellMarker(Screen);
    EXPECT_TRUE(RegionIs(Board(), 48, 18, CellFace(engine::colour::Red))) << bonus;
    EXPECT_TRUE(PipeShown(engine::LeftPipe(0), 0)) << bonus;
  }
  Game.BonusCell = 8;
  Game.BonusMarkerRestart = 1;
  for (int paint = 0; paint < 25; ++paint) DrawBonusCellMarker(Screen);
  ASSERT_TRUE(RegionIs(Board(), 48, 48, CellFace(engine::colour::Purple, 10)));
  Game.BonusCell = 0;
  DrawBonusCellMarker(Screen);
  EXPECT_TRUE(RegionIs(Board(), 48, 48, CellFace(engine::colour::Purple)));
}

TEST_F(BoardDrawingTest, ExtraLabelShowsOverTheTakenCellForTwentyPaints) {
  Game.BonusTakenCell = 8;  // cell 7: row 1, column 1
  Game.BonusShow = 1;
  const Bitmap* label = PictureOf(ExtraLabel);
  const int x = CurrentLayout.ScreenOffsetX + 48;
  const int y = CurrentLayout.ScreenOffsetY + 52;
  int shown = 0;
  for (int paint = 0; paint < 25; ++paint) {
    ClearScreen();
    DrawExtraLabel(Screen);
    shown += KeyedAt(ScreenBitmap, *label, x, y, platform::Rgb(187, 187, 187)) ? 1 : 0;
  }
  EXPECT_EQ(Game.BonusShow, 0);
  EXPECT_EQ(shown, 20);
  for (const int taken : {0, 37}) {
    Game.BonusTakenCell = taken;
    Game.BonusShow = 1;
    ClearScreen();
    DrawExtraLabel(Screen);
    EXPECT_TRUE(RegionIs(ScreenBitmap, 0, 0, Bitmap(240, 320))) << taken;
  }
  Game.BonusTakenCell = 1;
  Game.BonusShow = 1;
  DrawExtraLabel(Screen);
  EXPECT_TRUE(KeyedAt(ScreenBitmap, *label, 18, CurrentLayout.ScreenOffsetY + 22, kGrey));
  // The label's grey is transparent.
  Game.BonusTakenCell = 8;
  Game.BonusShow = 1;
  ClearScreen();
  DrawExtraLabel(Screen);
  EXPECT_EQ(InkOf(ScreenBitmap, platform::Rgb(187, 187, 187)).width, 0);
}

TEST_F(BoardDrawingTest, LetterStripCoinsFollowTheirWordPositions) {
  // Only the first position (F) and the last (S) are collected.
  engine::WordSlot(1) = 1;
  engine::WordSlot(9) = 1;
  DrawLetterStrip(Screen);
  const Bitmap& strip = BackBuffers[LetterStripBuffer];
  // Coin 0's uncovered part and the whole last coin (rows 6..23 of each).
  EXPECT_TRUE(RegionIs(strip, 0, 0, *WordPositionCoin(0, true), 7, 18, 6, 6, kKey));
  EXPECT_TRUE(RegionIs(strip, 98, 0, *WordPositionCoin(8, true), 24, 18, 0, 6, kKey));
  EXPECT_TRUE(RegionIs(strip, 85, 0, *WordPositionCoin(7, false), 13, 18, 0, 6, kKey));
}

TEST_F(BoardDrawingTest, LongNumbersStayInsideTheirBoxes) {
  Kept.Score = 12345678;
  DrawScoreBox(Screen);
  TextBounds score = InkOf(BackBuffers[ScoreBuffer], platform::Rgb(18, 1, 83));
  EXPECT_GT(score.left, 0);
  EXPECT_GT(score.width, 40);

  // A number too long for every font is drawn in the smallest, clipped.
  Kept.Score = 2000000000;
  DrawScoreBox(Screen);
  Bitmap smallest(60, 20);
  platform::DeviceContext dc = platform::MemoryContext(smallest);
  platform::CopyBits(dc, 0, 0, 60, 20, *PictureOf(ScoreBox), 0, 0);
  dc.font = &FontTable[Font14];
  DrawNumberRect(dc, 2000000000, 18, 1, 83, 0, 0, 0, 0, 0, 60, 20, 1, platform::text_format::Right);
  EXPECT_TRUE(RegionIs(BackBuffers[ScoreBuffer], 0, 0, smallest));

  Kept.PanicTime = 99;
  DrawPanicClock(Screen);
  TextBounds clock = InkOf(BackBuffers[TimeLabelBuffer], platform::Rgb(133, 0, 0));
  EXPECT_GT(clock.left, 0);
  EXPECT_LT(clock.left + clock.width, 30);
  EXPECT_LE(std::abs(clock.left - (30 - clock.left - clock.width)), 2);

  Kept.Score = 12345678;
  Game.Phase = engine::phase::GameOver;
  Game.GameOverStep = 31;
  DrawGameOverShow(Screen);
  TextBounds result = InkOf(BackBuffers[ResultBuffer], platform::Rgb(255, 0, 0));
  EXPECT_GE(result.left, 107);
  EXPECT_LT(result.left + result.width, 167);
  EXPECT_GT(result.width, 40);
  EXPECT_EQ(BackBuffers[ResultBuffer].Pixel(10, 10), platform::Rgb(255, 186, 51));
  const TextBounds label = InkOf(BackBuffers[ResultBuffer], platform::Rgb(102, 0, 0));
  EXPECT_GE(label.left, 13);
  EXPECT_LT(label.left + label.width, result.left);
}

TEST_F(BoardDrawingTest, PanicClockRunningOutEndsTheGameWithTimeUp) {
  Kept.Mode = engine::mode::Panic;
  Game.Phase = engine::phase::Playing;
  Kept.PanicTime = 1;
  // A ball half out of its pipe when time runs out goes with the show.
  Game.DropRecord[1] = engine::BallDrop{1, engine::colour::Blue, 20};
  DrawDrops(Screen);
  EXPECT_FALSE(PipeShown(engine::TopPipe(0), 0));
  Game.ScoreRedraw = 1;
  DrawScoreAndClock(Screen);
  EXPECT_EQ(Kept.PanicTime, 0);
  EXPECT_EQ(Game.Phase, engine::phase::GameOver);
  EXPECT_EQ(Game.ScoreRedraw, 0);
  EXPECT_TRUE(RegionIs(ScreenBitmap, 210, 247, BackBuffers[TimeLabelBuffer]));
  EXPECT_TRUE(RegionIs(ScreenBitmap, 146, 250, BackBuffers[ScoreBuffer]));
  EXPECT_TRUE(RegionIs(BackBuffers[TimeLabelBuffer], 0, 20, *PictureOf(TimeLabel), 30, 5, 0, 20));
  EXPECT_GT(InkOf(BackBuffers[TimeLabelBuffer], platform::Rgb(133, 0, 0)).width, 0);
  DrawGameOverShow(Screen);
  for (int c = 0; c < engine::CellCount; ++c) ASSERT_EQ(Kept.BallColour[c], engine::colour::Black);
  EXPECT_TRUE(RegionIs(Board(), 18, 18, CellFace(engine::colour::Black)));
  EXPECT_TRUE(PipeShown(engine::TopPipe(0), 0));
  EXPECT_TRUE(KeyedAt(Board(), *PictureOf(TimeUpBanner), 33, 80, platform::Rgb(187, 187, 187)));
}

TEST_F(BoardDrawingTest, PipesClearTheBoardExceptInHeat) {
  Kept.BallColour[0] = engine::colour::Red;
  RedrawBoard();
  Kept.Mode = engine::mode::Heat;
  DrawPipes();
  EXPECT_TRUE(RegionIs(Board(), 18, 18, CellFace(engine::colour::Red)));
  // Cells off the board draw nothing.
  RedrawCell(-1);
  RedrawCell(engine::CellCount);
  EXPECT_TRUE(PipeShown(engine::LeftPipe(0), 0));
  Kept.Mode = engine::mode::Easy;
  platform::DeviceContext board = platform::MemoryContext(BackBuffers[BoardBuffer]);
  platform::FillRect(board, platform::Rect{0, 0, 216, 216}, kWhite);
  DrawPipes();
  EXPECT_EQ(Board().Pixel(33, 33), kBlack);
  EXPECT_EQ(Board().Pixel(0, 0), kBlack);
  for (int p = 1; p <= engine::PipeCount; ++p) EXPECT_TRUE(PipeShown(p, 0)) << p;
}

// On the landscape screen the panels sit beside the board, their canvas rows
// shifted up by 31.
TEST_F(BoardDrawingTest, PanelItemsFollowTheLandscapeLayout) {
  Start(320, 240);
  Kept.PaintColour = engine::colour::Blue;
  Kept.Level = 2;
  Kept.Reserve = 40;
  Kept.PanicTime = 50;
  Game.WordRedraw = 2;
  Game.SwatchRedraw = 1;
  DrawNextColour(Screen);
  DrawLevelTile(Screen);
  DrawLetterStrip(Screen);
  Game.GaugeRedraw = 1;
  DrawGauge(Screen);
  DrawScoreBox(Screen);
  DrawPanicClock(Screen);
  EXPECT_EQ(Game.WordRedraw, 0);
  EXPECT_EQ(Game.SwatchRedraw, 0);
  EXPECT_TRUE(RegionIs(ScreenBitmap, 248, 17, *PictureOf(PaintPills + 2)));
  EXPECT_TRUE(RegionIs(ScreenBitmap, 247, 186, *PictureOf(MultiplierTiles), 20, 20, 20, 0));
  EXPECT_TRUE(RegionIs(ScreenBitmap, 40, 216, BackBuffers[LetterStripBuffer]));
  EXPECT_TRUE(RegionIs(ScreenBitmap, 251, 61, BackBuffers[GaugeBuffer]));
  EXPECT_TRUE(RegionIs(ScreenBitmap, 177, 219, BackBuffers[ScoreBuffer]));
  // The clock's last row falls below this screen.
  EXPECT_TRUE(RegionIs(ScreenBitmap, 241, 216, BackBuffers[TimeLabelBuffer], 30, 24));
  // Nothing spills past the items.
  for (const platform::Point p : {platform::Point{40, 234}, platform::Point{267, 186},
                                  platform::Point{251, 177}, platform::Point{237, 219}}) {
    EXPECT_EQ(ScreenBitmap.Pixel(p.x, p.y), kBlack) << p.x << "," << p.y;
  }
}

TEST_F(BoardDrawingTest, ShowKeepsItsBoxUpFromStep31To105ThenEnds) {
  Game.Phase = engine::phase::GameOver;
  Kept.Score = 960;
  int boxes = 0;
  int banners = 0;
  platform::DeviceContext board = platform::MemoryContext(BackBuffers[BoardBuffer]);
  for (int paint = 0; paint < 120 && Game.RunOutCounter != 10; ++paint) {
    for (int p = 1; p <= engine::PipeCount; ++p) Game.RunLength[p] = 0;  // no run-out here
    const int step = Game.GameOverStep;
    platform::FillRect(board, platform::Rect{0, 0, 216, 216}, kWhite);
    DrawGameOverShow(Screen);
    const bool box = KeyedAt(Board(), BackBuffers[ResultBuffer], 20, 111, kKey);
    const bool banner = KeyedAt(Board(), *PictureOf(GameOverBanner), 33, 80, kGrey);
    EXPECT_EQ(box, step >= 31 && step <= 105) << step;
    EXPECT_EQ(banner, step == 0 || box) << step;
    boxes += box ? 1 : 0;
    banners += banner ? 1 : 0;
  }
  EXPECT_EQ(boxes, 75);
  EXPECT_EQ(banners, 76);
  EXPECT_EQ(Game.RunOutCounter, 10);
  EXPECT_TRUE(RegionIs(BackBuffers[ResultBuffer], 0, 0, *PictureOf(ResultPanel), 176, 9));
}

TEST_F(BoardDrawingTest, ValuesOutsideTheirRangesDrawNothing) {
  // Pill or tile of each value; -1 where nothing may be drawn.
  for (const auto& [paint, level, pill, tileX] :
       {std::tuple{0, 0, -1, -1}, std::tuple{7, 10, -1, -1}, std::tuple{1, 1, 0, 0},
        std::tuple{6, 9, 5, 160}}) {
    ClearScreen();
    Kept.PaintColour = paint;
    Kept.Level = level;
    DrawNextColour(Screen);
    DrawLevelTile(Screen);
    if (pill < 0) {
      EXPECT_TRUE(RegionIs(ScreenBitmap, 0, 0, Bitmap(240, 320))) << paint << " " << level;
      continue;
    }
    EXPECT_TRUE(RegionIs(ScreenBitmap, 217, 48, *PictureOf(PaintPills + pill))) << paint;
    EXPECT_TRUE(RegionIs(ScreenBitmap, 216, 217, *PictureOf(MultiplierTiles), 20, 20, tileX, 0));
  }
}

}  // namespace
