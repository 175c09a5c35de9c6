#include <gtest/gtest.h>

#include "platform/display_profile.hpp"
#include "platform/popup_window.hpp"
#include "platform/window_system_internal.hpp"
#include "popup_fixture.hpp"

namespace {

using namespace popup_test;
using popup::PopupKind;

void PressKey(unsigned key) {
  platform::headless::Key(key);
  platform::headless::Pump();
}

TEST_F(PopupTest, EachKindOpensAtItsRectangleOnEveryLayout) {
  struct Case {
    int width, height;
    std::int32_t kind;
    platform::Rect device;
  };
  for (const Case& c : {
           Case{480, 640, popup::kind::About, {0, 76, 480, 556}},
           Case{240, 320, popup::kind::Help, {0, 38, 240, 278}},
           Case{320, 320, popup::kind::ColourWheel, {0, 38, 240, 248}},
           Case{320, 240, popup::kind::ColourWheel, {0, 30, 240, 240}},
           Case{480, 480, popup::kind::Help, {0, 0, 480, 480}},
           Case{640, 480, popup::kind::ExportCode, {0, 120, 480, 480}},
           Case{240, 320, popup::kind::ExportCode, {0, 140, 240, 320}},
       }) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " kind " << c.kind);
    StartOn(c.width, c.height);
    ASSERT_TRUE(popup::OpenPopup(c.kind));
    const platform::Rect r = platform::WindowRect(popup::PopupWindow);
    EXPECT_EQ(r.left, c.device.left);
    EXPECT_EQ(r.top, c.device.top);
    EXPECT_EQ(r.right, c.device.right);
    EXPECT_EQ(r.bottom, c.device.bottom);
    EXPECT_EQ(popup::PopupHeight, c.device.Height());
    EXPECT_EQ(PopupKind, c.kind);
    EXPECT_EQ(platform::GetActiveWindow(), popup::PopupWindow) << "the game under it freezes";
  }
  EXPECT_FALSE(popup::OpenPopup(7)) << "no such kind";
  EXPECT_EQ(PopupKind, popup::kind::ExportCode);
}

TEST_F(PopupTest, NeverASecondPopupAndAFailedOneLeavesNoKindBehind) {
  ASSERT_TRUE(popup::OpenPopup(popup::kind::About));
  platform::Window* first = popup::PopupWindow;
  EXPECT_FALSE(OpenHelp(3));
  EXPECT_FALSE(popup::OpenPopup(popup::kind::ColourWheel));
  EXPECT_EQ(PopupKind, popup::kind::About);
  EXPECT_EQ(popup::PopupWindow, first);
  EXPECT_EQ(platform::TopLevelWindows().size(), 3u) << "main, popup and its OK button";
  TapCloseBox();
  EXPECT_EQ(PopupKind, popup::kind::None);

  // A window that cannot be made (here an empty rectangle) must not leave the
  // kind set, or the menu would ignore every tap from then on.
  const double scale = platform::Display.ScaleX;
  platform::Display.ScaleX = 0.0;
  EXPECT_FALSE(popup::OpenPopup(popup::kind::About));
  EXPECT_EQ(PopupKind, popup::kind::None);
  EXPECT_EQ(popup::PopupWindow, nullptr);
  platform::Display.ScaleX = scale;
  EXPECT_TRUE(popup::OpenPopup(popup::kind::About));
}

