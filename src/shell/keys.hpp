#pragma once

namespace platform {
class Window;
}

// The direction pad and its buttons: the arrows, Enter (action) and Escape.
namespace shell {

// The question Escape asks on the main menu.
inline constexpr char16_t MenuExitQuestion[] = u"Do you want to exit the game?";

// A key went down (keyUp false) or up. repeat marks the key-down messages a
// held key sends after the first; the arrows may repeat, Enter and Escape act
// once per press. Only acts while the player's "Use PDAs Joystick" setting is on.
void OnKey(platform::Window* window, unsigned virtualKey, bool keyUp, bool repeat);

// Nothing to forget: the keys keep no state from one message to the next.
}  // namespace shell
