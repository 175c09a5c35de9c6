#include "render/game_screen.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "engine/game_state.hpp"
#include "platform/display_profile.hpp"
#include "platform/logical_invalidation.hpp"
#include "platform/window.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_drawing.hpp"
#include "render/game_frame.hpp"
#include "render/game_layout.hpp"
#include "render/screen_offsets.hpp"
#include "render/screen_state.hpp"
#include "support/headless_fixture.hpp"
#include "support/kept_game_fixture.hpp"

namespace {

using namespace render;
using engine::Game;
using engine::Kept;
using platform::Bitmap;

const platform::Colour kKey = platform::Rgb(255, 204, 255);
const platform::Colour kBlack = platform::Rgb(0, 0, 0);
const platform::Colour kGrey = platform::Rgb(187, 187, 187);

platform::LResult Quiet(platform::Window*, unsigned, platform::WParam, platform::LParam) {
  return 0;
}

class GameScreenTest : public testing_support::HeadlessTest {
 protected:
  // A resumed game of `mode` on a screen of the given size, before its first paint.
  void Open(int width, int height, int mode = engine::mode::Easy) {
    testing_support::StartScreen(width, height);
    LoadCatalogue();
    ApplyBallStyle(BallStyleShiny);
    engine::InitialiseGameState();
    ResetGameScreen();
    ResetScreenState();
    fixture::KeptGame game;
    game.mode = mode;
    game.score = 4321;
    game.board = "...... ...... RR.... BYG... GPOYRB RBGYOP";
    ASSERT_TRUE(fixture::PutKeptGame(game));
    window_ = platform::CreateMainWindow(u"Fandriass II", &Quiet);
    ScreenState = screen::Game;
    Game.Phase = engine::phase::Start;
    Game.RestoreKeptGame = 1;
  }
  void TearDown() override {
    ReleaseCatalogue();
    ResetGameScreen();
    HeadlessTest::TearDown();
  }
  void Paint() {
    platform::DeviceContext dc = platform::BeginPaint(window_);
    PaintGameScreen(window_, dc);
    platform::EndPaint(window_);
  }
  Bitmap& Surface() { return *platform::GetDC(window_).surface; }
  void Blank() {
    Bitmap& s = Surface();
    s = Bitmap(s.Width(), s.Height());
  }
  // The screen at device (x, y) shows the picture's device pixels from (px, py)
  // over w x h pixels (key pixels of the picture are skipped).
  ::testing::AssertionResult ShowsPart(int x, int y, const Bitmap* pic, int px, int py, int w,
                                       int h, platform::Colour key = kKey) {
    const Bitmap screen = platform::headless::Screen();
    if (!pic) return ::testing::AssertionFailure() << "no picture";
    int compared = 0;
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        const platform::Colour want = pic->Pixel(px + i, py + j);
        if (want == key) continue;
        ++compared;
        if (screen.Pixel(x + i, y + j) != want) {
          return ::testing::AssertionFailure()
                 << "not at " << x << "," << y << " (pixel " << i << "," << j << ")";
        }
      }
    }
    if (compared == 0) return ::testing::AssertionFailure() << "nothing to compare";
    return ::testing::AssertionSuccess();
  }
  ::testing::AssertionResult Shows(int x, int y, int picture, int px = 0, int py = 0, int n = 6,
                                   platform::Colour key = kKey) {
    return ShowsPart(x, y, PictureOf(picture), px, py, n, n, key) << " picture " << picture;
  }
  // The cell's face: the empty cell, then the ball of `colour` (heat 10: the joker).
  ::testing::AssertionResult CellShows(int cell, int colour, int heat = 0) {
    const int x = 18 + 30 * (cell % 6);
    const int y = 31 + 18 + 30 * (cell / 6);
    if (colour == 0) return ShowsPart(x, y, PictureOf(EmptyCell), 0, 0, 30, 30, kKey);
    return ShowsPart(x, y, BallPicture(colour, heat), 0, 0, 30, 30, kBlack);
  }
  // How many of the picture's key pixels lie over (x, y) on screen; fails where
  // one of them reached the screen.
  int KeyHidden(int x, int y, const Bitmap& pic, platform::Colour key, int w = 0, int h = 0) {
    const Bitmap screen = platform::headless::Screen();
    int keyed = 0;
    for (int j = 0; j < (h ? h : pic.Height()); ++j) {
      for (int i = 0; i < (w ? w : pic.Width()); ++i) {
        if (pic.Pixel(i, j) != key) continue;
        ++keyed;
        if (screen.Pixel(x + i, y + j) == key) {
          ADD_FAILURE() << "key shows at " << x + i << "," << y + j;
          return -1;
        }
      }
    }
    return keyed;
  }
  std::vector<platform::Colour> Area(int x, int y, int w, int h) {
    const Bitmap screen = platform::headless::Screen();
    std::vector<platform::Colour> pixels;
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) pixels.push_back(screen.Pixel(x + i, y + j));
    }
    return pixels;
  }

  platform::Window* window_ = nullptr;
};

