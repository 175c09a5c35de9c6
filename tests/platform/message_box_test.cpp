#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/child_controls.hpp"
#include "platform/control_style.hpp"
#include "platform/headless.hpp"
#include "platform/message_box.hpp"
#include "platform/message_box_log.hpp"
#include "platform/software_drawing.hpp"
#include "platform/window.hpp"
#include "platform/window_system_internal.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace platform;

constexpr Colour kGreen = Rgb(10, 200, 30);

std::vector<unsigned> seen;
std::vector<int> answers;
std::vector<int> paintsDuringBox;  // ModalDepth() at each paint of the main window
unsigned boxFlags = message_box::YesNo | message_box::IconExclamation;
Bitmap screenDuringBox;
Rect boxRect;

LResult OwnerProc(Window* window, unsigned message, WParam, LParam) {
  seen.push_back(message);
  if (message == msg::Paint) {
    paintsDuringBox.push_back(ModalDepth());
    DeviceContext dc = BeginPaint(window);
    FillRect(dc, Rect{0, 0, 240, 320}, kGreen);
    EndPaint(window);
  } else if (message == msg::StylusDown) {
    // A confirmation asked from a tap, while the main window still wants a repaint.
    InvalidateRect(window, nullptr);
    answers.push_back(
        MessageBox(window, u"Do you want to exit the game?", u"Exit the Game?", boxFlags));
  }
  return 0;
}

// Called when the box has painted and waits for the player: looks at the
// screen then and taps the last button.
void LookAndTapTheLastButton() {
  boxRect = TopLevelWindows().back()->rect;
  screenDuringBox = headless::Screen();
  const int u = style::Unit();
  const int x = boxRect.left + boxRect.Width() / 2 + ((boxFlags & 0xF) ? 33 * u : 0);
  const int y = boxRect.bottom - 8 * u - 11 * u;
  QueueStylus(msg::StylusDown, x, y);
  QueueStylus(msg::StylusUp, x, y);
}

class MessageBoxTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    seen.clear();
    answers.clear();
    paintsDuringBox.clear();
    boxFlags = message_box::YesNo | message_box::IconExclamation;
    testing_support::StartScreen(240, 320);
    owner = CreateMainWindow(u"Fandriass II", &OwnerProc);
    headless::Pump();
    seen.clear();
    paintsDuringBox.clear();
    TakeShownMessageBoxes();
  }
  Window* owner = nullptr;
};

TEST_F(MessageBoxTest, OwnerLosesTheFocusWhileShownAndIsActivatedAfter) {
  headless::Tap(20, 20);
  headless::Key(vk::Return);
  headless::Pump();
  EXPECT_EQ(answers, std::vector<int>{IdYes});
  // The tap's own release and the answering key never reach the owner.
  const std::vector<unsigned> expected = {msg::StylusDown, msg::KillFocus, msg::Activate,
                                          msg::SetFocus, msg::Paint};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(GetFocus(), owner);

  const auto shown = TakeShownMessageBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].owned);
  EXPECT_EQ(shown[0].caption, u"Exit the Game?");
  EXPECT_EQ(headless::Screen().Pixel(120, 160), kGreen) << "the box is gone from the screen";
}

TEST_F(MessageBoxTest, EscapeChoosesTheLastButtonAndItsKeyUpStaysWithTheBox) {
  headless::Tap(20, 20);
  headless::Key(vk::Escape);
  headless::Pump();
  EXPECT_EQ(answers, std::vector<int>{IdNo});
  EXPECT_EQ(std::count(seen.begin(), seen.end(), msg::KeyUp), 0);
}

TEST_F(MessageBoxTest, KeepsPaintingIsDrawnOverTheWindowAndAnswersATap) {
  headless::SetModalWaitHandler(&LookAndTapTheLastButton);
  headless::Tap(20, 20);
  headless::Pump();
  EXPECT_EQ(answers, std::vector<int>{IdNo});
  ASSERT_FALSE(paintsDuringBox.empty());
  EXPECT_EQ(paintsDuringBox.front(), 1) << "the owner is painted by the box's own loop";

  ASSERT_FALSE(boxRect.Empty());
  EXPECT_LE(boxRect.Width(), 240);
  EXPECT_EQ(screenDuringBox.Pixel(boxRect.left + 3, boxRect.top + 3), style::Highlight);
  EXPECT_EQ(screenDuringBox.Pixel(boxRect.left + 3, boxRect.bottom - 3), style::Paper);
  EXPECT_EQ(screenDuringBox.Pixel(boxRect.left - 1, boxRect.top), kGreen);
  bool yellow = false;
  for (int y = boxRect.top; y < boxRect.bottom && !yellow; ++y) {
    for (int x = boxRect.left; x < boxRect.left + 40; ++x) {
      yellow = yellow || screenDuringBox.Pixel(x, y) == Rgb(255, 200, 0);
    }
  }
  EXPECT_TRUE(yellow) << "the exclamation icon";
}

