#pragma once

// Shared by the window system's own files and the back ends; game code never
// includes this.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/window/replay_file.hpp"
#include "platform/window/window_system.hpp"

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
  bool drawnIn = false;  // since the last frame was composed
  bool visible = true;
  bool alive = true;
  std::vector<WindowTimer> timers;
  Window* parent = nullptr;  // set for a child control only
  std::uint64_t born = 0;    // the order in which windows were made
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
// repeat marks a key-down that a held key sent after its first.
void QueueKey(unsigned message, unsigned virtualKey, bool repeat = false);
void QueueChar(char16_t unit);
// While the desktop window is not focused nothing in the program can be: focus
// moves inside it are only recorded, and told when the desktop gives it back.
void DesktopFocusChanged(bool gained);
// A top-level window becomes the active one: Activate, then the focus (both
// held back while the desktop window is not focused).
void ActivateWindow(Window* window);
// Why the desktop asks the program to close; the main window's Close carries
// it as its wParam.
enum class CloseReason : WParam {
  Button = 0,        // the window's close button (or the window manager's close)
  EndRequested = 1,  // the program was told to end (terminate, interrupt, hang-up):
                     // it saves and goes without asking anything
};
// The desktop asked to close the program: open message boxes are answered with
// their last button first, then the main window is asked to close.
void DesktopCloseRequested(CloseReason reason = CloseReason::Button);
// The emulated screen took a new size (at least a pixel each way), as the
// device's did when it was turned on its side: the main window is made to
// cover it again and is told, as the device told it, that the settings changed.
void ScreenResized(int width, int height);
// Sees every input from the desktop as it is queued (a recording); null for none.
using InputObserver = void (*)(ReplayInput input, int a, int b);
void SetInputObserver(InputObserver observer);
// Messages delivered since the window system started: paints and timer ticks.
std::uint64_t PaintsDelivered();
std::uint64_t TimersDelivered();

// Services that draw over every window or take input first (message boxes,
// child controls) register hooks. A filter returns true when it consumed the input.
using InputFilter = bool (*)(unsigned message, WParam wParam, LParam lParam);
void AddInputFilter(InputFilter filter);
void RemoveInputFilter(InputFilter filter);

// Composes what the player sees: every visible top-level window's surface in
// z order.
void ComposeScreen(Bitmap& screen);
// Whether a frame given to a back end shows every window as it stands, and
// differs from the frame shown before it (`before`; none: empty) only within
// its changes. For the back ends that check what they are given.
bool FrameIsRight(const Bitmap& before, const Bitmap& frame, const FrameChanges& changes);
// Something visible changed since the last present other than by drawing in a
// window (one was shown, hidden or moved): the next frame is composed whole.
void MarkScreenChanged();
// The back end's display lost what it showed (exposed, resized, new): the next
// frame is shown whole, changed or not.
void MarkFrameLost();

// One round of the loop: delivers the most urgent pending message.
// Returns false when nothing was pending.
bool DispatchOne();
// The one message loop, for the program and for modal boxes alike: runs until
// done becomes true or the quit message arrives, waiting through the back end
// whenever nothing is pending. Returns false when it ended by quit.
bool RunLoopUntil(const bool& done);
// The loop of a modal box (counted in ModalDepth while it runs).
void RunModalLoop(const bool& done);
int ModalDepth();
// Milliseconds until the next timer or frame falls due (0 if one is due now),
// or kForever.
std::uint32_t TimeUntilNextDue();
// A busy loop asks the back end for input, with a wait of 0, after this many
// rounds without an idle moment.
constexpr int kRoundsBetweenPolls = 1000;
// Presents a frame if the screen changed and the back end is ready for one.
void PresentIfDue();
bool QuitRequested();
int QuitExitCode();
// Forgets every window, message, timer and hook (back end shut down).
void ResetWindowSystem();
// What the window system holds for its windows, live and destroyed, in bytes.
std::size_t RetainedWindowBytes();

}  // namespace platform