// Frame, panels and board meet where the layout puts them, on every kind of screen.
TEST_F(GameScreenTest, FramePanelsAndBoardLineUpOnEachClass) {
  struct Case {
    int width, height;
    int boardX, boardY;  // logical top-left of the board on screen
    int canvasX, shift;  // the board column in the frame, and how far up the frame shows
    bool sidePanels;
  };
  const Case cases[] = {
      {240, 320, 0, 31, 0, 0, false},  {480, 640, 0, 31, 0, 0, false},
      {320, 240, 31, 0, 31, 31, true},  // the side panels at screen y 0
      {240, 240, 0, 0, 0, 31, false},   // the board in the top-left corner
      {320, 320, 31, 31, 31, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width * 1000 + c.height);
    Open(c.width, c.height);
    Paint();
    const int d = platform::IsVgaClass(platform::Display.DisplayClass) ? 2 : 1;
    const int x = c.boardX * d;
    const int y = c.boardY * d;
    EXPECT_TRUE(Shows(x, y, FrameCorners));
    EXPECT_TRUE(Shows(x + 198 * d, y + 198 * d, FrameCorners + 3));
    for (int column : {0, 1, 2, 5}) {  // the empty top row, tile by tile
      EXPECT_TRUE(ShowsPart(x + (18 + 30 * column) * d, y + 18 * d, PictureOf(EmptyCell), 0, 0,
                            30 * d, 30 * d, 0xFFFFFFFFu));
    }
    EXPECT_TRUE(ShowsPart(x + 168 * d, y + 168 * d, BallPicture(engine::colour::Purple, 0), 0, 0,
                          30 * d, 30 * d, kBlack));  // and the balls on it
    // Between the pill and the gauge.
    EXPECT_TRUE(Shows((c.canvasX + 216) * d, (75 - c.shift) * d, ReserveColumnEmpty, 0, 44 * d));
    EXPECT_TRUE(Shows(c.canvasX * d, (247 - c.shift) * d, BottomPanel));
    if (c.shift == 0) {
      EXPECT_TRUE(Shows(c.canvasX * d, 0, TopBar));
    }
    EXPECT_TRUE(Shows(x, y + 198 * d, FrameCorners + 2));
    if (c.sidePanels) {
      EXPECT_TRUE(Shows(0, 31 - c.shift, SidePanelLeft));
      EXPECT_TRUE(Shows(271, 71 - c.shift, SidePanelRight, 0, 40));
    }
    EXPECT_EQ(ScreenOffsetX, c.boardX);
    EXPECT_EQ(engine::Layout.BoardOriginY, c.boardY);
    EXPECT_EQ(ScreenPhase, 1u);
    ReleaseCatalogue();
    platform::headless::Stop();
  }
}

