#pragma once

#include "platform/window/window_system.hpp"

// The hand-held's shell calls: its start-up call and its full-screen call, which
// hid the task bar and showed or hid the input-panel button. On the desktop the
// emulated screen always fills its window and the keyboard is always at hand, so
// they ask for nothing; they stay so that start-up and the name entry read as
// they were written. Text input follows the edit field's focus by itself.
namespace platform {

namespace full_screen {
constexpr unsigned ShowInputPanelButton = 0x4;
constexpr unsigned HideInputPanelButton = 0x8;
constexpr unsigned HideTaskBar = 0x2;
constexpr unsigned HideStartIcon = 0x20;
constexpr unsigned HideAll = HideTaskBar | HideInputPanelButton | HideStartIcon;  // 42
}  // namespace full_screen

void ShellStartUp();
void SetFullScreen(Window* window, unsigned flags);

}  // namespace platform
