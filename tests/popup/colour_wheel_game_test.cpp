#include <gtest/gtest.h>

#include "popup/popup.hpp"
#include "render/game_screen.hpp"
#include "shell/shell_fixture.hpp"

namespace {

using namespace shell_test;

class ColourWheelGameTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    popup::ResetPopup();
  }
  void TearDown() override {
    popup::ResetPopup();
    ShellTest::TearDown();
  }
  void StartRunningGame(int mode) {
    Keep({.mode = mode, .score = 500, .reserve = 60});
    ASSERT_EQ(Start(), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    ASSERT_TRUE(TicksDuring(250));
  }
  // The wheel button at the bottom right of the board, on the 240x320 layout.
  static void TapWheelButton() {
    platform::headless::Tap(216 + 10, 31 + 216 + 10);
    platform::headless::Pump();
  }
};

TEST_F(ColourWheelGameTest, TheWheelFreezesAChromaGameAndItsOkResumesItWhole) {
  StartRunningGame(5);
  TapWheelButton();
  ASSERT_EQ(popup::PopupKind, popup::kind::ColourWheel);
  EXPECT_FALSE(GameTimerRunning());
  EXPECT_FALSE(TicksDuring(500));
  const std::int32_t score = engine::Kept.Score;
  TapWheelButton();  // the main window's, under the wheel: never a second wheel
  EXPECT_EQ(popup::PopupKind, popup::kind::ColourWheel);

  ScribbleOnTheFrame();
  // OK at logical (84..164, 176..198) of the popup, which lies at y 38.
  platform::headless::Tap(124, 38 + 187);
  platform::headless::Pump();
  EXPECT_EQ(popup::PopupKind, popup::kind::None);
  EXPECT_TRUE(FrameRefreshed());
  EXPECT_FALSE(render::FullRedrawRequested) << "served by the first paint";
  EXPECT_EQ(engine::Game.RestoreKeptGame, 0) << "served by the first paint";
  EXPECT_EQ(engine::Kept.Score, score);
  EXPECT_TRUE(TicksDuring(250));
}

TEST_F(ColourWheelGameTest, OnlyChromaHasAWheel) {
  StartRunningGame(4);
  TapWheelButton();
  EXPECT_EQ(popup::PopupKind, popup::kind::None);
  EXPECT_TRUE(GameTimerRunning());
}

}  // namespace