// A refresh puts the frame back with the game's values and never restarts the
// game: no new colour, no tick; the reserve column stays empty behind the gauge,
// and CHROMA's colour-wheel button sits at its tap area.
TEST_F(GameScreenTest, TheRefreshRedrawsTheFrameWithoutRestartingTheGame) {
  Open(240, 320, engine::mode::Chroma);
  Paint();
  EXPECT_FALSE(FullRedrawRequested);
  EXPECT_EQ(Game.RestoreKeptGame, 0);
  EXPECT_TRUE(Shows(216, 247, ColourWheelIcon, 0, 0, 20, platform::Rgb(100, 100, 100)));
  Kept.PaintColour = engine::colour::Black;  // mid-mix: no pill of its own
  const int countdown = Game.TickCountdown[engine::countdown::Reserve];
  Blank();
  RepaintAll = 1;
  Paint();
  EXPECT_EQ(RepaintAll, 0u);
  EXPECT_EQ(Kept.PaintColour, engine::colour::Black);
  EXPECT_EQ(Game.TickCountdown[engine::countdown::Reserve], countdown);
  EXPECT_TRUE(Shows(0, 0, TopBar));
  EXPECT_TRUE(Shows(216, 75, ReserveColumnEmpty, 0, 44));
  EXPECT_TRUE(Shows(236, 58, ReserveColumnEmpty, 20, 27, 3));  // where the full one differs
  EXPECT_TRUE(Shows(216, 247, ColourWheelIcon, 0, 0, 20, platform::Rgb(100, 100, 100)));
  EXPECT_GT(KeyHidden(216, 247, *PictureOf(ColourWheelIcon), platform::Rgb(100, 100, 100), 20, 20),
            0);
  EXPECT_TRUE(Shows(0, 31, FrameCorners));  // the board is copied as ever
  EXPECT_TRUE(Shows(198, 31, FrameCorners + 1, 0, 0, 18));
  EXPECT_TRUE(Shows(0, 31 + 198, FrameCorners + 2, 0, 0, 18));
  EXPECT_TRUE(Shows(198, 31 + 198, FrameCorners + 3, 0, 0, 18));
  const std::vector<platform::Colour> pipes = Area(18, 31, 180, 18);
  EXPECT_LT(std::count(pipes.begin(), pipes.end(), kBlack), 180 * 18 / 2);  // the top pipes
  // The letters and the level tile come back over the panel.
  EXPECT_TRUE(ShowsPart(9, 247, &BackBuffers[LetterStripBuffer], 0, 0, 122, 18));
  EXPECT_TRUE(ShowsPart(216, 217, PictureOf(MultiplierTiles), 20 * (Kept.Level - 1), 0, 20, 20));
}

// Wherever the layout puts the panel, the refresh brings the gauge and the
// next colour back to it.
TEST_F(GameScreenTest, TheRefreshPutsThePanelItemsBackOnEveryLayout) {
  for (const auto& [width, height] : {std::pair{320, 240}, std::pair{240, 240}}) {
    Open(width, height, engine::mode::Hard);
    Paint();
    Blank();
    RepaintAll = 1;
    Paint();
    const int x = CurrentLayout.CanvasOffsetX;
    const int y = -CurrentLayout.ViewShiftY;
    EXPECT_TRUE(ShowsPart(x + 220, y + 92, &BackBuffers[GaugeBuffer], 0, 0, 13, 116)) << width;
    EXPECT_TRUE(
        ShowsPart(x + 217, y + 48, PictureOf(PaintPills + Kept.PaintColour - 1), 0, 0, 18, 25))
        << width;
  }
}

// The full redraw and the refresh write the score and the PANIC seconds as
// they stand, not the values a new game starts with.
TEST_F(GameScreenTest, FullRedrawAndRefreshWriteTheCurrentScoreAndClock) {
  Open(240, 320, engine::mode::Panic);
  Kept.PanicTime = 57;
  Paint();
  const auto score = Area(146, 250, 60, 20);
  const auto clock = Area(210, 247, 30, 25);
  Kept.Score = 0;
  Kept.PanicTime = 99;
  RepaintAll = 1;
  Paint();
  EXPECT_NE(Area(146, 250, 60, 20), score);
  EXPECT_NE(Area(210, 247, 30, 25), clock);
  Kept.Score = 4321;
  Kept.PanicTime = 57;
  RepaintAll = 1;
  Paint();
  EXPECT_EQ(Area(146, 250, 60, 20), score);
  EXPECT_EQ(Area(210, 247, 30, 25), clock);
}

