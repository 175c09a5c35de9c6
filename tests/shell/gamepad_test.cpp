#include <gtest/gtest.h>

#include <vector>

#include "engine/game_state.hpp"
#include "platform/window/gamepad.hpp"
#include "platform/window/message_box.hpp"
#include "popup/popup.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/main_menu.hpp"
#include "shell_fixture.hpp"
#include "sound/sound_effects.hpp"

// A game controller plays as the keys do: walked through a whole visit, on
// the headless clock, with the controller's own ways of holding a direction.
namespace {

using namespace shell_test;
using platform::PadButton;
namespace headless = platform::headless;

class GamepadTest : public ShellTest {
 protected:
  static void Press(PadButton button) {
    headless::PadButton(button, true);
    headless::Advance(50);
    headless::PadButton(button, false);
    headless::Advance(50);
  }
  static void Stick(int x, int y) {
    headless::PadStick(x, y);
    headless::Advance(10);
  }
  static std::int32_t Cursor() { return render::CursorPos; }
  static inline std::vector<int> sounds;
};

TEST_F(GamepadTest, TheMenuAGameAndItsQuestionArePlayedWithAController) {
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  headless::Advance(500);
  // Down the menu to EASY: the first press shows the marker on the settings.
  Press(PadButton::South);
  EXPECT_EQ(Cursor(), 1);
  Press(PadButton::Down);
  Stick(0, 30000);  // the stick walks on as the d-pad does
  Stick(0, 0);
  EXPECT_EQ(Cursor(), 3);
  Press(PadButton::South);
  ASSERT_NE(popup::PopupKind, popup::kind::None) << "the help comes first";
  Press(PadButton::South);
  ASSERT_EQ(popup::PopupKind, popup::kind::None);
  ASSERT_EQ(render::ScreenState, render::screen::Game);
  EXPECT_EQ(records::GameStatus.Mode, engine::mode::Easy);
  headless::Advance(1000);

  // A held arrow moves once, then again after a pause and at a pace.
  Press(PadButton::Right);
  EXPECT_EQ(Cursor(), 15);
  headless::PadButton(PadButton::Right, true);
  headless::Advance(platform::PadRepeatDelayMs - 10);
  EXPECT_EQ(Cursor(), 16);
  headless::Advance(10 + 2 * platform::PadRepeatEveryMs);
  EXPECT_EQ(Cursor(), 17) << "a held right walks on to the edge";
  headless::PadButton(PadButton::Right, false);
  // The stick: nothing inside the dead zone; past it, the axis pushed furthest;
  // it holds until well back in the middle.
  Stick(-12000, 15000);
  EXPECT_EQ(Cursor(), 17);
  Stick(-12000, 20000);
  EXPECT_EQ(Cursor(), 23);
  Stick(-3000, 12000);
  Stick(0, 20000);
  EXPECT_EQ(Cursor(), 23) << "a stick held down is one press";
  Stick(0, 0);
  Stick(-20000, 0);
  Stick(0, 0);
  EXPECT_EQ(Cursor(), 22);

  // South paints the ball under the cursor (one of another colour, resting).
  auto& kept = records::GameStatus;
  kept.BallColour[22] = kept.BallColour[28] = kept.PaintColour % 5 + 1;
  sound::SetEventObserver([](int event) { sounds.push_back(event); });
  Press(PadButton::South);
  sound::SetEventObserver(nullptr);
  EXPECT_EQ(sounds, std::vector<int>{sound::effect::PaintSplash});

  // Start does nothing in a game; east asks to leave, and south answers Yes.
  Press(PadButton::Start);
  EXPECT_TRUE(platform::TakeShownMessageBoxes().empty());
  headless::SetModalWaitHandler([] {
    headless::PadButton(PadButton::South, true);
    headless::PadButton(PadButton::South, false);
  });
  Press(PadButton::East);
  EXPECT_EQ(platform::TakeShownMessageBoxes().size(), 1u);
  EXPECT_TRUE(headless::QuitPosted());
}

// Start leaves from the menu, as Escape does; with "Use PDAs Joystick" off the
// controller moves nothing, as the keys do not; a controller unplugged with an
// arrow held lets it go.
TEST_F(GamepadTest, StartAsksToLeaveTheMenuTheSettingHoldsAndUnpluggingLetsGo) {
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  headless::Advance(500);
  records::GameStatus.UseJoystick = 0;
  const std::int32_t before = Cursor();
  Press(PadButton::South);
  EXPECT_EQ(Cursor(), before);
  records::GameStatus.UseJoystick = 1;
  Press(PadButton::South);
  headless::PadButton(PadButton::Down, true);
  headless::Advance(10);
  headless::PadUnplugged();
  headless::Advance(2000);
  EXPECT_EQ(Cursor(), 2) << "the unplugged arrow went on repeating";
  headless::SetModalWaitHandler([] {
    headless::PadButton(PadButton::East, true);
    headless::PadButton(PadButton::East, false);
  });
  Press(PadButton::Start);
  const auto shown = platform::TakeShownMessageBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].answer, platform::IdNo);
  EXPECT_FALSE(headless::QuitPosted());
}

}  // namespace