TEST_F(MessageBoxTest, ABoxNobodyExpectedIsAFaultAndTakesTheEscapeWayOut) {
  boxFlags = message_box::Ok;
  {
    // Expecting another text does not answer this one.
    testing_support::ExpectMessageBox other(u"Cannot read values", IdOk);
    headless::Tap(20, 20);
    headless::Pump();
    EXPECT_EQ(MessageBoxAnswersLeft(), 1u);
    ForgetMessageBoxAnswers();
  }
  EXPECT_EQ(answers, std::vector<int>{IdOk});
  const auto faults = headless::TakeFaults();
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("message box"), std::string::npos);

  // The same box, expected, passes quietly.
  testing_support::ExpectMessageBox expected(u"Do you want to exit the game?", IdOk);
  headless::Tap(20, 20);
  headless::Pump();
  EXPECT_EQ(answers, (std::vector<int>{IdOk, IdOk}));
  EXPECT_TRUE(headless::TakeFaults().empty());
}

TEST_F(MessageBoxTest, TheQuitMessageEndsTheBoxAndTheProgramsLoop) {
  // A timer of the owner's posts the quit while the box waits for the player.
  struct QuitOnTimer {
    static LResult Proc(Window* window, unsigned message, WParam wParam, LParam lParam) {
      if (message == msg::Timer) {
        seen.push_back(message);
        PostQuitMessage(3);
        return 0;
      }
      return OwnerProc(window, message, wParam, lParam);
    }
  };
  Window* main = CreateWindowOfKind(WindowKind::Popup, Rect{0, 0, 240, 320}, &QuitOnTimer::Proc);
  SetTimer(main, 1, 50);
  headless::Pump();
  headless::Tap(20, 20);
  headless::Advance(1000);
  EXPECT_EQ(answers, std::vector<int>{IdNo}) << "the box ends with its last button";
  EXPECT_EQ(std::count(seen.begin(), seen.end(), msg::Timer), 1);
  EXPECT_TRUE(headless::QuitPosted());
  EXPECT_EQ(headless::QuitCode(), 3);
  EXPECT_EQ(RunMessageLoop(), 3);
}

TEST_F(MessageBoxTest, ExpectedAnswersAndBoxesWithoutAWindow) {
  {
    testing_support::ExpectMessageBox expected(u"Do you want to exit the game?", IdYes);
    headless::Tap(20, 20);
    headless::Pump();
    EXPECT_EQ(answers, std::vector<int>{IdYes});
  }

  testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(nullptr, u"Cannot read values", u"", message_box::Ok), IdOk);
  {
    testing_support::ExpectMessageBox expected(u"Sure?", IdYes);
    EXPECT_EQ(MessageBox(nullptr, u"Sure?", u"Question", message_box::YesNo), IdYes);
  }
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Cannot read values"), std::string::npos);
  EXPECT_NE(err.find("Question: Sure?"), std::string::npos);
  const auto shown = TakeShownMessageBoxes();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_FALSE(shown[1].owned);
}

// A desktop whose own message box answers as told and remembers what it showed.
class BoxDesktop final : public Backend {
 public:
  std::uint32_t Now() override { return 0; }
  void WaitForInput(std::uint32_t) override {}
  void Present(const Bitmap&) override {}
  std::uint32_t RefreshInterval() override { return 16; }
  void Sleep(std::uint32_t) override {}
  int ShowDesktopBox(const DesktopBox& box) override {
    shown.push_back(std::string(box.utf8Caption) + "|" + std::string(box.utf8Text) + "|" +
                    (box.yesNo ? "yes/no" : "ok") + (box.warning ? "|warning" : ""));
    return answer;
  }
  int answer = 0;
  std::vector<std::string> shown;
};

TEST(WindowlessMessageBox, GoesToTheBackEndsDesktopBox) {
  BoxDesktop desktop;
  InstallBackend(&desktop, ScreenConfig{});
  testing::internal::CaptureStderr();
  desktop.answer = IdYes;
  EXPECT_EQ(MessageBox(nullptr, u"Gr\u00fc\u00dfe?", u"Leave",
                       message_box::YesNo | message_box::IconExclamation),
            IdYes);
  // A desktop that cannot show a box leaves the answer Escape would give.
  desktop.answer = 0;
  EXPECT_EQ(MessageBox(nullptr, u"Unsupported screen", u"", message_box::Ok), IdOk);
  EXPECT_EQ(MessageBox(nullptr, u"Again?", u"Q", message_box::YesNo), IdNo);
  const std::string err = testing::internal::GetCapturedStderr();
  InstallBackend(nullptr, ScreenConfig{});
  TakeShownMessageBoxes();
  EXPECT_EQ(desktop.shown, (std::vector<std::string>{"Leave|Gr\u00fc\u00dfe?|yes/no|warning",
                                                     "|Unsupported screen|ok", "Q|Again?|yes/no"}));
  EXPECT_NE(err.find("Leave: Gr\u00fc\u00dfe?"), std::string::npos);

  // With no back end at all there is only standard error.
  testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(nullptr, u"Sure?", u"Q", message_box::YesNo), IdNo);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Q: Sure?"), std::string::npos);
  TakeShownMessageBoxes();
}

TEST_F(MessageBoxTest, FocusGoesBackToTheFieldThatHadIt) {
  Window* edit = CreateEditField(owner, u"Ann", Rect{30, 140, 210, 162}, 1310);
  SetFocus(edit);
  headless::Pump();
  seen.clear();
  testing_support::ExpectMessageBox expected(u"Saved.", IdOk);
  MessageBox(owner, u"Saved.", u"Hi-Scores", message_box::Ok);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(seen, (std::vector<unsigned>{msg::Activate}));
}

}  // namespace
