#include <gtest/gtest.h>

#include <vector>

#include "platform/headless.hpp"
#include "platform/runtime.hpp"
#include "platform/software_drawing.hpp"
#include "platform/window.hpp"
#include "platform/window_system_internal.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace platform;

struct Seen {
  unsigned message;
  WParam wParam;
  LParam lParam;
  std::uint32_t time;
};
std::vector<Seen> seen;
bool paintWholeSurface = false;
bool skipBeginPaint = false;

LResult RecordingProc(Window* window, unsigned message, WParam wParam, LParam lParam) {
  seen.push_back(Seen{message, wParam, lParam, headless::Now()});
  if (message == msg::Paint && !skipBeginPaint) {
    DeviceContext dc = BeginPaint(window);
    if (paintWholeSurface) FillRect(dc, Rect{0, 0, 240, 320}, Rgb(10, 200, 30));
    EndPaint(window);
  }
  return DefWindowProc(window, message, wParam, lParam);
}

std::vector<unsigned> Messages() {
  std::vector<unsigned> out;
  for (const Seen& s : seen) out.push_back(s.message);
  return out;
}

class MessageLoopTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    seen.clear();
    paintWholeSurface = false;
    skipBeginPaint = false;
    testing_support::StartScreen(240, 320);
    window = CreateMainWindow(u"Fandriass II", &RecordingProc);
    headless::Pump();
    seen.clear();
  }
  Window* window = nullptr;
};

TEST_F(MessageLoopTest, InputComesBeforePaintAndPaintBeforeADueTimer) {
  // All three wait at the same moment: the tap, the invalid window, the due timer.
  SetTimer(window, 1, 10);
  InvalidateRect(window, nullptr);
  headless::Tap(5, 6);
  Sleep(10);
  headless::Pump();
  ASSERT_EQ(Messages(),
            (std::vector<unsigned>{msg::StylusDown, msg::StylusUp, msg::Paint, msg::Timer}));
  EXPECT_EQ(PointX(seen[0].lParam), 5);
  EXPECT_EQ(PointY(seen[0].lParam), 6);
}

TEST_F(MessageLoopTest, ShortTimersRunAtTenMillisecondsAndNeverBurst) {
  SetTimer(window, 1324, 2);
  headless::Advance(100);
  std::vector<std::uint32_t> times;
  for (const Seen& s : seen) {
    if (s.message == msg::Timer) times.push_back(s.time);
  }
  ASSERT_EQ(times.size(), 10u);
  for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 10u);

  // A stall of many periods is followed by a single tick, not a catch-up burst.
  seen.clear();
  Sleep(95);
  headless::Pump();
  EXPECT_EQ(Messages(), std::vector<unsigned>{msg::Timer});
  seen.clear();
  headless::Advance(9);
  EXPECT_TRUE(seen.empty());

  KillTimer(window, 1324);
  headless::Advance(100);
  EXPECT_TRUE(seen.empty());
}

TEST_F(MessageLoopTest, DesktopFocusLossAndGainArriveAsKillFocusActivateSetFocus) {
  headless::FocusLost();
  headless::FocusGained();
  EXPECT_EQ(Messages(), (std::vector<unsigned>{msg::KillFocus, msg::Activate, msg::SetFocus}));
}

TEST_F(MessageLoopTest, AWindowThatNeverStopsPaintingIsAFaultNotAHang) {
  struct Restless {
    static LResult Proc(Window* w, unsigned message, WParam, LParam) {
      if (message == msg::Paint) {
        BeginPaint(w);
        EndPaint(w);
        InvalidateRect(w, nullptr);
      }
      return 0;
    }
  };
  CreateWindowOfKind(WindowKind::Popup, Rect{0, 0, 10, 10}, &Restless::Proc);
  headless::Advance(10);
  const auto faults = headless::TakeFaults();
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("never went idle"), std::string::npos);
  EXPECT_TRUE(headless::QuitPosted());
}

TEST_F(MessageLoopTest, StylusMovesOnlyWhileTheStylusTouches) {
  headless::StylusMove(10, 10);
  headless::StylusDown(20, 20);
  headless::StylusMove(30, 30);
  headless::StylusUp(40, 40);
  headless::StylusMove(50, 50);
  headless::Pump();
  EXPECT_EQ(Messages(), (std::vector<unsigned>{msg::StylusDown, msg::StylusMove, msg::StylusUp}));
}

