#pragma once

#include "platform/window/window_system.hpp"

namespace platform {

// A top-level window lying over the main window at a rectangle of the emulated
// screen (device pixels), with its own procedure, surface, paint and timers.
// Opening it activates it: it receives Activate and SetFocus, and the window
// that had the focus receives KillFocus. Destroying it hands the activation
// back to the window under it (Activate, then SetFocus).
Window* CreatePopupWindow(const Rect& deviceRect, WindowProc proc);

// Shows a window again: it comes to the front and, if it is not yet the active
// window, is activated as when it opened.
void ShowWindow(Window* window);

// Makes a top-level window the active one (Activate, then SetFocus). Nothing
// happens when it already is, as activating the active window sends nothing.
void SetActiveWindow(Window* window);
// The top-level window that holds the focus (a control's parent), or null.
Window* GetActiveWindow();

}  // namespace platform
