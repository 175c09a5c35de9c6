#pragma once

// Shared by the window system's own files and the back ends; game code never
// includes this.

#include <cstdint>
#include <vector>

#include "platform/window.hpp"

namespace platform {

struct WindowTimer {
  unsigned id = 0;
  std::uint32_t period = 10;
  std::uint32_t due = 0;
};

// Child: a control drawn over its parent; it sits just above the parent in z order.
enum class WindowKind { Main, Popup, Overlay, Child };

class Window {
 public:
  WindowKind kind = WindowKind::Main;
  WindowProc proc = nullptr;
  Rect rect;  // device pixels of the emulated screen
  Bitmap surface;
  Rect invalid;  // empty when there is nothing to paint
  bool painting = false;
  bool visible = true;
  bool alive = true;
  std::vector<WindowTimer> timers;
  Window* parent = nullptr;  // set for a child control only
  // Whatever a service (popup, message box, control host) keeps for the window.
  void* userData = nullptr;
};

// Top-level windows, bottom first: what is later in the list is drawn above.
std::vector<Window*>& TopLevelWindows();
Window* CreateWindowOfKind(WindowKind kind, const Rect& rect, WindowProc proc);
void BringToFront(Window* window);

// Delivers a message straight to a window's procedure (nothing if it is gone).
LResult Deliver(Window* window, unsigned message, WParam wParam, LParam lParam);

// Input from a back end, in device pixels of the emulated screen.
void QueueStylus(unsigned message, int x, int y);
void QueueKey(unsigned message, unsigned virtualKey);
void QueueChar(char16_t unit);
void DesktopFocusChanged(bool gained);
// The desktop asked to close the program (window close button).
void DesktopCloseRequested();

// Services that draw over every window or take input first (message boxes,
// child controls) register hooks. A filter returns true when it consumed the input.
using InputFilter = bool (*)(unsigned message, WParam wParam, LParam lParam);
using OverlayPainter = void (*)(Bitmap& screen);
void AddInputFilter(InputFilter filter);
void RemoveInputFilter(InputFilter filter);
void AddOverlayPainter(OverlayPainter painter);
void RemoveOverlayPainter(OverlayPainter painter);

// Composes what the player sees: every visible top-level window's surface in
// z order, then the overlays.
void ComposeScreen(Bitmap& screen);
// Something visible changed since the last present.
void MarkScreenChanged();

// One round of the loop: delivers the most urgent pending message.
// Returns false when nothing was pending.
bool DispatchOne();
// Runs the loop until done becomes true or the quit message arrives (a modal
// box uses this). Returns false when the loop ended by quit.
bool RunModalLoop(const bool& done);
int ModalDepth();
// The earliest time any timer falls due, or UINT32_MAX.
std::uint32_t NextTimerDue();
// Presents a frame if the screen changed and the back end is ready for one.
void PresentIfDue();
bool QuitRequested();
int QuitExitCode();
// Forgets every window, message, timer and hook (back end shut down).
void ResetWindowSystem();

}  // namespace platform
