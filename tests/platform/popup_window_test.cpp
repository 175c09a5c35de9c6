#include <gtest/gtest.h>

#include <vector>

#include "platform/child_controls.hpp"
#include "platform/headless.hpp"
#include "platform/message_box.hpp"
#include "platform/popup_window.hpp"
#include "platform/software_drawing.hpp"
#include "platform/window.hpp"
#include "platform/window_system_internal.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace platform;

struct Seen {
  Window* window;
  unsigned message;
  WParam wParam;
  LParam lParam;
};
std::vector<Seen> seen;

LResult FillingProc(Window* window, unsigned message, WParam wParam, LParam lParam) {
  seen.push_back(Seen{window, message, wParam, lParam});
  if (message == msg::Paint) {
    DeviceContext dc = BeginPaint(window);
    const bool main = window == MainWindow();
    FillRect(dc, Rect{0, 0, 240, 320}, main ? Rgb(0, 0, 0) : Rgb(200, 0, 0));
    EndPaint(window);
  }
  return 0;
}

std::vector<unsigned> MessagesTo(Window* window) {
  std::vector<unsigned> out;
  for (const Seen& s : seen) {
    if (s.window == window && s.message != msg::Paint) out.push_back(s.message);
  }
  return out;
}

class PopupWindowTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    seen.clear();
    testing_support::StartScreen(240, 320);
    main = CreateMainWindow(u"Fandriass II", &FillingProc);
    headless::Pump();
    seen.clear();
  }
  Window* main = nullptr;
};

TEST_F(PopupWindowTest, TakesTheFocusAndInputAndGivesThemBack) {
  Window* popup = CreatePopupWindow(Rect{0, 38, 240, 278}, &FillingProc);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(MessagesTo(main), std::vector<unsigned>{msg::KillFocus});
  EXPECT_EQ(MessagesTo(popup), (std::vector<unsigned>{msg::Create, msg::Activate, msg::SetFocus}));
  EXPECT_EQ(GetActiveWindow(), popup);

  seen.clear();
  SetTimer(popup, 1324, 10000);
  headless::Tap(100, 50);   // on the popup: its own coordinates
  headless::Tap(100, 300);  // below it: the main window's
  headless::Key(vk::Return);
  headless::Advance(10000);
  EXPECT_EQ(MessagesTo(popup), (std::vector<unsigned>{msg::StylusDown, msg::StylusUp, msg::KeyDown,
                                                      msg::KeyUp, msg::Timer}));
  EXPECT_EQ(PointY(seen[0].lParam), 12);
  EXPECT_EQ(MessagesTo(main), (std::vector<unsigned>{msg::StylusDown, msg::StylusUp}));

  const Bitmap screen = headless::Screen();
  EXPECT_EQ(screen.Pixel(10, 40), Rgb(200, 0, 0));
  EXPECT_EQ(screen.Pixel(10, 300), Rgb(0, 0, 0));

  seen.clear();
  Window* ok = CreatePushButton(popup, u"OK", Rect{80, 146, 160, 168}, 58632);
  DestroyWindow(popup);
  EXPECT_FALSE(ok->alive) << "controls go with their window";
  EXPECT_EQ(MessagesTo(main), (std::vector<unsigned>{msg::Activate, msg::SetFocus}));
  EXPECT_EQ(GetFocus(), main);
}

TEST_F(PopupWindowTest, AControlWithoutTheFocusGoesQuietly) {
  Window* popup = CreatePopupWindow(Rect{0, 0, 240, 240}, &FillingProc);
  Window* button = CreatePushButton(popup, u"OK", Rect{80, 200, 160, 222}, 58632);
  seen.clear();
  DestroyWindow(button);
  EXPECT_EQ(GetFocus(), popup);
  EXPECT_EQ(MessagesTo(popup), std::vector<unsigned>{});
}

TEST_F(PopupWindowTest, ShowingItAgainBringsItToTheFrontAndActivatesIt) {
  Window* popup = CreatePopupWindow(Rect{0, 0, 240, 240}, &FillingProc);
  Window* button = CreatePushButton(popup, u"OK", Rect{80, 200, 160, 222}, 58632);
  Window* other = CreatePopupWindow(Rect{0, 100, 240, 300}, &FillingProc);
  SetActiveWindow(main);
  seen.clear();

  ShowWindow(popup);
  const auto& windows = TopLevelWindows();
  ASSERT_EQ(windows.size(), 4u);
  EXPECT_EQ(windows[2], popup);
  EXPECT_EQ(windows[3], button) << "the button stays on its popup";
  EXPECT_EQ(windows[1], other);
  EXPECT_EQ(MessagesTo(main), std::vector<unsigned>{msg::KillFocus});
  EXPECT_EQ(MessagesTo(popup), (std::vector<unsigned>{msg::Activate, msg::SetFocus}));

  // Activating the window that is already active sends nothing.
  seen.clear();
  ShowWindow(popup);
  SetActiveWindow(button);
  EXPECT_TRUE(seen.empty());
}

TEST_F(PopupWindowTest, ClosedPopupsAndBoxesGiveTheirMemoryBack) {
  // Popups, each with a button and a timer, and boxes answered from the queue.
  const auto openAndClose = [this](int times) {
    for (int i = 0; i < times; ++i) {
      Window* popup = CreatePopupWindow(Rect{0, 38, 240, 158}, &FillingProc);
      CreatePushButton(popup, u"OK", Rect{80, 200, 160, 222}, 58632);
      SetTimer(popup, 1324, 10);
      headless::Pump();
      DestroyWindow(popup);
      headless::Key(i % 2 ? vk::Return : vk::Escape);
      MessageBox(main, u"Do you want to exit the game?", u"Exit the Game?",
                 message_box::YesNo | message_box::IconExclamation);
    }
    headless::Pump();
    seen.clear();
  };
  openAndClose(10);
  const std::size_t before = RetainedWindowBytes();
  // The count sees a live window's pixels and timers, and sees them go.
  Window* popup = CreatePopupWindow(Rect{0, 38, 240, 158}, &FillingProc);
  for (unsigned id = 0; id < 100; ++id) SetTimer(popup, id, 10);
  EXPECT_GE(RetainedWindowBytes(), before + 240 * 120 * 4 + 100 * sizeof(WindowTimer));
  DestroyWindow(popup);
  EXPECT_LT(RetainedWindowBytes() - before, 256u);
  for (int round = 0; round < 20; ++round) {
    openAndClose(500);
    // A closed window keeps only its small record; its pixels were 115 KB.
    const std::size_t windows = (round + 1) * 500 * 3;
    ASSERT_LT(RetainedWindowBytes() - before, windows * 256) << "after " << windows << " windows";
  }
  EXPECT_EQ(TopLevelWindows().size(), 1u);
}

}  // namespace
