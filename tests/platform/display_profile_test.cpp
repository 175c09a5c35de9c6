#include <gtest/gtest.h>

#include "platform/display_profile.hpp"
#include "platform/runtime.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace platform;

class DisplayProfileTest : public testing_support::HeadlessTest {};

TEST_F(DisplayProfileTest, SupportedSizesGiveTheirClassAndMenuBar) {
  struct Case {
    int w, h;
    std::uint32_t displayClass;
    int menuBar;
  };
  for (const Case& c :
       {Case{240, 320, 1, 26}, Case{320, 240, 2, 26}, Case{480, 640, 3, 52}, Case{640, 480, 4, 52},
        Case{240, 240, 5, 26}, Case{480, 480, 6, 52}, Case{320, 320, 7, 35}}) {
    testing_support::StartScreen(c.w, c.h);
    EXPECT_EQ(Display.DisplayClass, c.displayClass) << c.w << "x" << c.h;
    EXPECT_EQ(Display.MenuBarHeight, c.menuBar) << c.w << "x" << c.h;
  }
  EXPECT_EQ(ClassOfSize(320, 240), 2u);
  EXPECT_EQ(ClassOfSize(240, 240), 5u);
  EXPECT_EQ(ClassOfSize(800, 480), 0u);
}

TEST_F(DisplayProfileTest, DotsPerInchGiveTheScales) {
  testing_support::StartScreen(480, 640);
  EXPECT_EQ(Display.ScaleX, 2.0);
  EXPECT_EQ(Display.ScaleY, 2.0);
  for (int dpi : {96, 131}) {
    testing_support::StartScreen(480, 640, dpi);
    EXPECT_EQ(Display.ScaleX, 1.0) << dpi;
    EXPECT_EQ(Display.ScaleY, 1.0) << dpi;
  }
  testing_support::StartScreen(240, 320);
  EXPECT_EQ(Display.ScaleX, 1.0);
}

TEST_F(DisplayProfileTest, AnUnsupportedScreenIsRefused) {
  headless::Start(ScreenConfig{800, 480, 0, 0});
  testing::internal::CaptureStderr();
  EXPECT_EQ(MeasureDisplay(), 0);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Display.DisplayClass, 8u);
  EXPECT_NE(err.find("This screen is not supported."), std::string::npos);
}

TEST(Runtime, RandomNumbersFollowTheClassicGenerator) {
  Srand(1);
  EXPECT_EQ(Rand(), 41);
  EXPECT_EQ(Rand(), 18467);
  EXPECT_EQ(Rand(), 6334);
  Srand(12345);
  for (int i = 0; i < 1000; ++i) {
    const int r = Rand();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
}

}  // namespace
