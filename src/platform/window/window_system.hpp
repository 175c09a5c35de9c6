#pragma once

#include <string_view>

#include "platform/drawing/device_context.hpp"
#include "platform/window/messages.hpp"

namespace platform {

class Window;
using WindowProc = LResult (*)(Window* window, unsigned message, WParam wParam, LParam lParam);

// The main window covers the whole emulated device screen. There is one.
// Null when the desktop could not show it.
Window* CreateMainWindow(std::u16string_view title, WindowProc proc);
Window* MainWindow();
// Destroys a window and its controls: each receives Destroy, then its surface
// and timers are freed. The pointer stays safe to pass on: it reads as gone.
void DestroyWindow(Window* window);
LResult DefWindowProc(Window* window, unsigned message, WParam wParam, LParam lParam);

// The window's rectangle in device pixels of the emulated screen.
Rect WindowRect(const Window* window);

// Invalidation only schedules a paint; it never clips the drawing of the paint.
// A null rectangle invalidates the whole window.
void InvalidateRect(Window* window, const Rect* rect);
// The window's own persistent surface, with a fresh context. BeginPaint
// validates the window; EndPaint marks the screen for presenting.
DeviceContext BeginPaint(Window* window);
void EndPaint(Window* window);
// Paints the window now if part of it is invalid, as the next paint would.
void UpdateWindow(Window* window);
// A context on the surface outside a paint (drawing shows at the next present).
DeviceContext GetDC(Window* window);

// Window timers. A period below 10 ms runs at 10 ms; a late timer fires once.
void SetTimer(Window* window, unsigned id, unsigned periodMs);
void KillTimer(Window* window, unsigned id);

void PostMessage(Window* window, unsigned message, WParam wParam, LParam lParam);
LResult SendMessage(Window* window, unsigned message, WParam wParam, LParam lParam);
void PostQuitMessage(int exitCode);

// Whether the desktop's window has the focus (another application may have it).
bool DesktopHasFocus();

// Moves the focus, delivering KillFocus to the old and SetFocus to the new window.
void SetFocus(Window* window);
Window* GetFocus();

// Runs until the quit message; returns its exit code.
int RunMessageLoop();

}  // namespace platform
