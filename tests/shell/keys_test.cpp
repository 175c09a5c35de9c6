#include <gtest/gtest.h>

#include <vector>

#include "platform/message_box.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/keys.hpp"
#include "shell/main_menu.hpp"
#include "shell/screen_flow.hpp"
#include "shell_fixture.hpp"

namespace {

using namespace shell_test;
namespace vk = platform::vk;
namespace headless = platform::headless;

void Press(unsigned key, int times = 1) {
  for (int i = 0; i < times; ++i) headless::Key(key);
  headless::Pump();
}
bool MarkerShown(std::int32_t entry) {
  platform::Rect r;
  shell::MenuMarkerSquare(entry, platform::Display.DisplayClass, r);
  return headless::Screen().Pixel(r.left + 5, r.top + 5) == platform::Rgb(255, 0, 0);
}
// Whether a move of the game cursor asks to draw the board cells a and b again
// (on the 240x320 screen, where the board's cells start at (18, 49)).
bool MoveRedraws(unsigned key, int a, int b) {
  headless::Pump();
  shell::OnKey(platform::MainWindow(), key, false, false);
  const platform::Rect& r = platform::MainWindow()->invalid;
  const auto covered = [&](int c) {
    const int x = 18 + 30 * (c % 6), y = 49 + 30 * (c / 6);
    return r.Contains(x, y) && r.Contains(x + 29, y + 29);
  };
  return covered(a) && covered(b);
}

class KeysTest : public ShellTest {
 protected:
  void StartOnMenu(int width = 240, int height = 320) {
    ASSERT_EQ(Start(width, height), shell::StartOutcome::Run);
    records::GameStatus.HelpEnabled = 0;
    headless::Pump();
  }
};

TEST_F(KeysTest, ThePadWalksTheMenuAndChoosesButOnlyWhenItIsOn) {
  StartOnMenu(320, 240);
  records::GameStatus.UseJoystick = 0;
  // An Escape that asked would leave a box nobody answers, a fault.
  for (const unsigned key : {vk::Escape, vk::Down, vk::Return}) Press(key);
  EXPECT_EQ(render::CursorPos, 0);
  records::GameStatus.UseJoystick = 1;
  Press('Q');  // Ctrl+Q and Ctrl+A arrive as plain letters
  Press('A');
  Press(vk::Return);  // the first press only shows the marker, where it is
  EXPECT_TRUE(MarkerShown(1));
  Press(vk::Up);
  render::ButtonPressed = 1;
  Press(vk::Return);
  EXPECT_EQ(render::ButtonPressed, 0u);
  Press(vk::Down);
  EXPECT_EQ(render::ScreenState, render::screen::Settings) << "only Enter leaves";
  Press(vk::Return);
  Press(vk::Up);  // from no selection to the first entry, then the second
  Press(vk::Down);
  render::ButtonPressed = 1;
  Press(vk::Return);
  EXPECT_EQ(render::ScreenState, render::screen::HiScoreTable);
  EXPECT_EQ(render::ButtonPressed, 0u);
  Press(vk::Return);
  Press(vk::Down, 8);
  Press(vk::Up);
  EXPECT_TRUE(MarkerShown(6));
  EXPECT_FALSE(MarkerShown(7));
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(records::GameStatus.Mode, engine::mode::Chroma);
}

TEST_F(KeysTest, TheGameCursorStopsAtTheEdgesAndEnterPaintsOncePerPressOutsideTheGameOver) {
  // A yellow ball resting in the bottom-left corner (cell 30) under red paint.
  Keep({.mode = 1,
        .paintColour = 1,
        .reserve = 60,
        .board = "...... ...... ...... ...... ...... Y....."});
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  FirstPaintOfTheGame();
  Press(vk::Return);
  EXPECT_TRUE(MoveRedraws(vk::Right, 15, 15));
  EXPECT_TRUE(MoveRedraws(vk::Right, 15, 16));
  EXPECT_EQ(render::CursorPos, 16);
  Press(vk::Right, 2);
  Press(vk::Up, 3);
  EXPECT_EQ(render::CursorPos, 5);
  Press(vk::Left, 6);
  EXPECT_TRUE(MoveRedraws(vk::Down, 0, 6));
  Press(vk::Up, 2);
  EXPECT_EQ(render::CursorPos, 0);
  Press(vk::Down, 3);
  for (int i = 0; i < 3; ++i) headless::KeyDownRepeated(vk::Down);  // a held arrow walks on
  headless::KeyDown(vk::Return);
  for (int i = 0; i < 5; ++i) headless::KeyDownRepeated(vk::Return);  // a held Enter does not
  headless::Pump();
  EXPECT_EQ(render::CursorPos, 30);
  EXPECT_EQ(engine::Game.TapCredit, 1);
  engine::Game.Phase = engine::phase::GameOver;
  Press(vk::Return);
  EXPECT_EQ(engine::Game.TapCredit, 1);
}

TEST_F(KeysTest, TheTableTabsCycleBothWaysButNotUnderAPopup) {
  StartOnMenu();
  shell::ShowScreen(render::screen::HiScoreTable);
  std::vector<std::uint32_t> seen;
  for (const unsigned key : {vk::Left, vk::Right, vk::Down, vk::Up, vk::Right}) {
    Press(key);
    seen.push_back(render::HiScoreTab);
  }
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{5, 1, 2, 1, 2}));
  render::HiScoreTab = 6;
  headless::Pump();
  shell::OnKey(platform::MainWindow(), vk::Right, false, false);
  EXPECT_EQ(render::HiScoreTab, 6u);
  EXPECT_FALSE(platform::MainWindow()->invalid.Empty()) << "drawn again all the same";
  popup::PopupKind = popup::kind::About;
  Press(vk::Return);
  EXPECT_EQ(render::ScreenState, render::screen::HiScoreTable);
  popup::PopupKind = popup::kind::None;
  records::GameStatus.Mode = engine::mode::Hard;
  render::ButtonPressed = 1;
  Press(vk::Return);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(records::GameStatus.Mode, engine::mode::None);
  EXPECT_EQ(render::ButtonPressed, 0u);
  popup::PopupKind = popup::kind::About;
  Press(vk::Down);
  EXPECT_EQ(render::CursorPos, 0);
  popup::PopupKind = popup::kind::None;
}

int waits = 0;
void HoldEscapeThenSayYes() {
  if (waits++ == 0) {
    headless::KeyDownRepeated(vk::Escape);
    headless::KeyUp(vk::Escape);
  } else {
    headless::Key(vk::Return);
  }
}

TEST_F(KeysTest, EscapeOnTheMenuAsksOncePerPress) {
  StartOnMenu();
  {
    testing_support::ExpectMessageBox box(shell::MenuExitQuestion, platform::IdNo);
    Press(vk::Escape);  // its key-up asks nothing again
  }
  // Held down, the key keeps the question up until a fresh press answers it.
  waits = 0;
  headless::SetModalWaitHandler(&HoldEscapeThenSayYes);
  headless::KeyDown(vk::Escape);
  headless::Pump();
  EXPECT_EQ(waits, 2);
  EXPECT_EQ(platform::TakeShownMessageBoxes().size(), 2u);
  EXPECT_TRUE(headless::QuitPosted());
}

}  // namespace
