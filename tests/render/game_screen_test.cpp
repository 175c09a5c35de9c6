#include "render/game_screen.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/game_state.hpp"
#include "platform/display_profile.hpp"
#include "platform/window.hpp"
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
  // over n x n pixels (key pixels of the picture are skipped).
  ::testing::AssertionResult Shows(int x, int y, int picture, int px = 0, int py = 0, int n = 6,
                                   platform::Colour key = platform::Rgb(255, 204, 255)) {
    const Bitmap screen = platform::headless::Screen();
    const Bitmap* pic = PictureOf(picture);
    if (!pic) return ::testing::AssertionFailure() << "no picture " << picture;
    int compared = 0;
    for (int j = 0; j < n; ++j) {
      for (int i = 0; i < n; ++i) {
        const platform::Colour want = pic->Pixel(px + i, py + j);
        if (want == key) continue;
        ++compared;
        if (screen.Pixel(x + i, y + j) != want) {
          return ::testing::AssertionFailure() << "picture " << picture << " not at " << x << ","
                                               << y << " (pixel " << i << "," << j << ")";
        }
      }
    }
    if (compared == 0) return ::testing::AssertionFailure() << "nothing to compare";
    return ::testing::AssertionSuccess();
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
    EXPECT_TRUE(Shows(x + 18 * d, y + 18 * d, EmptyCell));
    EXPECT_TRUE(Shows(x + 168 * d, y + 18 * d, EmptyCell));  // the empty top row
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
  EXPECT_TRUE(Shows(0, 31, FrameCorners));  // the board is copied as ever
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
  Game.WordBlinkStep = 5;
  for (int i = 0; i < 30; ++i) Paint();
  EXPECT_EQ(Game.WordBlinkStep, 5);
  EXPECT_TRUE(Shows(33 + 20, 31 + 90 + 10, BonusBanner, 20, 10, 8, platform::Rgb(187, 187, 187)));
  Game.WordBlinkStep = 30;
  Paint();
  EXPECT_EQ(Game.WordBlinkStep, 0);
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
}

// Coils and hazard sign swap frames on each decorations request while the
// counter runs, on the portrait classes only.
TEST_F(GameScreenTest, TheHazardSignBlinksWhileItsCounterRuns) {
  Open(240, 320);
  Paint();
  Game.HazardBlink = 5;
  Game.DecorationsRedraw = 1;
  Paint();
  EXPECT_EQ(Game.DecorationsRedraw, 0);
  EXPECT_TRUE(Shows(164, 281, HazardSigns + 1, 0, 0, 20));
  EXPECT_TRUE(Shows(101, 284, Coils, 0, 0, 20));
  EXPECT_TRUE(Shows(47, 0, Coils + 1, 0, 18, 6));
  Paint();  // no request: nothing moves
  EXPECT_EQ(Game.HazardBlink, 5);
  Game.DecorationsRedraw = 1;
  Paint();
  EXPECT_EQ(Game.HazardBlink, 3);  // lowered, and never above 3
  EXPECT_TRUE(Shows(164, 281, HazardSigns, 0, 0, 20));
  EXPECT_TRUE(Shows(101, 284, Coils + 1, 0, 0, 20));
  for (int request = 0; request < 2; ++request) {
    Game.DecorationsRedraw = 1;
    Paint();
  }
  EXPECT_EQ(Game.HazardBlink, 2);

  Open(320, 240);
  Paint();
  Game.HazardBlink = 3;
  Game.DecorationsRedraw = 1;
  Paint();
  Game.DecorationsRedraw = 1;
  Paint();
  EXPECT_EQ(Game.HazardBlink, 3);
  EXPECT_EQ(Game.DecorationsRedraw, 0);
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
    EXPECT_TRUE(Shows(217, 276, PaintPots + frameAt[serve], 0, 0, 19)) << serve;
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
  EXPECT_FALSE(Shows(217, 276, PaintPots, 0, 0, 19));
}

TEST_F(GameScreenTest, TheSoundIconShowsTheSettingAtTheIconBar) {
  for (const auto& [width, height, y] : {std::tuple{240, 320, 13}, std::tuple{320, 240, 1}}) {
    Open(width, height);
    Paint();
    Blank();
    Kept.SoundOn = 0;
    SoundIconChanged = 1;
    Paint();
    EXPECT_EQ(SoundIconChanged, 0u);
    EXPECT_TRUE(Shows(IconBarX - 36, y, SoundOffIcon, 0, 0, 17));
    Kept.SoundOn = 1;
    SoundIconChanged = 1;
    Paint();
    EXPECT_TRUE(Shows(IconBarX - 36, y, SoundOnIcon, 0, 0, 17));
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
  CursorPos = 0;
  Paint();
  EXPECT_TRUE(Shows(18, 31 + 18, CursorFrame, 0, 0, 30, key));
  CursorPos = 36;
  Paint();  // off the board: no frame anywhere, no crash
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
  EXPECT_TRUE(Shows(bar, 26, SoundOnIcon, 0, 0, 34, key));
  EXPECT_TRUE(Shows(bar + 36, 26, BackButton, 0, 0, 34, key));
  EXPECT_TRUE(Shows(bar + 72, 26, CloseButton, 0, 0, 34, key));
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

  Open(480, 480);
  Paint();
  EXPECT_TRUE(Shows(432, 0, MenuButton, 0, 0, 24, key));
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

// The level-up banner is keyed: the board shows through around its lettering.
TEST_F(GameScreenTest, TheBannersLetTheBoardShowThroughTheirKey) {
  Open(240, 320);
  Paint();
  Game.LevelUpPending = 1;
  Kept.Level = 2;
  Paint();
  const Bitmap screen = platform::headless::Screen();
  const Bitmap& banner = *PictureOf(LevelUpBanner);
  int keyed = 0;
  for (int j = 0; j < 30; ++j) {
    for (int i = 0; i < 150; ++i) {
      if (banner.Pixel(i, j) != platform::Rgb(187, 187, 187)) continue;
      ++keyed;
      ASSERT_NE(screen.Pixel(33 + i, 31 + 90 + j), banner.Pixel(i, j));
    }
  }
  EXPECT_GT(keyed, 0);
}

}  // namespace
