#include <gtest/gtest.h>

#include "engine/screen_items.hpp"
#include "platform/window/display_profile.hpp"
#include "render/game_layout.hpp"
#include "render/screen_state.hpp"
#include "shell/quit_program.hpp"
#include "shell_fixture.hpp"

namespace {

using namespace shell_test;

class ScreenSizeTest : public ShellTest {};

// The device's screen changing size under a running game: a size the game
// cannot lay out keeps the layout it had (the window still covers the screen,
// nothing is drawn outside it), a supported one takes its own layout at the
// next paint, and the game carries on and is kept as it was.
TEST_F(ScreenSizeTest, AnUnsupportedSizeKeepsTheLayoutAndASupportedOneTakesItsOwn) {
  Keep({.mode = 2,
        .score = 4321,
        .level = 2,
        .reserve = 70,
        .board = "...... / ...... / ...... / ....B. / ..R.Y. / RYBGPO"});
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  FirstPaintOfTheGame();
  platform::headless::Advance(200);
  const platform::Colour corner = platform::headless::Screen().Pixel(5, 5);

  for (const auto& [width, height] : {std::pair{800, 480}, std::pair{200, 600}}) {
    platform::headless::ChangeScreenSize(width, height);
    EXPECT_TRUE(TicksDuring(200)) << width << "x" << height;
    EXPECT_EQ(platform::Display.DisplayClass, platform::ScreenClass::Tall);
    EXPECT_EQ(render::LayoutClass, platform::ScreenClass::Tall);
    EXPECT_EQ(platform::WindowRect(platform::MainWindow()), (platform::Rect{0, 0, width, height}));
    EXPECT_EQ(platform::headless::Screen().Pixel(5, 5), corner);
  }

  platform::headless::ChangeScreenSize(320, 240);
  platform::headless::Pump();
  EXPECT_EQ(platform::Display.DisplayClass, platform::ScreenClass::Wide);
  EXPECT_EQ(render::LayoutClass, platform::ScreenClass::Wide);
  EXPECT_TRUE(TicksDuring(200));
  EXPECT_EQ(render::ScreenState, render::screen::Game);
  EXPECT_EQ(records::GameStatus.Mode, 2);
  EXPECT_EQ(records::GameStatus.Score, 4321);
  shell::QuitProgram();
  EXPECT_EQ(store.writes, 6);
}

// A HEAT game's pipes show their heat: after a trip to another screen and
// back, the pipes under the board are drawn as they were (those above it have
// the new balls dropping through them).
TEST_F(ScreenSizeTest, AHeatGameRedrawsItsPipesWhereverItIsLaidOut) {
  Keep({.mode = 4,
        .reserve = 70,
        .board = "...... / ...... / ...... / ....B. / ..R.Y. / RYBGPO",
        .hotPipes = "100000 001000 000100 010000",
        .pipeHeat = "500000 003000 000700 090000"});
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  FirstPaintOfTheGame();
  platform::headless::Advance(200);
  const platform::Bitmap before = platform::headless::Screen();
  platform::headless::ChangeScreenSize(480, 640);
  platform::headless::Pump();
  platform::headless::ChangeScreenSize(240, 320);
  platform::headless::Pump();

  const auto tall = platform::ScreenClass::Tall;
  const platform::Rect board = engine::ItemOn(engine::Item::Board, tall);
  int moved = 0;
  for (int y = engine::CellOn(35, tall).bottom; y < board.bottom; ++y) {
    for (int x = board.left; x < board.right; ++x) {
      moved += before.Pixel(x, y) != platform::headless::Screen().Pixel(x, y);
    }
  }
  EXPECT_EQ(moved, 0);
}

}  // namespace
