#pragma once

namespace platform {
class Window;
}

// The direction pad and its buttons: the arrows, Enter (action) and Escape.
namespace shell {

// A key went down (keyUp false) or up. repeat marks the key-down messages a
// held key sends after the first; the arrows may repeat, Enter and Escape act
// once per press. Only acts while the player's "Use PDAs Joystick" setting is on.
void OnKey(platform::Window* window, unsigned virtualKey, bool keyUp, bool repeat);

void ResetKeys();

}  // namespace shell