TEST_F(PopupTest, TheClosingTable) {
  // About: OK and the close box go back to the menu, which is entered again.
  for (const bool ok : {true, false}) {
    render::ScreenState = render::screen::MainMenu;
    render::ScreenPhase = 2;
    ASSERT_TRUE(popup::OpenPopup(popup::kind::About));
    platform::headless::Pump();
    ok ? TapOk() : TapCloseBox();
    EXPECT_EQ(PopupKind, popup::kind::None);
    EXPECT_EQ(popup::PopupStep, 0u);
    EXPECT_EQ(popup::PopupWindow, nullptr);
    EXPECT_EQ(render::ScreenPhase, 0u);
    EXPECT_EQ(platform::GetActiveWindow(), main);
    EXPECT_EQ(platform::TopLevelWindows().size(), 1u);
  }

  // The colour wheel hands the game back whole, by OK or by the close box.
  for (const bool ok : {true, false}) {
    render::ScreenState = render::screen::Game;
    ASSERT_TRUE(popup::OpenPopup(popup::kind::ColourWheel));
    platform::headless::Pump();
    ok ? TapOk() : TapCloseBox();
    EXPECT_EQ(PopupKind, popup::kind::None);
    EXPECT_EQ(render::ScreenState, render::screen::Game);
    EXPECT_EQ(engine::Game.RestoreKeptGame, 1);
    EXPECT_TRUE(render::FullRedrawRequested);
    engine::Game.RestoreKeptGame = 0;
    render::FullRedrawRequested = false;
  }

  // Help: OK starts the pending game once, the close box starts none.
  ASSERT_TRUE(OpenHelp(4));
  platform::headless::Pump();
  TapCloseBox();
  EXPECT_EQ(PopupKind, popup::kind::None);
  EXPECT_EQ(started.calls, 0);
  EXPECT_EQ(popup::HelpShown, 0);
  ASSERT_TRUE(OpenHelp(4));
  platform::headless::Pump();
  TapOk();
  EXPECT_EQ(PopupKind, popup::kind::None);
  EXPECT_EQ(started.calls, 1);
  EXPECT_EQ(started.mode, 4u);
  EXPECT_EQ(started.window, main);
  EXPECT_EQ(popup::HelpShown, 1);

  // The export code panel: its close box repaints the screen under it.
  ASSERT_TRUE(popup::OpenPopup(popup::kind::ExportCode));
  TapCloseBox();
  EXPECT_EQ(PopupKind, popup::kind::None);
}

TEST_F(PopupTest, TheActionKeyClosesOnlyTheInformationPanelsAndOnlyWithTheJoystickOn) {
  records::GameStatus.UseJoystick = 0;
  ASSERT_TRUE(popup::OpenPopup(popup::kind::About));
  PressKey(platform::vk::Return);
  EXPECT_EQ(PopupKind, popup::kind::About);
  records::GameStatus.UseJoystick = 1;
  PressKey(platform::vk::Escape);
  EXPECT_EQ(PopupKind, popup::kind::About);
  PressKey(platform::vk::Return);
  EXPECT_EQ(PopupKind, popup::kind::None);
  EXPECT_EQ(platform::GetActiveWindow(), main);

  ASSERT_TRUE(popup::OpenPopup(popup::kind::ExportCode));
  PressKey(platform::vk::Return);
  EXPECT_EQ(PopupKind, popup::kind::None);

  for (const std::int32_t kind : {popup::kind::ColourWheel, popup::kind::Help}) {
    ASSERT_TRUE(kind == popup::kind::Help ? OpenHelp(1) : popup::OpenPopup(kind));
    PressKey(platform::vk::Return);
    EXPECT_EQ(PopupKind, kind);
    TapCloseBox();
  }
  EXPECT_EQ(started.calls, 0);
}

TEST_F(PopupTest, OpeningAndClosingEachKindAThousandTimesKeepsMemoryFlat) {
  const auto cycle = [this](int times) {
    for (int i = 0; i < times; ++i) {
      for (const std::int32_t kind : {popup::kind::About, popup::kind::ExportCode,
                                      popup::kind::ColourWheel, popup::kind::Help}) {
        ASSERT_TRUE(kind == popup::kind::Help ? OpenHelp(1 + i % 5) : popup::OpenPopup(kind));
        platform::headless::Advance(10);
        // OK where the panel has one (help's OK would start a game: close box).
        kind == popup::kind::About || kind == popup::kind::ColourWheel ? TapOk() : TapCloseBox();
        ASSERT_EQ(PopupKind, popup::kind::None);
      }
    }
  };
  cycle(10);
  const std::size_t before = platform::RetainedWindowBytes();
  cycle(1000);
  // Each closed popup and button keeps only its small record; a popup's pixels
  // alone are 230 KB.
  EXPECT_LT(platform::RetainedWindowBytes() - before, 1000u * 4 * 2 * 256);
  EXPECT_EQ(platform::TopLevelWindows().size(), 1u);
  EXPECT_TRUE(main->timers.empty());
}

}  // namespace