// A window moved to a screen of another class or density mid-game gets its
// frame, balls and pill again, and the game carries on: no tick, no new colour.
TEST_F(GameScreenTest, AScreenChangeMidGameLaysTheFrameOutAgainWithoutRestarting) {
  Open(240, 320);
  Paint();
  const int colour = Kept.PaintColour;
  const int countdown = Game.TickCountdown[engine::countdown::Reserve];
  platform::Display.DisplayClass = 5;  // the same window read as 240x240
  Blank();
  Paint();
  EXPECT_EQ(ScreenOffsetY, 0);
  EXPECT_TRUE(Shows(0, 0, FrameCorners));  // not blacked out by pipes drawn again
  EXPECT_TRUE(Shows(0, 216, BottomPanel));
  EXPECT_TRUE(ShowsPart(168, 168, BallPicture(engine::colour::Purple, 0), 0, 0, 30, 30, kBlack));
  EXPECT_TRUE(Shows(217, 17, PaintPills + colour - 1, 0, 0, 18));
  EXPECT_EQ(Kept.PaintColour, colour);
  EXPECT_EQ(Game.TickCountdown[engine::countdown::Reserve], countdown);

  // New buffers start black: HEAT, which lays no pipes with the empty board,
  // draws its own again.
  Open(240, 320, engine::mode::Heat);
  Paint();
  platform::Display.ScaleX = 2.0;  // denser across only
  Paint();
  EXPECT_EQ(BackBuffers[BoardBuffer].Width(), 432);
  EXPECT_EQ(BackBuffers[BoardBuffer].Height(), 216);
  int pipePixels = 0;
  for (int i = 20; i < 195; ++i) pipePixels += BackBuffers[BoardBuffer].Pixel(i, 9) != kBlack;
  EXPECT_GT(pipePixels, 0);
}

// Every paint moves each animation under way by one step, and serves the
// gauge and score requests.
TEST_F(GameScreenTest, EachPaintMovesEveryAnimationUnderWay) {
  Open(240, 320);
  Paint();
  records::BallStep = 6;
  records::FallStep = 6;
  Game.DropRecord[4] = {1, engine::colour::Red, 48};
  Game.FallRecord[10] = {1, 9, engine::colour::Red, 30};
  Game.PaintStep[24] = 1;
  const int pipes[] = {1, 7, 13, 19};  // one of each side
  for (int p : pipes) {
    Game.RunLength[p] = 3;
    Game.LineProgress[p] = 30;
  }
  Game.GaugeRedraw = 1;
  Game.ScoreRedraw = 1;
  Paint();
  EXPECT_EQ(Game.DropRecord[4].Position, 42);
  EXPECT_EQ(Game.FallRecord[10].Progress, 24);
  EXPECT_EQ(Game.PaintStep[24], 3);
  for (int p : pipes) EXPECT_EQ(Game.LineProgress[p], 24) << p;
  EXPECT_EQ(Game.GaugeRedraw, 0);
  EXPECT_EQ(Game.ScoreRedraw, 0);
  Game.Phase = engine::phase::GameOver;
  Paint();
  EXPECT_EQ(Game.GameOverStep, 1);
}

// The letter strip waits for the tick to hand it over (request 2) before it is drawn.
TEST_F(GameScreenTest, TheLetterStripIsDrawnOnItsSecondRequestOnly) {
  Open(240, 320);
  Paint();
  engine::WordSlot(1) = 1;
  const Bitmap* bright = WordPositionCoin(0, true);
  Blank();
  Game.WordRedraw = 1;
  Paint();
  EXPECT_EQ(Game.WordRedraw, 1);
  EXPECT_FALSE(ShowsPart(9, 247, bright, 6, 6, 7, 18));
  Game.WordRedraw = 2;
  Paint();
  EXPECT_EQ(Game.WordRedraw, 0);
  EXPECT_TRUE(ShowsPart(9, 247, bright, 6, 6, 7, 18));  // up to where the next coin starts
}

// The marked bonus cell turns to the joker half-way through its blink; the
// EXTRA label goes on the screen over the copied board.
TEST_F(GameScreenTest, TheBonusCellBlinksAndItsLabelShowsOverTheBoard) {
  Open(240, 320);
  Paint();
  Game.BonusCell = 36;
  Paint();
  EXPECT_TRUE(CellShows(35, engine::colour::Purple));
  for (int i = 0; i < 20; ++i) Paint();
  EXPECT_TRUE(CellShows(35, engine::colour::Purple, 10));
  Game.BonusShow = 1;
  Game.BonusTakenCell = 8;
  Paint();
  EXPECT_TRUE(ShowsPart(18 + 30, 31 + 22 + 30, PictureOf(ExtraLabel), 0, 0, 30, 12, kGrey));
}

