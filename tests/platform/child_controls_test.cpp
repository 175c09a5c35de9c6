#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "platform/child_controls.hpp"
#include "platform/headless.hpp"
#include "platform/software_drawing.hpp"
#include "platform/window.hpp"
#include "platform/window_system_internal.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace platform;

constexpr int kOk = 58632;
constexpr int kCancel = 58633;
constexpr unsigned kBackspace = 8;
constexpr unsigned kEnd = 35;
constexpr unsigned kHome = 36;
constexpr unsigned kDelete = 46;

std::vector<int> commands;
std::vector<LParam> senders;
Window* destroyOnCommand = nullptr;

LResult ParentProc(Window* window, unsigned message, WParam wParam, LParam lParam) {
  if (message == msg::Command) {
    commands.push_back(CommandId(wParam));
    senders.push_back(lParam);
    DestroyWindow(destroyOnCommand);
  } else if (message == msg::Paint) {
    DeviceContext dc = BeginPaint(window);
    FillRect(dc, Rect{0, 0, 240, 320}, Rgb(0, 0, 0));
    EndPaint(window);
  }
  return 0;
}

std::u16string TextOf(Window* control, std::size_t size = 16) {
  std::vector<char16_t> buffer(size, u'#');
  const std::size_t n = GetWindowText(control, buffer.data(), size);
  EXPECT_EQ(buffer[n], 0);
  return std::u16string(buffer.data(), n);
}

class ChildControlsTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    commands.clear();
    senders.clear();
    destroyOnCommand = nullptr;
    testing_support::StartScreen(240, 320);
    parent = CreateMainWindow(u"Fandriass II", &ParentProc);
    ok = CreatePushButton(parent, u"OK", Rect{30, 172, 110, 194}, kOk);
    edit = CreateEditField(parent, u"Zebedee", Rect{30, 140, 210, 162}, 1310);
    SetFocus(edit);
    SelectAllText(edit);
    SetEditLimit(edit, 10);
    BindEditKeys(edit, kOk, kCancel);
    headless::Pump();
  }
  Window* parent = nullptr;
  Window* ok = nullptr;
  Window* edit = nullptr;
};

TEST_F(ChildControlsTest, ButtonTapSendsItsIdAndASlideOffDoesNot) {
  headless::Tap(50, 180);
  EXPECT_TRUE(commands.empty()) << "delivered from the queue, not at once";
  headless::Pump();
  EXPECT_EQ(commands, std::vector<int>{kOk});
  EXPECT_EQ(senders, std::vector<LParam>{reinterpret_cast<LParam>(ok)});

  headless::StylusDown(50, 180);
  headless::StylusMove(150, 250);
  headless::StylusUp(150, 250);
  headless::Tap(20, 180);  // beside the button: the parent's
  headless::Pump();
  EXPECT_EQ(commands.size(), 1u);

  // The parent may destroy the button from the command itself.
  destroyOnCommand = ok;
  headless::Tap(50, 180);
  headless::Pump();
  EXPECT_EQ(commands.size(), 2u);
  EXPECT_EQ(std::count(TopLevelWindows().begin(), TopLevelWindows().end(), ok), 0);
}

TEST_F(ChildControlsTest, TypingReplacesTheSelectionAndStopsAtTheLimit) {
  EXPECT_EQ(TextOf(edit), u"Zebedee");
  headless::TypeText("Alexandra the Great");
  headless::Pump();
  EXPECT_EQ(TextOf(edit), u"Alexandra ");
  EXPECT_EQ(TextOf(edit, 5), u"Alex");

  // Control characters are dropped; a pair that does not fit is not split.
  SelectAllText(edit);
  headless::TypeText(
      "a\tb\x01\x7f"
      "cdefghi\xF0\x9F\x98\x80");
  headless::Pump();
  EXPECT_EQ(TextOf(edit), u"abcdefghi");
  headless::Key(kBackspace);
  headless::TypeText("\xF0\x9F\x98\x80");
  headless::Pump();
  EXPECT_EQ(TextOf(edit), u"abcdefgh\xD83D\xDE00");
  EXPECT_EQ(TextOf(edit, 10), u"abcdefgh") << "a short buffer never gets half a pair";
  headless::Key(kBackspace);
  headless::Pump();
  EXPECT_EQ(TextOf(edit), u"abcdefgh");
}

TEST_F(ChildControlsTest, EditingKeys) {
  SetWindowText(edit, u"abcdef");
  for (unsigned key : {kHome, unsigned{vk::Right}, unsigned{vk::Right}, kDelete})
    headless::Key(key);
  headless::Pump();
  EXPECT_EQ(TextOf(edit), u"abdef");
  for (unsigned key : {kEnd, kBackspace, unsigned{vk::Left}, unsigned{vk::Left}})
    headless::Key(key);
  headless::TypeText("X");
  headless::Pump();
  EXPECT_EQ(TextOf(edit), u"abXde");
  // A tap places the caret at the nearest character boundary.
  headless::Tap(205, 150);
  headless::TypeText("!");
  headless::Tap(31, 150);
  headless::TypeText("<");
  headless::Pump();
  EXPECT_EQ(TextOf(edit), u"<abXde!");
}

TEST_F(ChildControlsTest, EnterAndEscapeAreTheBoundButtonsAndFocusReturnsToTheParent) {
  // A key held down since before the field came answers nothing.
  headless::KeyDownRepeated(vk::Return);
  headless::KeyDownRepeated(vk::Escape);
  headless::Pump();
  EXPECT_TRUE(commands.empty());
  headless::Key(vk::Return);
  headless::Key(vk::Escape);
  headless::Pump();
  EXPECT_EQ(commands, (std::vector<int>{kOk, kCancel}));

  // Drawn over the parent's own black paint: a white field with a black border.
  InvalidateRect(parent, nullptr);
  headless::Pump();
  const Bitmap screen = headless::Screen();
  EXPECT_EQ(screen.Pixel(30, 140), Rgb(0, 0, 0));
  EXPECT_EQ(screen.Pixel(205, 150), Rgb(255, 255, 255));
  EXPECT_EQ(screen.Pixel(29, 150), Rgb(0, 0, 0));

  DestroyWindow(edit);
  EXPECT_EQ(GetFocus(), parent);
  EXPECT_EQ(TextOf(edit), u"") << "a destroyed field reads as empty";
}

}  // namespace
