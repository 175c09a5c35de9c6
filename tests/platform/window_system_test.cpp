#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/backend/runtime.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/headless/headless.hpp"
#include "platform/window/child_controls.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/popup_window.hpp"
#include "platform/window/window_system.hpp"
#include "platform/window/window_system_internal.hpp"
#include "support/headless_fixture.hpp"
#include "support/table_file.hpp"

namespace {

using namespace platform;

struct Seen {
  Window* window;
  unsigned message;
  WParam wParam;
  LParam lParam;
  std::uint32_t time;
};
std::vector<Seen> seen;
bool skipBeginPaint = false;
bool askOnTap = false;  // a tap on the main window asks a yes/no question
std::vector<int> answers;
Colour paintColour = Rgb(10, 200, 30);  // what RecordingProc paints its window in

LResult RecordingProc(Window* window, unsigned message, WParam wParam, LParam lParam) {
  seen.push_back(Seen{window, message, wParam, lParam, headless::Now()});
  if (message == msg::Paint && !skipBeginPaint) {
    DeviceContext dc = BeginPaint(window);
    FillRect(dc, Rect{0, 0, 240, 320}, paintColour);
    EndPaint(window);
  } else if (message == msg::StylusDown && askOnTap) {
    answers.push_back(MessageBox(window, u"Exit?", u"Exit the Game?", message_box::YesNo));
  } else if (message == msg::Timer && wParam == 77) {
    PostQuitMessage(3);
  }
  return DefWindowProc(window, message, wParam, lParam);
}

std::vector<unsigned> Messages(Window* to = nullptr) {
  std::vector<unsigned> out;
  for (const Seen& s : seen) {
    if (!to || s.window == to) out.push_back(s.message);
  }
  return out;
}

// One main window on 240x320, with nothing seen yet.
class WindowSystemTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    seen.clear();
    answers.clear();
    skipBeginPaint = askOnTap = false;
    paintColour = Rgb(10, 200, 30);
    testing_support::StartScreen(240, 320);
    window = CreateMainWindow(u"Fandriass II", &RecordingProc);
    headless::Pump();
    seen.clear();
    TakeShownMessageBoxes();
  }
  Window* window = nullptr;
};

TEST_F(WindowSystemTest, InputComesBeforePaintAndPaintBeforeADueTimer) {
  SetTimer(window, 1, 10);
  InvalidateRect(window, nullptr);
  headless::StylusMove(1, 1);  // not touching: nobody hears it
  headless::Tap(5, 6);
  PostMessage(nullptr, msg::Command, 5, 0);  // to no window: reaches nobody
  Sleep(10);
  headless::Pump();
  ASSERT_EQ(Messages(),
            (std::vector<unsigned>{msg::StylusDown, msg::StylusUp, msg::Paint, msg::Timer}));
  EXPECT_EQ(PointX(seen[0].lParam), 5);
  EXPECT_EQ(PointY(seen[0].lParam), 6);
  // A paint that never begins painting still validates the window.
  seen.clear();
  KillTimer(window, 1);
  skipBeginPaint = true;
  InvalidateRect(window, nullptr);
  headless::Advance(50);
  EXPECT_EQ(Messages(), std::vector<unsigned>{msg::Paint});
}