TEST_F(MessageLoopTest, APaintThatDoesNotBeginPaintingStillValidatesTheWindow) {
  InvalidateRect(window, nullptr);
  headless::Pump();
  skipBeginPaint = true;
  InvalidateRect(window, nullptr);
  headless::Pump();
  EXPECT_EQ(Messages(), (std::vector<unsigned>{msg::Paint, msg::Paint}));
}

TEST_F(MessageLoopTest, AMessagePostedToNoWindowReachesNobody) {
  PostMessage(nullptr, msg::Command, 5, 0);
  PostMessage(nullptr, msg::Timer, 1, 0);
  headless::Pump();
  EXPECT_TRUE(seen.empty());
}

TEST_F(MessageLoopTest, APaintIsNotClippedToWhatWasInvalidated) {
  paintWholeSurface = true;
  Rect small{0, 0, 4, 4};
  InvalidateRect(window, &small);
  headless::Pump();
  EXPECT_EQ(headless::Screen().Pixel(200, 300), Rgb(10, 200, 30));
}

TEST_F(MessageLoopTest, FramesArePresentedOnlyWhenSomethingChangedAndAtMostOncePerRefresh) {
  headless::Advance(200);
  const int idle = headless::PresentCount();
  headless::Advance(500);
  EXPECT_EQ(headless::PresentCount(), idle);

  for (int i = 0; i < 16; ++i) {
    InvalidateRect(window, nullptr);
    headless::Advance(10);
  }
  const int shown = headless::PresentCount() - idle;
  EXPECT_GE(shown, 8);
  EXPECT_LE(shown, 11);  // 160 ms at one frame per 16 ms refresh
}

TEST_F(MessageLoopTest, TheFirstFrameIsShownAtOnceAndALaterChangeAtTheNextRefresh) {
  EXPECT_EQ(headless::PresentCount(), 1);
  EXPECT_EQ(headless::Now(), 0u);
  headless::Advance(100);
  MarkScreenChanged();  // as when a window is shown again or hidden
  headless::Advance(1);
  EXPECT_EQ(headless::PresentCount(), 2);
}

TEST_F(MessageLoopTest, WindowsPartlyOffTheScreenAndHiddenOnesAreComposedAsSeen) {
  // Each surface column x is painted in colour x, so a shifted copy shows.
  struct Striped {
    static LResult Proc(Window* w, unsigned message, WParam, LParam) {
      if (message == msg::Paint) {
        DeviceContext dc = BeginPaint(w);
        for (int x = 0; x < 40; ++x) FillRect(dc, Rect{x, 0, x + 1, 40}, Rgb(x, 7, 9));
        EndPaint(w);
      }
      return 0;
    }
  };
  paintWholeSurface = true;
  InvalidateRect(window, nullptr);
  Window* left = CreateWindowOfKind(WindowKind::Popup, Rect{-10, -5, 30, 35}, &Striped::Proc);
  Window* right = CreateWindowOfKind(WindowKind::Popup, Rect{220, 300, 260, 340}, &Striped::Proc);
  Window* hidden = CreateWindowOfKind(WindowKind::Popup, Rect{100, 100, 140, 140}, &Striped::Proc);
  hidden->visible = false;
  headless::Pump();
  const Bitmap screen = headless::Screen();
  EXPECT_EQ(screen.Pixel(0, 0), Rgb(10, 7, 9));
  EXPECT_EQ(screen.Pixel(29, 29), Rgb(39, 7, 9));
  EXPECT_EQ(screen.Pixel(30, 0), Rgb(10, 200, 30));
  EXPECT_EQ(screen.Pixel(220, 300), Rgb(0, 7, 9));
  EXPECT_EQ(screen.Pixel(239, 319), Rgb(19, 7, 9));
  EXPECT_EQ(screen.Pixel(120, 120), Rgb(10, 200, 30)) << "a hidden window is not seen";
  DestroyWindow(left);
  DestroyWindow(right);
}

