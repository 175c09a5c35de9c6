#include "platform/window/gamepad.hpp"

#include <cstdlib>

#include "platform/backend/backend.hpp"
#include "platform/window/messages.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

// Arrows in the order of PadButton's Up..Right.
constexpr unsigned ArrowKeys[] = {vk::Up, vk::Down, vk::Left, vk::Right};
constexpr int NoArrow = -1;

struct PadState {
  bool dpad[4] = {};        // d-pad arrows held
  int stick = NoArrow;      // the arrow the stick holds
  bool down[4] = {};        // arrow keys the game was told are down
  bool buttons[3] = {};     // South, East, Start
  int repeating = NoArrow;  // the arrow last pressed, while held
  std::uint32_t repeatDue = 0;
};
PadState pad;

std::uint32_t Now() {
  Backend* backend = ActiveBackend();
  return backend ? backend->Now() : 0;
}

unsigned ButtonKey(int button) {
  constexpr unsigned Keys[] = {vk::Return, vk::Escape, vk::PadStart};
  return Keys[button];
}

// The game hears an arrow go down when the first of the d-pad and the stick
// holds it, and up when neither does; the arrow pressed last is the one that repeats.
void Settle(int pressed) {
  for (int arrow = 0; arrow < 4; ++arrow) {
    const bool held = pad.dpad[arrow] || pad.stick == arrow;
    if (held == pad.down[arrow]) continue;
    pad.down[arrow] = held;
    QueueKey(held ? msg::KeyDown : msg::KeyUp, ArrowKeys[arrow]);
    if (!held && pad.repeating == arrow) pad.repeating = NoArrow;
  }
  if (pressed != NoArrow && pad.down[pressed]) {
    pad.repeating = pressed;
    pad.repeatDue = Now() + PadRepeatDelayMs;
  }
}

int StickArrow(int x, int y) {
  const int ax = std::abs(x);
  const int ay = std::abs(y);
  // Held while the axis it came from stays out of the middle.
  if (pad.stick != NoArrow) {
    const bool across = pad.stick >= 2;
    const int stillOut = across ? ax : ay;
    const int other = across ? ay : ax;
    if (stillOut >= StickReleased && stillOut >= other) {
      const int sign = across ? x : y;
      return across ? (sign < 0 ? 2 : 3) : (sign < 0 ? 0 : 1);
    }
  }
  if (ax <= StickPushed && ay <= StickPushed) return NoArrow;
  if (ax > ay) return x < 0 ? 2 : 3;
  return y < 0 ? 0 : 1;
}

}  // namespace

void PadButtonChanged(PadButton button, bool down) {
  const int index = static_cast<int>(button);
  if (button >= PadButton::Up) {
    const int arrow = index - static_cast<int>(PadButton::Up);
    if (pad.dpad[arrow] == down) return;
    pad.dpad[arrow] = down;
    Settle(down ? arrow : NoArrow);
    return;
  }
  if (pad.buttons[index] == down) return;
  pad.buttons[index] = down;
  QueueKey(down ? msg::KeyDown : msg::KeyUp, ButtonKey(index));
}

void PadStickMoved(int x, int y) {
  const int arrow = StickArrow(x, y);
  if (arrow == pad.stick) return;
  pad.stick = arrow;
  Settle(arrow);
}

void PadsUnplugged() {
  for (int button = 0; button < 3; ++button) {
    if (pad.buttons[button]) PadButtonChanged(static_cast<PadButton>(button), false);
  }
  for (bool& held : pad.dpad) held = false;
  pad.stick = NoArrow;
  Settle(NoArrow);
}

std::uint32_t TimeUntilPadRepeat(std::uint32_t now) {
  if (pad.repeating == NoArrow) return kForever;
  const auto ahead = static_cast<std::int32_t>(pad.repeatDue - now);
  return ahead > 0 ? static_cast<std::uint32_t>(ahead) : 0;
}

bool FirePadRepeat(std::uint32_t now) {
  if (TimeUntilPadRepeat(now) != 0) return false;
  pad.repeatDue = now + PadRepeatEveryMs;
  QueueKey(msg::KeyDown, ArrowKeys[pad.repeating], true);
  return true;
}

void ResetGamepad() {
  pad = PadState{};
}

}  // namespace platform