TEST_F(WindowSystemTest, ShortTimersRunAtTenMillisecondsAndCatchUpOnlyWhenALittleLate) {
  SetTimer(window, 1324, 2);
  headless::Advance(100);
  std::vector<std::uint32_t> times;
  for (const Seen& s : seen) times.push_back(s.time);
  EXPECT_EQ(times, (std::vector<std::uint32_t>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  // Served a little late (a back end waking on a coarser beat) it catches up at
  // once and keeps its cadence; held up 50 ms or more, by a stall, it fires
  // once and starts afresh.
  const struct {
    std::uint32_t stall;
    std::vector<std::uint32_t> fired;  // after it was set
  } late[] = {
      {25, {25, 25, 30, 40}}, {59, {59, 59, 59, 59, 59, 60, 70}}, {60, {60, 70}}, {95, {95, 105}}};
  for (const auto& [stall, fired] : late) {
    SetTimer(window, 1324, 10);
    const std::uint32_t set = headless::Now();
    const std::uint64_t ticks = TimersDelivered();
    seen.clear();
    Sleep(stall);
    headless::Advance(16);
    std::vector<std::uint32_t> at;
    for (const Seen& s : seen) at.push_back(s.time - set);
    EXPECT_EQ(at, fired) << "a stall of " << stall << " ms";
    EXPECT_EQ(TimersDelivered() - ticks, fired.size());
  }
  KillTimer(window, 1324);
  seen.clear();
  headless::Advance(100);
  EXPECT_TRUE(seen.empty()) << "killed";
}

// The tick count wraps after 49.7 days; timers and waits carry on across it.
TEST_F(WindowSystemTest, TimersAndWaitsCarryOnAcrossTheClocksWrap) {
  headless::Stop();
  headless::Start(ScreenConfig{240, 320, 0, 0}, 0xFFFFFFFFu - 2999);  // 3 s before the wrap
  window = CreateMainWindow(u"Fandriass II", &RecordingProc);
  headless::Pump();
  seen.clear();
  SetTimer(window, 1, 2000);
  SetTimer(window, 2, 5000);
  SetTimer(window, 3, 0xFFFFFFFFu);  // a period too long to compare across the wrap
  headless::Advance(10000);
  std::vector<std::pair<WParam, std::uint32_t>> fired;
  for (const Seen& s : seen) fired.emplace_back(s.wParam, s.time);
  const std::vector<std::pair<WParam, std::uint32_t>> expected = {
      {1, 0xFFFFFFFFu - 999}, {1, 1000}, {2, 2000}, {1, 3000}, {1, 5000}, {1, 7000}, {2, 7000}};
  EXPECT_EQ(fired, expected);
  EXPECT_EQ(headless::Now(), 7000u);
}

TEST_F(WindowSystemTest, FramesAreShownOnceEachRefreshOnlyAfterChangesAndNeverHalfPainted) {
  EXPECT_EQ(headless::PresentCount(), 1) << "the first frame at once";
  headless::Advance(500);
  EXPECT_EQ(headless::PresentCount(), 1) << "nothing changed";
  InvalidateRect(window, nullptr);
  MarkScreenChanged();
  headless::Advance(1);
  EXPECT_EQ(headless::PresentCount(), 1) << "painted over as it was";
  MarkFrameLost();
  headless::Advance(1);
  EXPECT_EQ(headless::PresentCount(), 2) << "the display lost it";
  for (int i = 0; i < 16; ++i) {
    paintColour = Rgb(i, 0, 0);
    InvalidateRect(window, nullptr);
    headless::Advance(10);
  }
  EXPECT_EQ(headless::PresentCount(), 2 + 10);  // 160 ms at one frame per 16 ms refresh
  // A window that has not painted yet would show as a blank box.
  headless::Advance(100);
  paintColour = Rgb(1, 2, 3);
  CreateWindowOfKind(WindowKind::Popup, Rect{0, 38, 240, 200}, &RecordingProc);
  PresentIfDue();
  EXPECT_EQ(headless::PresentCount(), 12);
  headless::Pump();
  EXPECT_EQ(headless::PresentCount(), 13);
}

// A window that goes or hides shows what lies under it again, though nothing
// under it paints; a window drawn in under another stays covered.
TEST_F(WindowSystemTest, TheDisplayShowsWhatAWindowLeavesWhenItGoesOrHides) {
  paintColour = Rgb(200, 0, 0);
  Window* popup = CreateWindowOfKind(WindowKind::Popup, Rect{20, 40, 220, 200}, &RecordingProc);
  Window* over = CreateWindowOfKind(WindowKind::Popup, Rect{40, 60, 200, 180}, &RecordingProc);
  headless::Advance(20);
  paintColour = Rgb(0, 0, 200);
  InvalidateRect(popup, nullptr);
  headless::Advance(20);
  EXPECT_EQ(headless::Shown().Pixel(100, 100), Rgb(200, 0, 0)) << "covered";
  EXPECT_EQ(headless::Shown().Pixel(30, 50), Rgb(0, 0, 200));
  over->visible = false;
  MarkScreenChanged();
  headless::Advance(20);
  EXPECT_EQ(headless::Shown().Pixel(100, 100), Rgb(0, 0, 200)) << "hidden";
  DestroyWindow(popup);
  headless::Advance(20);
  EXPECT_EQ(headless::Shown().Pixels(), headless::Screen().Pixels());
  EXPECT_EQ(headless::Shown().Pixel(100, 100), Rgb(10, 200, 30)) << "gone";
}

// Windows partly off the screen show what lies on it; hidden and destroyed
// ones show nothing; the narrowest window still gets its first paint; the
// screen can change one side only.
TEST_F(WindowSystemTest, WindowsAreComposedAsSeenWhateverTheirPlaceOrState) {
  struct Striped {  // surface column x in colour x, so a shifted copy shows
    static LResult Proc(Window* w, unsigned message, WParam, LParam) {
      if (message == msg::Paint) {
        DeviceContext dc = BeginPaint(w);
        for (int x = 0; x < 40; ++x) FillRect(dc, Rect{x, 0, x + 1, 40}, Rgb(x, 7, 9));
        EndPaint(w);
      }
      return 0;
    }
  };
  Window* left = CreateWindowOfKind(WindowKind::Popup, Rect{-10, -5, 30, 35}, &Striped::Proc);
  CreateWindowOfKind(WindowKind::Popup, Rect{220, 300, 260, 340}, &Striped::Proc);
  Window* hidden = CreateWindowOfKind(WindowKind::Popup, Rect{100, 100, 140, 140}, &Striped::Proc);
  hidden->visible = false;
  DestroyWindow(CreateWindowOfKind(WindowKind::Popup, Rect{150, 0, 190, 40}, &Striped::Proc));
  Window* narrow = CreateWindowOfKind(WindowKind::Popup, Rect{200, 0, 201, 1}, &RecordingProc);
  headless::Pump();
  const Bitmap screen = headless::Screen();
  const Colour green = Rgb(10, 200, 30);
  EXPECT_EQ(screen.Pixel(0, 0), Rgb(10, 7, 9));
  EXPECT_EQ(screen.Pixel(29, 29), Rgb(39, 7, 9));
  EXPECT_EQ(screen.Pixel(30, 0), green);
  EXPECT_EQ(screen.Pixel(239, 319), Rgb(19, 7, 9));
  EXPECT_EQ(screen.Pixel(120, 120), green) << "hidden";
  EXPECT_EQ(screen.Pixel(160, 20), green) << "destroyed";
  const std::vector<unsigned> heard = Messages(narrow);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), msg::Paint), 1);
  // Stale and null pointers are harmless.
  DestroyWindow(left);
  DestroyWindow(left);
  DestroyWindow(nullptr);
  UpdateWindow(left);
  UpdateWindow(nullptr);
  headless::ChangeScreenSize(240, 240);
  headless::Pump();
  Bitmap shown(240, 320);  // the frame last presented, before the change
  ComposeScreen(shown);
  EXPECT_EQ(shown.Height(), 240);
}