// A full redraw lays out an empty board, so it asks for the balls too; it
// starts the resumed game once and keeps its colour.
TEST_F(GameScreenTest, AFullRedrawAsksForTheBoardAndRunsOneTick) {
  Open(240, 320);
  Kept.PaintColour = engine::colour::Green;
  platform::DeviceContext dc = platform::GetDC(window_);
  FullRedraw(window_, dc);
  EXPECT_TRUE(BoardRedrawRequested);
  EXPECT_EQ(Game.Phase, engine::phase::Playing);
  EXPECT_EQ(Kept.PaintColour, engine::colour::Green);
  EXPECT_EQ(Game.RestoreKeptGame, 0);
  EXPECT_EQ(IconBarX, 217);
  EXPECT_EQ(CursorPos, 500);
}

// The banner stays while the word blinks, whatever the number of paints, and
// goes once the blink has run its course, even past its last step.
TEST_F(GameScreenTest, TheBonusBannerFollowsTheWordBlink) {
  Open(240, 320);
  Paint();
  Game.WordBlinkStep = 1;
  for (int i = 0; i < 30; ++i) Paint();
  EXPECT_EQ(Game.WordBlinkStep, 1);
  const auto banner = [&] { return Shows(33 + 20, 31 + 90 + 10, BonusBanner, 20, 10, 8, kGrey); };
  EXPECT_TRUE(banner());
  // The early board redraw goes under the banner, the late one over it, once.
  BoardRedrawRequested = true;
  Paint();
  EXPECT_FALSE(BoardRedrawRequested);
  EXPECT_TRUE(banner());
  LateBoardRedrawRequested = true;
  Paint();
  EXPECT_FALSE(LateBoardRedrawRequested);
  EXPECT_FALSE(banner());
  Paint();
  EXPECT_TRUE(banner());
  Game.WordBlinkStep = 30;
  Paint();
  EXPECT_EQ(Game.WordBlinkStep, 0);
  EXPECT_FALSE(banner());
}

TEST_F(GameScreenTest, TheLevelUpBannerShowsForFortyPaintsThenTheLevelRises) {
  Open(240, 320);
  Paint();
  Kept.Level = 3;
  Game.LevelUpPending = 1;
  Paint();
  EXPECT_TRUE(Shows(33 + 20, 31 + 90 + 10, LevelUpBanner, 20, 10, 8, platform::Rgb(187, 187, 187)));
  for (int i = 0; i < 40; ++i) Paint();
  EXPECT_EQ(Kept.Level, 4);
  EXPECT_EQ(Game.LevelUpPending, 0);
  EXPECT_TRUE(Shows(216, 217, MultiplierTiles, 60, 0, 20));  // x4
}

// Coils and hazard sign swap frames on each decorations request while the
// counter runs, on the portrait classes only.
TEST_F(GameScreenTest, TheHazardSignBlinksWhileItsCounterRuns) {
  const auto request = [this](int times) {
    for (int r = 0; r < times; ++r) {
      Game.DecorationsRedraw = 1;
      Paint();
    }
  };
  Open(240, 320);
  Paint();
  Game.HazardBlink = 5;
  request(1);
  EXPECT_EQ(Game.DecorationsRedraw, 0);
  EXPECT_TRUE(Shows(164, 281, HazardSigns + 1, 0, 0, 20));
  EXPECT_TRUE(Shows(101, 284, Coils, 0, 0, 20));
  EXPECT_TRUE(Shows(47, 0, Coils + 1, 0, 18, 6));
  Paint();  // no request: nothing moves
  EXPECT_EQ(Game.HazardBlink, 5);
  request(1);
  EXPECT_EQ(Game.HazardBlink, 3);  // lowered, and never above 3
  EXPECT_TRUE(Shows(164, 281, HazardSigns, 0, 0, 20));
  EXPECT_TRUE(Shows(101, 284, Coils + 1, 0, 0, 20));
  EXPECT_TRUE(ShowsPart(47, 0, PictureOf(Coils), 0, 18, 30, 6));
  request(2);
  EXPECT_EQ(Game.HazardBlink, 2);
  Game.HazardBlink = 1;  // the last swap, then none
  request(4);
  EXPECT_EQ(Game.HazardBlink, 0);

  for (const auto& [width, height, after] : {std::tuple{480, 640, 2}, std::tuple{320, 240, 3}}) {
    Open(width, height);
    Paint();
    Game.HazardBlink = 3;
    request(2);
    EXPECT_EQ(Game.HazardBlink, after) << width;
    EXPECT_EQ(Game.DecorationsRedraw, 0);
  }
}

