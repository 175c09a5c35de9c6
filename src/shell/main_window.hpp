#pragma once

#include <cstdint>

#include "platform/window/messages.hpp"

namespace platform {
class Window;
}

// The main window's procedure: input to the handlers, the timer to the game
// tick, paints to the painter of the current screen, and the pause rule.
namespace shell {

platform::LResult MainWndProc(platform::Window* window, unsigned message, platform::WParam wParam,
                              platform::LParam lParam);

// Paints the current screen, re-deriving the display class from the screen size first.
void PaintDispatch(platform::Window* window);

// 1 after the window lost the focus, until it is put back to full screen.
extern std::uint8_t WindowInactive;

void ResetMainWindow();

}  // namespace shell