TEST_F(MessageLoopTest, ClosingTheDesktopWindowClosesTheMainWindowOrQuits) {
  EXPECT_FALSE(headless::QuitPosted());
  EXPECT_EQ(headless::QuitCode(), 0);
  // The main window hears why: the close button, or the program told to end.
  DesktopCloseRequested(CloseReason::EndRequested);
  headless::Pump();
  ASSERT_EQ(Messages(), (std::vector<unsigned>{msg::Close, msg::Destroy}));
  EXPECT_EQ(seen[0].wParam, 1u);
  seen.clear();
  window = CreateMainWindow(u"Fandriass II", &RecordingProc);
  headless::Pump();
  seen.clear();
  DesktopCloseRequested();
  headless::Pump();
  EXPECT_EQ(Messages(), (std::vector<unsigned>{msg::Close, msg::Destroy}));
  EXPECT_EQ(seen[0].wParam, 0u);
  EXPECT_EQ(MainWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_FALSE(headless::QuitPosted()) << "the main window's procedure decides";
  // With no focus anywhere, a new window can still take it.
  Window* popup = CreateWindowOfKind(WindowKind::Popup, Rect{0, 0, 240, 100}, &RecordingProc);
  SetFocus(popup);
  EXPECT_EQ(GetFocus(), popup);
  EXPECT_EQ(SendMessage(popup, msg::Command, 1, 0), 0) << "the default handling answers 0";
  DesktopCloseRequested();
  EXPECT_TRUE(headless::QuitPosted());
  EXPECT_EQ(headless::QuitCode(), 0);
}

TEST_F(MessageLoopTest, NoFrameIsShownWhileAPaintIsPending) {
  headless::Advance(100);
  const int before = headless::PresentCount();
  // A window that has not painted yet would show as a blank box.
  CreateWindowOfKind(WindowKind::Popup, Rect{0, 38, 240, 200}, &RecordingProc);
  PresentIfDue();
  EXPECT_EQ(headless::PresentCount(), before);
  headless::Pump();
  EXPECT_EQ(headless::PresentCount(), before + 1);
}

TEST_F(MessageLoopTest, AnOverlayWindowStaysAboveTheMainWindowsPaints) {
  Window* popup = CreateWindowOfKind(WindowKind::Popup, Rect{0, 38, 240, 200}, &RecordingProc);
  headless::Pump();
  DeviceContext dc = GetDC(popup);
  FillRect(dc, Rect{0, 0, 240, 162}, Rgb(1, 2, 3));
  paintWholeSurface = true;
  InvalidateRect(window, nullptr);
  headless::Pump();
  const Bitmap screen = headless::Screen();
  EXPECT_EQ(screen.Pixel(100, 100), Rgb(1, 2, 3));
  EXPECT_EQ(screen.Pixel(100, 250), Rgb(10, 200, 30));

  // A tap on the popup reaches it in its own coordinates.
  seen.clear();
  headless::Tap(10, 48);
  headless::Pump();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(PointY(seen[0].lParam), 10);
}

// The tick count wraps after 49.7 days; timers and waits carry on across it.
TEST_F(MessageLoopTest, TimersAndWaitsCarryOnAcrossTheClocksWrap) {
  headless::Stop();
  headless::Start(ScreenConfig{240, 320, 0, 0}, 0xFFFFFFFFu - 2999);  // 3 s before the wrap
  window = CreateMainWindow(u"Fandriass II", &RecordingProc);
  headless::Pump();
  seen.clear();

  SetTimer(window, 1, 2000);         // falls due at 3 s - 2000 ms before the wrap ...
  SetTimer(window, 2, 5000);         // ... and this one 2 s after it
  SetTimer(window, 3, 0xFFFFFFFFu);  // a period too long to compare across the wrap
  headless::Advance(10000);
  std::vector<std::pair<WParam, std::uint32_t>> fired;
  for (const Seen& s : seen) {
    if (s.message == msg::Timer) fired.emplace_back(s.wParam, s.time);
  }
  const std::vector<std::pair<WParam, std::uint32_t>> expected = {
      {1, 0xFFFFFFFFu - 999}, {1, 1000}, {2, 2000}, {1, 3000}, {1, 5000}, {1, 7000}, {2, 7000}};
  EXPECT_EQ(fired, expected);
  EXPECT_EQ(headless::Now(), 7000u);
}

}  // namespace
