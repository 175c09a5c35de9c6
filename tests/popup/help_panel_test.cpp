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
  // On a doubled screen, where taps are halved.
  StartOn(480, 640);
  ASSERT_TRUE(OpenHelp(5));
  platform::headless::Pump();
  const auto at = [](int x, int y) {
    return platform::headless::Screen().Pixel(2 * x, 2 * (38 + y));
  };
  const auto box = [] {
    const platform::Bitmap screen = platform::headless::Screen();
    std::vector<platform::Colour> pixels;
    for (int y = 2 * (38 + 212); y < 2 * (38 + 228); ++y) {
      for (int x = 20; x < 58; ++x) pixels.push_back(screen.Pixel(x, y));
    }
    return pixels;
  };
  const std::vector<platform::Colour> ticked = box();
  EXPECT_EQ(at(12, 30), platform::Rgb(255, 255, 255)) << "the demonstration's white ground";
  bool caption = false;
  for (int x = 34; x < 80; ++x) caption = caption || at(x, 220) == platform::Rgb(0, 0, 0);
  EXPECT_TRUE(caption);
  TapPopup(10, 212);
  EXPECT_EQ(records::GameStatus.HelpEnabled, 0);
  EXPECT_NE(box(), ticked);
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

namespace {

using namespace popup_test;

bool HasInk(const std::vector<platform::Colour>& pixels, platform::Colour ink) {
  for (const platform::Colour c : pixels) {
    if (c == ink) return true;
  }
  return false;
}

// Every slide of every page: its sentences in their colours, a picture in the
// picture band, and each slide telling something the one before did not.
TEST_F(PopupTest, EverySlideShowsItsInksAndPicturesAndMovesTheStoryOn) {
  const platform::Colour black = platform::Rgb(0, 0, 0), red = platform::Rgb(255, 0, 0),
                         blue = platform::Rgb(0, 0, 255), white = platform::Rgb(255, 255, 255);
  for (std::uint32_t mode = 1; mode <= 5; ++mode) {
    ASSERT_TRUE(OpenHelp(mode));
    const std::uint32_t last = mode == 1 ? 8 : 3;
    std::vector<platform::Colour> before;
    for (std::uint32_t slide = 0; slide <= last; ++slide) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << " slide " << slide);
      popup::HelpDemoStep = slide;
      platform::InvalidateRect(popup::PopupWindow, nullptr);
      platform::headless::Pump();
      const std::vector<platform::Colour> area = DemoArea();
      EXPECT_TRUE(HasInk(area, black));
      EXPECT_TRUE(HasInk(area, red));
      const bool blueText = mode != 5 || slide == 0;
      EXPECT_EQ(HasInk(area, blue), blueText && !(mode == 1 && slide >= 1 && slide <= 6));
      bool picture = false;
      const platform::Bitmap screen = platform::headless::Screen();
      for (int y = 38 + 125; y < 38 + 190 && !picture; ++y) {
        for (int x = 10; x < 230; ++x) {
          const platform::Colour c = screen.Pixel(x, y);
          if (c != white && c != black && c != red && c != blue) picture = true;
        }
      }
      EXPECT_TRUE(picture);
      if (slide > 0 && slide != last) {
        EXPECT_NE(area, before);
      }
      if (slide == last) {
        EXPECT_EQ(area, before) << "the last slide stays as the one before";
      }
      before = area;
    }
    TapCloseBox();
  }
}

}  // namespace
