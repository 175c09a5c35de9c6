#include <gtest/gtest.h>

#include <vector>

#include "popup_fixture.hpp"

namespace {

using namespace popup_test;
using popup::HelpDemoStep;

// The demonstration area of the help panel on the screen (240x320, popup at y 38).
std::vector<platform::Colour> DemoArea() {
  const platform::Bitmap screen = platform::headless::Screen();
  std::vector<platform::Colour> pixels;
  for (int y = 38 + 28; y < 38 + 206; ++y) {
    for (int x = 10; x < 230; ++x) pixels.push_back(screen.Pixel(x, y));
  }
  return pixels;
}

TEST_F(PopupTest, SlidesMoveOnTheTimerAloneAndTheReplayTapRestartsThem) {
  ASSERT_TRUE(OpenHelp(2));
  platform::headless::Pump();
  const std::vector<platform::Colour> first = DemoArea();
  // Another application in front and back, a tick of the check box, a tap on
  // the running demonstration: each repaints, none moves the show on.
  platform::headless::FocusLost();
  platform::headless::Advance(100);
  platform::headless::FocusGained();
  platform::headless::Advance(100);
  TapPopup(15, 215);
  TapPopup(15, 215);
  TapPopup(100, 100);
  platform::headless::Advance(9000);
  EXPECT_EQ(HelpDemoStep, 0u);
  EXPECT_EQ(DemoArea(), first);

  platform::headless::Advance(1000);
  EXPECT_EQ(HelpDemoStep, 1u);
  EXPECT_NE(DemoArea(), first);
  TapPopup(100, 100);
  EXPECT_EQ(HelpDemoStep, 1u) << "not yet over: the tap only repaints";
  platform::headless::Advance(10000);
  EXPECT_EQ(HelpDemoStep, 2u) << "the invitation to replay is on show";
  platform::headless::Advance(60000);
  EXPECT_EQ(HelpDemoStep, 3u) << "the show stays on its last slide";
  TapPopup(5, 100);  // beside the demonstration area: nothing
  EXPECT_EQ(HelpDemoStep, 3u);
  TapPopup(100, 100);
  EXPECT_EQ(HelpDemoStep, 0u);
  EXPECT_EQ(DemoArea(), first);
}

TEST_F(PopupTest, TheEasyPageEndsOnAWholeSlideAndReplaysFromTheInvitation) {
  ASSERT_TRUE(OpenHelp(1));
  platform::headless::Advance(10000 * 7 + 10);
  ASSERT_EQ(HelpDemoStep, 7u);
  const std::vector<platform::Colour> invitation = DemoArea();
  platform::headless::Advance(10000);
  ASSERT_EQ(HelpDemoStep, 8u);
  // Every paint clears the area, so the last slide must bring its sentences.
  EXPECT_EQ(DemoArea(), invitation);
  platform::headless::Advance(10000);
  EXPECT_EQ(HelpDemoStep, 8u);
  TapPopup(100, 100);
  EXPECT_EQ(HelpDemoStep, 0u);
  popup::HelpDemoStep = 6;
  TapPopup(100, 100);
  EXPECT_EQ(HelpDemoStep, 6u);
  popup::HelpDemoStep = 7;
  TapPopup(100, 100);
  EXPECT_EQ(HelpDemoStep, 0u);
}

TEST_F(PopupTest, ShowThisWindowAgainTogglesTheHelpSetting) {
  ASSERT_TRUE(OpenHelp(5));
  platform::headless::Pump();
  const platform::Colour ticked = platform::headless::Screen().Pixel(10 + 9, 38 + 212 + 8);
  TapPopup(10, 212);
  EXPECT_EQ(records::GameStatus.HelpEnabled, 0);
  EXPECT_NE(platform::headless::Screen().Pixel(10 + 9, 38 + 212 + 8), ticked);
  TapPopup(29, 228);
  EXPECT_EQ(records::GameStatus.HelpEnabled, 1);
  TapPopup(30, 228);
  EXPECT_EQ(records::GameStatus.HelpEnabled, 1);
  TapPopup(9, 212);
  EXPECT_EQ(records::GameStatus.HelpEnabled, 1);
  TapPopup(10, 212);
  TapOk();
  EXPECT_EQ(records::GameStatus.HelpEnabled, 0) << "OK keeps the choice";
  EXPECT_EQ(started.calls, 1);
  EXPECT_EQ(started.mode, 5u);
}

}  // namespace
