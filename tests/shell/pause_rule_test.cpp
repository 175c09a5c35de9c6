#include <gtest/gtest.h>

#include "platform/message_box.hpp"
#include "platform/message_box_log.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell_fixture.hpp"

namespace {

using namespace shell_test;

class PauseRuleTest : public ShellTest {
 protected:
  void StartRunningGame() {
    Keep({.mode = 2, .score = 500, .reserve = 60});
    ASSERT_EQ(Start(), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    ASSERT_TRUE(TicksDuring(250));
  }
};

TEST_F(PauseRuleTest, LosingTheFocusFreezesTheGameAndRegainingItResumesWithARefresh) {
  StartRunningGame();
  platform::headless::FocusLost();
  EXPECT_FALSE(TicksDuring(250));
  EXPECT_FALSE(GameTimerRunning());
  ScribbleOnTheFrame();
  platform::headless::FocusGained();
  platform::headless::Pump();
  EXPECT_TRUE(FrameRefreshed());
  EXPECT_TRUE(TicksDuring(250));
  // Coming back never moves or shrinks the window.
  EXPECT_EQ(platform::WindowRect(platform::MainWindow()), (platform::Rect{0, 0, 240, 320}));
  // An activation while active is nothing new.
  ScribbleOnTheFrame();
  platform::SendMessage(platform::MainWindow(), platform::msg::Activate, 1, 0);
  platform::headless::Pump();
  EXPECT_FALSE(FrameRefreshed());
}

TEST_F(PauseRuleTest, ASettingsChangeWhileAwayDoesNotLeaveTheGameFrozen) {
  StartRunningGame();
  platform::headless::FocusLost();
  platform::SendMessage(platform::MainWindow(), platform::msg::SettingChange, 0, 0);
  EXPECT_FALSE(TicksDuring(250)) << "away is still away";
  platform::headless::FocusGained();
  EXPECT_TRUE(TicksDuring(250));
}

TEST_F(PauseRuleTest, AGameInAWindowWithoutTheFocusWaitsForIt) {
  // Opened behind another application.
  Keep({.mode = 1});
  platform::headless::Start(platform::ScreenConfig{240, 320, 0, 0}, 1000);
  platform::headless::FocusLost();
  ASSERT_EQ(shell::StartUp(), shell::StartOutcome::Run);
  FirstPaintOfTheGame();
  EXPECT_FALSE(TicksDuring(250));
  platform::headless::FocusGained();
  EXPECT_TRUE(TicksDuring(250));

  // Focus lost after start-up, before the game's first paint.
  ASSERT_NO_FATAL_FAILURE(Restart());
  platform::headless::FocusLost();
  FirstPaintOfTheGame();
  EXPECT_FALSE(TicksDuring(250));
  platform::headless::FocusGained();
  EXPECT_TRUE(TicksDuring(250));
}

// What the box's wait does, step by step; the last step answers No.
int boxStep = 0;
void SwitchAwayAndBackThenAnswerNo() {
  switch (boxStep++) {
    case 0:
      platform::headless::FocusLost();
      platform::headless::FocusGained();
      // The focus went back to the box, and the game stays frozen behind it.
      EXPECT_EQ(platform::GetFocus()->kind, platform::WindowKind::Overlay);
      EXPECT_FALSE(GameTimerRunning());
      break;
    default:
      platform::headless::KeyDown(platform::vk::Escape);
      platform::headless::KeyUp(platform::vk::Escape);
      break;
  }
}

TEST_F(PauseRuleTest, SwitchingAwayAndBackWithABoxOpenKeepsTheGameFrozenUntilItIsAnswered) {
  StartRunningGame();
  const std::int32_t countdown = engine::Game.TickCountdown[engine::countdown::Groups];
  ScribbleOnTheFrame();
  boxStep = 0;
  platform::headless::SetModalWaitHandler(&SwitchAwayAndBackThenAnswerNo);
  platform::headless::Tap(204, 18);  // the abandon icon
  platform::headless::Pump();
  EXPECT_EQ(engine::Game.TickCountdown[engine::countdown::Groups], countdown);
  const auto shown = platform::TakeShownMessageBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, shell::AbandonQuestion);
  EXPECT_EQ(shown[0].answer, platform::IdNo);
  EXPECT_TRUE(FrameRefreshed());
  EXPECT_TRUE(TicksDuring(250));
}

}  // namespace
