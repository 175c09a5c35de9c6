#include <gtest/gtest.h>

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

}  // namespace