// HARD's pot: the first frame, then frames 2, 3 and 4 as the drip nears; a
// refresh shows the frame the pot is at.
TEST_F(GameScreenTest, ThePaintPotRunsItsFramesTowardsTheDrip) {
  Open(240, 320, engine::mode::Hard);
  Paint();
  Game.DripInterval = 10;
  const int frameAt[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 0};
  for (int serve = 0; serve < 17; ++serve) {
    Game.DripRedraw = 1;
    Paint();
    EXPECT_EQ(Game.DripRedraw, 0);
    EXPECT_TRUE(ShowsPart(217, 276, PictureOf(PaintPots + frameAt[serve]), 0, 0, 19, 24)) << serve;
  }
  for (int serve = 0; serve < 11; ++serve) {
    Game.DripRedraw = 1;
    Paint();
  }
  Blank();
  RepaintAll = 1;
  Paint();
  EXPECT_TRUE(Shows(217, 276, PaintPots + 1, 0, 0, 19));

  Open(240, 320, engine::mode::Easy);  // no pot outside the dripping modes
  Paint();
  Blank();
  Game.DripRedraw = 1;
  Paint();
  EXPECT_EQ(Area(217, 276, 19, 24), std::vector<platform::Colour>(19 * 24, kBlack));
}

TEST_F(GameScreenTest, TheSoundIconShowsTheSettingAtTheIconBar) {
  for (const auto& [width, height, y] :
       {std::tuple{240, 320, 13}, std::tuple{320, 240, 1}, std::tuple{640, 480, 1}}) {
    Open(width, height);
    Paint();
    Blank();
    const int d = platform::IsVgaClass(platform::Display.DisplayClass) ? 2 : 1;
    Kept.SoundOn = 0;
    SoundIconChanged = 1;
    Paint();
    EXPECT_EQ(SoundIconChanged, 0u);
    EXPECT_TRUE(Shows((IconBarX - 36) * d, y * d, SoundOffIcon, 0, 0, 17 * d));
    Kept.SoundOn = 1;
    SoundIconChanged = 1;
    Paint();
    EXPECT_TRUE(Shows((IconBarX - 36) * d, y * d, SoundOnIcon, 0, 0, 17 * d));
  }
}

// The cursor frame only with the direction pad on, and only on a cell.
TEST_F(GameScreenTest, TheCursorFrameNeedsTheDirectionPad) {
  Open(240, 320);
  Paint();
  const platform::Colour key = platform::Rgb(255, 204, 255);
  Kept.UseJoystick = 0;
  CursorPos = 7;
  Paint();
  EXPECT_FALSE(Shows(48, 31 + 48, CursorFrame, 0, 0, 30, key));
  Kept.UseJoystick = 1;
  Paint();
  EXPECT_TRUE(Shows(48, 31 + 48, CursorFrame, 0, 0, 30, key));
  const Bitmap screen = platform::headless::Screen();
  int keyed = 0;
  for (int j = 0; j < 30; ++j) {
    for (int i = 0; i < 30; ++i) {
      if (PictureOf(CursorFrame)->Pixel(i, j) != key) continue;
      ++keyed;
      ASSERT_EQ(screen.Pixel(48 + i, 79 + j), PictureOf(EmptyCell)->Pixel(i, j)) << i << "," << j;
    }
  }
  EXPECT_GT(keyed, 0);
  CursorPos = 0;
  Paint();
  EXPECT_TRUE(Shows(18, 31 + 18, CursorFrame, 0, 0, 30, key));
  EXPECT_TRUE(CellShows(7, 0));  // the cell it left shows no trail
  // A splash under the resting cursor keeps going: the cell is not put back.
  CursorPos = 12;
  Paint();
  const std::vector<platform::Colour> resting = Area(18, 31 + 78, 30, 30);
  Kept.PaintColour = engine::colour::Yellow;
  Game.PaintStep[12] = 1;
  Paint();
  EXPECT_NE(Area(18, 31 + 78, 30, 30), resting);
  Game.PaintStep[12] = 0;
  CursorPos = 36;
  Paint();  // off the board: no frame anywhere, no crash
  EXPECT_TRUE(CellShows(0, 0));
  EXPECT_FALSE(Shows(18, 31 + 198, CursorFrame, 0, 0, 18, key));  // nor below the last row
}

