#pragma once

namespace platform {
class Window;
}

namespace shell {

// F2 turns the colour symbols on the paints on or off, on any screen of the
// main window, and remembers the choice in the desktop preferences. True when
// the key was this one (held-key repeats and releases are swallowed unused).
bool OnColourSymbolsKey(platform::Window* window, unsigned virtualKey, bool keyUp, bool repeat);

}  // namespace shell
