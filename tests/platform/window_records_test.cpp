#include <gtest/gtest.h>

#include "platform/window/popup_window.hpp"
#include "platform/window/window_system_internal.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace platform;
using WindowRecordsTest = testing_support::HeadlessTest;

LResult Quiet(Window* window, unsigned message, WParam wParam, LParam lParam) {
  return DefWindowProc(window, message, wParam, lParam);
}

// A long session opens and closes popups and boxes without end: once the
// loop has moved on, nothing of a closed window is kept, not even its record,
// and what was posted to it goes unanswered.
TEST_F(WindowRecordsTest, AClosedWindowLeavesNothingBehindOnceTheLoopMovesOn) {
  testing_support::StartScreen(240, 320);
  std::size_t before = 0;
  for (int round = 0; round < 1000; ++round) {
    for (int i = 0; i < 100; ++i) {
      Window* popup = CreatePopupWindow(Rect{0, 38, 240, 158}, &Quiet);
      SetTimer(popup, 1, 10);
      PostMessage(popup, msg::Command, 1, 0);
      DestroyWindow(popup);
    }
    headless::Pump();
    if (round == 0) before = RetainedWindowBytes();
    ASSERT_LE(RetainedWindowBytes(), before) << "after " << (round + 1) * 100 << " windows";
  }
}

}  // namespace