// A new start forgets the requests and the overlays' own counters: the first
// paint of the game lays the frame out without a tick, and the hazard sign
// starts its swap from the first phase.
TEST_F(GameScreenTest, AResetForgetsRequestsAndCounters) {
  Open(240, 320, engine::mode::Hard);
  Paint();
  Game.DripInterval = 0;
  Game.DripRedraw = 1;
  Paint();  // the pot shows its second frame
  Game.HazardBlink = 3;
  Game.DecorationsRedraw = 1;
  Paint();
  FullRedrawRequested = true;
  ResetGameScreen();
  const int countdown = Game.TickCountdown[engine::countdown::Reserve];
  Game.DecorationsRedraw = 1;
  Game.WordBlinkStep = 1;
  Blank();
  Paint();
  EXPECT_TRUE(Shows(33, 31 + 90, BonusBanner, 0, 0, 30, kGrey));  // no late board redraw wipes it
  EXPECT_EQ(Game.TickCountdown[engine::countdown::Reserve], countdown);
  EXPECT_EQ(Game.HazardBlink, 3);
  EXPECT_TRUE(Shows(0, 31, FrameCorners));
  RepaintAll = 1;
  Paint();
  EXPECT_TRUE(ShowsPart(217, 276, PictureOf(PaintPots), 0, 0, 19, 24));  // the pot at rest
}

// A screen the game cannot lay out gets its buffers and nothing else.
TEST_F(GameScreenTest, AnUnknownClassDrawsNothing) {
  Open(240, 320);
  platform::Display.DisplayClass = 8;
  Paint();
  EXPECT_EQ(BackBuffers[BoardBuffer].Width(), 216);
  EXPECT_EQ(Game.RestoreKeptGame, 1);
  EXPECT_FALSE(Shows(0, 31, FrameCorners));
}

// The frame's own pieces: corners of the 320x320 frame, the three small buttons
// keyed over the top bar, the square classes' menu button, and the scratch
// buffers the board painters start from.
TEST_F(GameScreenTest, TheFrameDrawsItsButtonsCornersAndScratchBuffers) {
  Open(320, 320);
  Paint();
  EXPECT_TRUE(Shows(0, 0, Class7Corners));
  EXPECT_TRUE(Shows(271, 20, Class7Corners + 1, 0, 20, 9));
  EXPECT_TRUE(Shows(0, 271, Class7Corners + 2, 0, 0, 20));
  EXPECT_TRUE(Shows(271, 311, Class7Corners + 3, 0, 40, 9));

  Open(480, 640);
  Paint();
  const platform::Colour key = platform::Rgb(255, 204, 255);
  const int bar = (217 - 36) * 2;
  // Key pixels leave the bar beneath visible.
  const Bitmap screen = platform::headless::Screen();
  const Bitmap& close = *PictureOf(CloseButton);
  const Bitmap& topBar = *PictureOf(TopBar);
  int keyed = 0;
  for (int j = 0; j < 34; ++j) {
    for (int i = 0; i < 34; ++i) {
      if (close.Pixel(i, j) != key) continue;
      ++keyed;
      EXPECT_EQ(screen.Pixel(bar + 72 + i, 26 + j), topBar.Pixel(bar + 72 + i, 26 + j));
    }
  }
  EXPECT_GT(keyed, 0);
  EXPECT_FALSE(Shows(432, 0, MenuButton, 0, 0, 24, key));
  const int sizes[BackBufferCount][2] = {{216, 216}, {60, 60}, {180, 78},  {78, 180},
                                         {13, 116},  {30, 30}, {180, 120}, {122, 18},
                                         {60, 20},   {30, 25}, {176, 40}};
  for (int b = 0; b < BackBufferCount; ++b) {
    EXPECT_EQ(BackBuffers[b].Width(), 2 * sizes[b][0]) << b;
    EXPECT_EQ(BackBuffers[b].Height(), 2 * sizes[b][1]) << b;
  }
  const auto bufferShows = [](BackBuffer b, int x, int y, int picture) {
    const Bitmap& pic = *PictureOf(picture);
    for (int j = 0; j < 4; ++j) {
      for (int i = 0; i < 4; ++i) {
        if (BackBuffers[b].Pixel(x + i, y + j) != pic.Pixel(i, j)) return false;
      }
    }
    return true;
  };
  EXPECT_TRUE(bufferShows(SplatBuffer, 0, 0, SplatSheets));
  EXPECT_TRUE(bufferShows(SplatBuffer, 180, 0, SplatSheets + 1));
  EXPECT_TRUE(bufferShows(GaugeBuffer, 0, 0, GaugeTubeEmpty));
  EXPECT_TRUE(bufferShows(ScoreBuffer, 0, 0, ScoreBox));
  // A refresh shows the gauge as last drawn, here the empty tube.
  Blank();
  RepaintAll = 1;
  Paint();
  EXPECT_TRUE(Shows(440, 184, GaugeTubeEmpty, 0, 0, 20));
}

