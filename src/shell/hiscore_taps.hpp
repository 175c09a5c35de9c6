#pragma once

namespace platform {
class Window;
}

namespace shell {

// A press on the hi-score table, in logical pixels: a tab, the export button,
// the reset button, or anywhere else back to the menu.
void HiScoreTap(platform::Window* window, int x, int y);

}  // namespace shell