TEST_F(WindowSystemTest, AWindowThatNeverStopsPaintingIsAFaultNotAHang) {
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

TEST_F(WindowSystemTest, ClosingTheDesktopWindowTellsTheMainWindowWhyOrQuits) {
  static std::vector<ReplayInput> recorded;  // a recording hears the close too
  recorded.clear();
  SetInputObserver([](ReplayInput input, int, int) { recorded.push_back(input); });
  DesktopCloseRequested(CloseReason::EndRequested);
  SetInputObserver(nullptr);
  EXPECT_EQ(recorded, std::vector<ReplayInput>{ReplayInput::Close});
  headless::Pump();
  ASSERT_EQ(Messages(), (std::vector<unsigned>{msg::Close, msg::Destroy}));
  EXPECT_EQ(seen[0].wParam, 1u);
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

// A box ends by its keys (Enter the first button, Escape the last), neither the
// tap's release nor the key reaches the owner, and the quit message ends both
// the box and the program's loop.
TEST_F(WindowSystemTest, AModalBoxEndsByItsKeysOrByTheQuitMessage) {
  askOnTap = true;
  headless::Tap(20, 20);
  headless::Key(vk::Return);
  headless::Tap(20, 20);
  headless::KeyDownRepeated(vk::Escape);  // held since before the box: answers nothing
  headless::Key(vk::Escape);
  headless::Pump();
  EXPECT_EQ(answers, (std::vector<int>{IdYes, IdNo}));
  const std::vector<unsigned> once = {msg::StylusDown, msg::KillFocus, msg::Activate,
                                      msg::SetFocus};
  std::vector<unsigned> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  std::vector<unsigned> heard = Messages();
  heard.erase(std::remove(heard.begin(), heard.end(), msg::Paint), heard.end());
  EXPECT_EQ(heard, twice);
  EXPECT_EQ(GetFocus(), window);
  EXPECT_EQ(TakeShownMessageBoxes().size(), 2u);

  SetTimer(window, 77, 50);  // posts the quit while the box waits for the player
  headless::Tap(20, 20);
  headless::Advance(1000);
  EXPECT_EQ(answers, (std::vector<int>{IdYes, IdNo, IdNo})) << "ends with its last button";
  EXPECT_TRUE(headless::QuitPosted());
  EXPECT_EQ(headless::QuitCode(), 3);
  EXPECT_EQ(RunMessageLoop(), 3);
}

TEST_F(WindowSystemTest, ABoxNobodyExpectedIsAFaultAndAnExpectedOneIsAnswered) {
  askOnTap = true;
  {
    testing_support::ExpectMessageBox other(u"Cannot read values", IdYes);
    headless::Tap(20, 20);
    headless::Pump();
    EXPECT_EQ(MessageBoxAnswersLeft(), 1u);
    ForgetMessageBoxAnswers();
  }
  const auto faults = headless::TakeFaults();
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("message box"), std::string::npos);
  testing_support::ExpectMessageBox expected(u"Exit?", IdYes);
  headless::Tap(20, 20);
  headless::Pump();
  EXPECT_EQ(answers, (std::vector<int>{IdNo, IdYes}));
}

// A desktop whose own message box answers as told and remembers what it showed.
class BoxDesktop final : public Backend {
 public:
  std::uint32_t Now() override { return 0; }
  void WaitForInput(std::uint32_t) override {}
  void Present(const Bitmap&, const FrameChanges&) override {}
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

// Before any window, a box goes to the desktop's own and to standard error; a
// desktop that cannot show one leaves the answer Escape would give.
TEST(WindowlessMessageBox, GoesToTheDesktopsBoxAndToStandardError) {
  BoxDesktop desktop;
  InstallBackend(&desktop, ScreenConfig{});
  TakeShownMessageBoxes();
  testing::internal::CaptureStderr();
  desktop.answer = IdYes;
  EXPECT_EQ(MessageBox(nullptr, u"Gr\u00fc\u00dfe?", u"Leave",
                       message_box::YesNo | message_box::IconExclamation),
            IdYes);
  desktop.answer = 0;
  EXPECT_EQ(MessageBox(nullptr, u"Unsupported screen", u"", message_box::Ok), IdOk);
  EXPECT_EQ(MessageBox(nullptr, u"Again?", u"Q", message_box::YesNo), IdNo);
  InstallBackend(nullptr, ScreenConfig{});
  EXPECT_EQ(MessageBox(nullptr, u"Sure?", u"Q", message_box::YesNo), IdNo);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(TakeShownMessageBoxes().size(), 4u);
  EXPECT_EQ(desktop.shown, (std::vector<std::string>{"Leave|Gr\u00fc\u00dfe?|yes/no|warning",
                                                     "|Unsupported screen|ok", "Q|Again?|yes/no"}));
  EXPECT_NE(err.find("fandriass: Gr\u00fc\u00dfe?\n"), std::string::npos);
  EXPECT_NE(err.find("fandriass: Sure?\n"), std::string::npos);
}

TEST_F(WindowSystemTest, FocusGoesBackWhereItWasAndClosedWindowsGiveTheirMemoryBack) {
  Window* edit = CreateEditField(window, u"Ann", Rect{30, 140, 210, 162}, 1310);
  SetFocus(edit);
  {
    testing_support::ExpectMessageBox expected(u"Saved.", IdOk);
    MessageBox(window, u"Saved.", u"Hi-Scores", message_box::Ok);
  }
  EXPECT_EQ(GetFocus(), edit);
  DestroyWindow(edit);
  EXPECT_EQ(GetFocus(), window);
  // A control without the focus goes quietly; controls go with their popup.
  Window* popup = CreatePopupWindow(Rect{0, 0, 240, 240}, &RecordingProc);
  Window* other = CreatePushButton(popup, u"OK", Rect{80, 200, 160, 222}, 1);
  DestroyWindow(CreatePushButton(popup, u"No", Rect{0, 200, 60, 222}, 2));
  EXPECT_EQ(GetFocus(), popup);
  DestroyWindow(popup);
  EXPECT_FALSE(other->alive);
  EXPECT_EQ(GetFocus(), window);
  headless::Pump();

  const auto openAndClose = [this](int times) {
    for (int i = 0; i < times; ++i) {
      Window* shortLived = CreatePopupWindow(Rect{0, 38, 240, 158}, &RecordingProc);
      CreatePushButton(shortLived, u"OK", Rect{80, 100, 160, 122}, 1);
      SetTimer(shortLived, 1324, 10);
      headless::Pump();
      DestroyWindow(shortLived);
      headless::Key(vk::Escape);
      MessageBox(window, u"Exit?", u"Exit the Game?", message_box::YesNo);
    }
    seen.clear();
  };
  openAndClose(10);
  const std::size_t before = RetainedWindowBytes();
  Window* live = CreatePopupWindow(Rect{0, 38, 240, 158}, &RecordingProc);
  for (unsigned id = 0; id < 100; ++id) SetTimer(live, id, 10);
  EXPECT_GE(RetainedWindowBytes(), before + 240 * 120 * 4 + 100 * sizeof(WindowTimer));
  DestroyWindow(live);
  openAndClose(2000);
  EXPECT_LT(RetainedWindowBytes() - before, 2001u * 3 * 256) << "pixels were 115 KB each";
}

// Row text: '_' is a blank, \xNN a byte of UTF-8, '-' nothing.
std::string Unescape(const std::string& word) {
  std::string out;
  for (std::size_t i = 0; i < word.size() && word != "-"; ++i) {
    if (word.compare(i, 2, "\\x") == 0) {
      out += static_cast<char>(std::stoi(word.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      out += word[i] == '_' ? ' ' : word[i];
    }
  }
  return out;
}

std::u16string TextOf(Window* control, std::size_t size) {
  std::vector<char16_t> buffer(size, u'#');
  const std::size_t n = GetWindowText(control, buffer.data(), size);
  EXPECT_EQ(buffer.at(n), 0);
  return std::u16string(buffer.data(), n);
}

// The name field, limited to 10 units, starts as "Zebedee" all selected; each
// row is what is done to it, the commands its bound keys sent (O for OK, C for
// Cancel) and the text it holds then.
TEST_F(WindowSystemTest, TheNameFieldEditsAsItsRowsSay) {
  constexpr int kOk = 58632, kCancel = 58633;
  const std::map<std::string, std::pair<unsigned, bool>> keys = {
      {"Home", {36, false}},
      {"End", {35, false}},
      {"Del", {46, false}},
      {"Back", {8, false}},
      {"Left", {vk::Left, false}},
      {"Right", {vk::Right, false}},
      {"Enter", {vk::Return, false}},
      {"Escape", {vk::Escape, false}},
      {"held-Enter", {vk::Return, true}},
      {"held-Escape", {vk::Escape, true}}};
  for (const testing_support::Row& row : testing_support::ReadTable("edit_field.txt")) {
    SCOPED_TRACE(row.where);
    Window* edit = CreateEditField(window, u"Zebedee", Rect{30, 140, 210, 162}, 1310);
    SetFocus(edit);
    SelectAllText(edit);
    SetEditLimit(edit, 10);
    BindEditKeys(edit, kOk, kCancel);
    headless::Pump();
    seen.clear();
    for (std::size_t i = 0; i + 2 < row.size(); ++i) {
      const std::string& step = row[i];
      if (const auto key = keys.find(step); key != keys.end()) {
        key->second.second ? headless::KeyDownRepeated(key->second.first)
                           : headless::Key(key->second.first);
      }
      if (step.rfind("type:", 0) == 0) headless::TypeText(Unescape(step.substr(5)));
      if (step.rfind("tap:", 0) == 0) headless::Tap(std::stoi(step.substr(4)), 150);
    }
    headless::Pump();
    std::string commands;
    for (const Seen& s : seen) {
      if (s.message == msg::Command) commands += CommandId(s.wParam) == kOk ? "O" : "C";
    }
    EXPECT_EQ(commands, Unescape(row[row.size() - 2]));
    const std::u16string text = TextOf(edit, 16);
    EXPECT_EQ(Utf16ToUtf8(text), Unescape(row[row.size() - 1]));
    // A short buffer takes the front of the text, never half a pair.
    for (std::size_t size = 1; size <= text.size(); ++size) {
      const std::u16string front = TextOf(edit, size);
      EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(front)), front) << size;
      EXPECT_EQ(text.compare(0, front.size(), front), 0) << size;
      EXPECT_GE(front.size() + 2, size) << size;
    }
    DestroyWindow(edit);
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(TextOf(edit, 16), u"") << "a destroyed field reads as empty";
  }
}

}  // namespace