// On every class the three small buttons sit side by side at the icon bar (the
// square classes' shift hides them, their menu button shows instead), each
// keyed so that none of its key colour reaches the screen.
TEST_F(GameScreenTest, TheSmallButtonsSitAtTheIconBarOnEveryClass) {
  const int sizes[7][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480},
                           {240, 240}, {480, 480}, {320, 320}};
  for (const auto& [width, height] : sizes) {
    Open(width, height);
    Paint();
    const int cls = static_cast<int>(platform::Display.DisplayClass);
    const auto at = [](int v) { return platform::DoublingRule(v); };
    const int y = IconBarY + (cls == 2 || cls == 4 ? 31 : 0) - CurrentLayout.ViewShiftY;
    std::vector<std::array<int, 3>> buttons;  // picture, logical x, logical y
    if (y >= 0) {
      buttons = {{SoundOnIcon, IconBarX - 36, y},
                 {BackButton, IconBarX - 18, y},
                 {CloseButton, IconBarX, y}};
    }
    if (cls == 5 || cls == 6) buttons.push_back({MenuButton, 216, 0});
    EXPECT_EQ(buttons.size(), cls == 5 || cls == 6 ? 1u : 3u) << cls;
    int keyed = 0;
    for (const auto& [picture, x, top] : buttons) {
      const Bitmap& pic = *PictureOf(picture);
      EXPECT_TRUE(ShowsPart(at(x), at(top), &pic, 0, 0, pic.Width(), pic.Height()))
          << cls << " " << picture;
      keyed += KeyHidden(at(x), at(top), pic, kKey);
    }
    EXPECT_GT(keyed, 0) << cls;
  }
}

// The letters are drawn over the panel as the full redraw found it on screen:
// wherever no coin covers the strip, the panel shows.
TEST_F(GameScreenTest, TheFullRedrawKeepsThePanelUnderTheLetters) {
  for (const auto& [width, height] : {std::pair{240, 320}, std::pair{320, 240}}) {
    Open(width, height);
    Paint();
    const Bitmap& strip = BackBuffers[LetterStripBuffer];
    const Bitmap& panel = *PictureOf(BottomPanel);
    int bare = 0;
    for (int j = 0; j < 18; ++j) {
      for (int i = 0; i < 122; ++i) {
        bool covered = false;
        for (int k = 0; k < engine::WordLength; ++k) {
          const int cx = i + 6 - 13 * k;
          const Bitmap& coin = *WordPositionCoin(k, false);
          if (cx >= 0 && cx < 30 && coin.Pixel(cx, j + 6) != platform::Rgb(255, 204, 255)) {
            covered = true;
          }
        }
        if (covered) continue;
        ++bare;
        ASSERT_EQ(strip.Pixel(i, j), panel.Pixel(9 + i, j)) << width << ": " << i << "," << j;
      }
    }
    EXPECT_GT(bare, 100);
  }
}

// The banners are keyed: the board shows through around their lettering.
TEST_F(GameScreenTest, TheBannersLetTheBoardShowThroughTheirKey) {
  for (const auto& [banner, height] : {std::pair{LevelUpBanner, 30}, std::pair{BonusBanner, 38}}) {
    Open(240, 320);
    Paint();
    Game.LevelUpPending = banner == LevelUpBanner;
    Game.WordBlinkStep = banner == BonusBanner;
    Kept.Level = 2;
    Paint();
    const Bitmap& picture = *PictureOf(banner);
    EXPECT_GT(KeyHidden(33, 31 + 90, picture, kGrey, 150, height), 0) << banner;
    EXPECT_TRUE(Shows(33, 31 + 90, banner, 0, 0, 30, kGrey));
    EXPECT_TRUE(
        ShowsPart(33 + 140, 31 + 90 + height - 10, &picture, 140, height - 10, 10, 10, kGrey));
  }
}

}  // namespace
