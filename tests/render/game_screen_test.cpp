#include "render/game_screen.hpp"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(Shows(x + 168 * d, y + 168 * d, EmptyCell));
    EXPECT_TRUE(Shows((c.canvasX + 216) * d, (51 - c.shift) * d, ReserveColumnEmpty, 0, 20 * d));
    EXPECT_TRUE(Shows(c.canvasX * d, (247 - c.shift) * d, BottomPanel));
    if (c.shift == 0) {
      EXPECT_TRUE(Shows(c.canvasX * d, 0, TopBar));
    }
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

}  // namespace
