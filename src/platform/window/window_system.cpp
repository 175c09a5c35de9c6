#include "platform/window/window_system.hpp"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>

#include "platform/backend/backend.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/window/gamepad.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

struct QueuedMessage {
  Window* window;  // null for input, which is routed when it is taken from the queue
  unsigned message;
  WParam wParam;
  LParam lParam;
};

struct WindowSystem {
  std::vector<Window*> topLevel;
  // The live windows' records. A destroyed one moves to `dead`, where a
  // pointer still on the stack of the procedure that destroyed it reads it as
  // dead; they are freed between two messages of the outermost loop, when no
  // procedure is running.
  std::vector<std::unique_ptr<Window>> owned;
  std::vector<std::unique_ptr<Window>> dead;
  Window* main = nullptr;
  Window* focus = nullptr;
  Window* capture = nullptr;
  bool stylusHeld = false;
  // The press that may open a double-click: where and when it came, and how
  // many windows had been made by then.
  bool pressOpen = false;
  std::uint64_t madeBeforePress = 0;
  std::uint32_t pressTime = 0;
  int pressX = 0;
  int pressY = 0;
  std::deque<QueuedMessage> queue;
  std::vector<InputFilter> filters;
  bool quit = false;
  int exitCode = 0;
  int modalDepth = 0;
  bool desktopFocused = true;
  int roundsSincePoll = 0;
  // Something may look different: a frame is composed at the next refresh.
  bool screenChanged = true;
  // Windows came, went or moved: every window is composed again, not only
  // those drawn in and the ones above them.
  bool restacked = true;
  // The back end shows the whole next frame, changed or not.
  bool wholeFrame = true;
  std::uint32_t lastPresent = 0;
  bool presentedOnce = false;
  Bitmap composed;  // the frame last shown
  FrameChanges changes;
  InputObserver observer = nullptr;
  std::uint64_t paints = 0;
  std::uint64_t timers = 0;
  std::uint64_t windowsMade = 0;
};

WindowSystem& System() {
  static WindowSystem system;
  return system;
}

bool IsInput(unsigned message) {
  return (message >= msg::KeyDown && message <= msg::Char) ||
         (message >= msg::StylusMove && message <= msg::StylusUp);
}

Window* WindowAt(int x, int y) {
  auto& windows = System().topLevel;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    Window* w = *it;
    if (w->alive && w->visible && w->rect.Contains(x, y)) return w;
  }
  return nullptr;
}

// A press close in time and place to the one before it, on whatever window
// either landed, is the second of a double-click; a third starts afresh.
WParam DoubleClickFlag(int x, int y) {
  WindowSystem& s = System();
  const std::uint32_t now = ActiveBackend()->Now();
  const bool second = s.pressOpen && now - s.pressTime < stylus::DoubleClickMs &&
                      std::abs(x - s.pressX) <= stylus::DoubleClickSlop &&
                      std::abs(y - s.pressY) <= stylus::DoubleClickSlop;
  s.pressOpen = !second;
  if (!second) s.madeBeforePress = s.windowsMade;
  s.pressTime = now;
  s.pressX = x;
  s.pressY = y;
  return second ? stylus::DoubleClick : 0;
}

void RouteInput(QueuedMessage m) {
  WindowSystem& s = System();
  if (m.message == msg::StylusDown) {
    m.wParam |= DoubleClickFlag(PointX(m.lParam), PointY(m.lParam));
    // The second press of a double-click never lands on a window its first
    // press brought up (a popup's OK or close box, a box's button): it goes
    // nowhere, and so do the moves and the lift that follow it.
    const Window* under = WindowAt(PointX(m.lParam), PointY(m.lParam));
    if ((m.wParam & stylus::DoubleClick) != 0 && under && under->born > s.madeBeforePress) {
      s.stylusHeld = false;
      s.capture = nullptr;
      return;
    }
  }
  for (InputFilter filter : std::vector<InputFilter>(s.filters)) {
    if (filter(m.message, m.wParam, m.lParam)) return;
  }
  if (m.message >= msg::StylusMove && m.message <= msg::StylusUp) {
    const int x = PointX(m.lParam);
    const int y = PointY(m.lParam);
    Window* target = nullptr;
    if (m.message == msg::StylusDown) {
      target = WindowAt(x, y);
      s.capture = target;
      s.stylusHeld = true;
    } else {
      // A touch screen reports movement only while the stylus touches it.
      if (!s.stylusHeld) return;
      target = s.capture;
      if (m.message == msg::StylusUp) {
        s.stylusHeld = false;
        s.capture = nullptr;
      }
    }
    if (!target || !target->alive) return;
    Deliver(target, m.message, m.wParam, PackPoint(x - target->rect.left, y - target->rect.top));
    return;
  }
  Window* target = (s.focus && s.focus->alive) ? s.focus : s.main;
  if (target) Deliver(target, m.message, m.wParam, m.lParam);
}

bool PaintOne() {
  auto& windows = System().topLevel;
  for (Window* w : std::vector<Window*>(windows)) {
    if (!w->alive || w->invalid.Empty()) continue;
    ++System().paints;
    Deliver(w, msg::Paint, 0, 0);
    // A procedure that did not paint still validates, as the default handling does.
    if (!w->painting) w->invalid = Rect{};
    w->painting = false;
    return true;
  }
  return false;
}

bool FireDueTimer() {
  const std::uint32_t now = ActiveBackend()->Now();
  Window* bestWindow = nullptr;
  WindowTimer* best = nullptr;
  for (Window* w : System().topLevel) {
    if (!w->alive) continue;
    for (WindowTimer& t : w->timers) {
      if (static_cast<std::int32_t>(now - t.due) < 0) continue;
      if (!best || static_cast<std::int32_t>(t.due - best->due) < 0) {
        best = &t;
        bestWindow = w;
      }
    }
  }
  if (!best) return false;
  // A timer a little late (a back end that wakes on a coarser beat than the
  // timer's period) keeps its cadence and catches up at once; one held up
  // longer, by a stall, fires once and starts a fresh period: no burst.
  const std::uint32_t late = now - best->due;
  best->due = late < kTimerCatchUpMs ? best->due + best->period : now + best->period;
  ++System().timers;
  Deliver(bestWindow, msg::Timer, best->id, 0);
  return true;
}

}  // namespace

std::vector<Window*>& TopLevelWindows() {
  return System().topLevel;
}

Window* CreateWindowOfKind(WindowKind kind, const Rect& rect, WindowProc proc) {
  WindowSystem& s = System();
  auto window = std::make_unique<Window>();
  window->kind = kind;
  window->proc = proc;
  window->rect = rect;
  window->surface = Bitmap(std::max(rect.Width(), 1), std::max(rect.Height(), 1));
  window->invalid = Rect{0, 0, rect.Width(), rect.Height()};
  Window* w = window.get();
  w->born = ++s.windowsMade;
  s.owned.push_back(std::move(window));
  s.topLevel.push_back(w);
  MarkScreenChanged();
  Deliver(w, msg::Create, 0, 0);
  return w;
}

Window* CreateMainWindow(std::u16string_view title, WindowProc proc) {
  WindowSystem& s = System();
  const ScreenConfig& screen = ActiveScreen();
  Backend* backend = ActiveBackend();
  if (backend && !backend->CreateDesktopWindow(Utf16ToUtf8(title).c_str())) return nullptr;
  Window* w = CreateWindowOfKind(WindowKind::Main, Rect{0, 0, screen.width, screen.height}, proc);
  s.main = w;
  s.focus = w;
  if (s.desktopFocused) Deliver(w, msg::SetFocus, 0, 0);
  return w;
}

Window* MainWindow() {
  Window* w = System().main;
  return (w && w->alive) ? w : nullptr;
}

void BringToFront(Window* window) {
  auto& windows = System().topLevel;
  auto it = std::find(windows.begin(), windows.end(), window);
  if (it == windows.end()) return;
  windows.erase(it);
  windows.push_back(window);
  // Child controls travel with their parent, staying just above it.
  std::stable_partition(windows.begin(), windows.end(),
                        [window](const Window* w) { return w->parent != window; });
  MarkScreenChanged();
}

void DestroyWindow(Window* window) {
  WindowSystem& s = System();
  if (!window || !window->alive) return;
  // A window's child controls go first, as they went with their parent on the device.
  for (Window* child : std::vector<Window*>(s.topLevel)) {
    if (child->parent == window) DestroyWindow(child);
  }
  Deliver(window, msg::Destroy, 0, 0);
  window->alive = false;
  // The pixels and timers go now, the record soon; a program that opens a popup
  // or a box now and then would otherwise hold every one it ever showed.
  window->surface = Bitmap{};
  std::vector<WindowTimer>().swap(window->timers);
  const auto record = std::find_if(s.owned.begin(), s.owned.end(),
                                   [window](const auto& w) { return w.get() == window; });
  if (record != s.owned.end()) {
    s.dead.push_back(std::move(*record));
    s.owned.erase(record);
  }
  auto& windows = s.topLevel;
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
  if (s.capture == window) {
    s.capture = nullptr;
    s.stylusHeld = false;
  }
  MarkScreenChanged();
  if (window == s.main) {
    s.main = nullptr;
    if (s.focus == window) s.focus = nullptr;
  } else if (s.focus == window && window->parent) {
    // A control that had the focus hands it to its parent, which stays active.
    s.focus = nullptr;
    SetFocus(window->parent);
  } else if (s.focus == window) {
    // The window under it gets the focus back, as the device handed it back.
    s.focus = nullptr;
    Window* next = nullptr;
    for (auto it = windows.rbegin(); it != windows.rend() && !next; ++it) {
      if ((*it)->alive && (*it)->visible && (*it)->kind != WindowKind::Child) next = *it;
    }
    if (next) ActivateWindow(next);
  }
}

LResult Deliver(Window* window, unsigned message, WParam wParam, LParam lParam) {
  if (!window || !window->alive || !window->proc) return 0;
  return window->proc(window, message, wParam, lParam);
}

LResult DefWindowProc(Window* window, unsigned message, WParam, LParam) {
  if (message == msg::Close) DestroyWindow(window);
  return 0;
}

Rect WindowRect(const Window* window) {
  return window ? window->rect : Rect{};
}

void InvalidateRect(Window* window, const Rect* rect) {
  if (!window || !window->alive) return;
  const Rect whole{0, 0, window->rect.Width(), window->rect.Height()};
  const Rect r = rect ? Intersect(*rect, whole) : whole;
  window->invalid = Union(window->invalid, r);
}

DeviceContext BeginPaint(Window* window) {
  DeviceContext dc;
  if (!window || !window->alive) return dc;
  window->painting = true;
  window->drawnIn = true;
  window->invalid = Rect{};
  dc.surface = &window->surface;
  return dc;
}

void EndPaint(Window* window) {
  if (!window) return;
  System().screenChanged = true;
}

void UpdateWindow(Window* window) {
  if (!window || !window->alive || window->invalid.Empty()) return;
  ++System().paints;
  Deliver(window, msg::Paint, 0, 0);
  if (!window->painting) window->invalid = Rect{};
  window->painting = false;
}

DeviceContext GetDC(Window* window) {
  DeviceContext dc;
  if (!window || !window->alive) return dc;
  dc.surface = &window->surface;
  window->drawnIn = true;
  System().screenChanged = true;
  return dc;
}

void SetTimer(Window* window, unsigned id, unsigned periodMs) {
  if (!window || !window->alive) return;
  // Times are compared across the clock's wrap, which holds for spans below 2^31 ms.
  const std::uint32_t period = std::clamp(periodMs, 10u, kLongestWait);
  const std::uint32_t due = ActiveBackend()->Now() + period;
  for (WindowTimer& t : window->timers) {
    if (t.id == id) {
      t.period = period;
      t.due = due;
      return;
    }
  }
  window->timers.push_back(WindowTimer{id, period, due});
}

void KillTimer(Window* window, unsigned id) {
  if (!window) return;
  auto& timers = window->timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(),
                              [id](const WindowTimer& t) { return t.id == id; }),
               timers.end());
}

void PostMessage(Window* window, unsigned message, WParam wParam, LParam lParam) {
  System().queue.push_back(QueuedMessage{window, message, wParam, lParam});
}

LResult SendMessage(Window* window, unsigned message, WParam wParam, LParam lParam) {
  return Deliver(window, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  System().quit = true;
  System().exitCode = exitCode;
}

void SetFocus(Window* window) {
  WindowSystem& s = System();
  if (window == s.focus) return;
  Window* old = s.focus;
  s.focus = window;
  // The old window was told when the desktop took the focus away; the new one
  // is told when the desktop gives it back.
  if (!s.desktopFocused) return;
  if (old && old->alive) Deliver(old, msg::KillFocus, 0, 0);
  if (window) Deliver(window, msg::SetFocus, 0, 0);
}

Window* GetFocus() {
  return System().focus;
}

namespace {
void Observe(ReplayInput input, int a, int b = 0) {
  if (InputObserver observer = System().observer) observer(input, a, b);
}
}  // namespace

void SetInputObserver(InputObserver observer) {
  System().observer = observer;
}
std::uint64_t PaintsDelivered() {
  return System().paints;
}
std::uint64_t TimersDelivered() {
  return System().timers;
}

void QueueStylus(unsigned message, int x, int y) {
  Observe(message == msg::StylusDown ? ReplayInput::StylusDown
          : message == msg::StylusUp ? ReplayInput::StylusUp
                                     : ReplayInput::StylusMove,
          x, y);
  System().queue.push_back(QueuedMessage{nullptr, message, 0, PackPoint(x, y)});
}

void QueueKey(unsigned message, unsigned virtualKey, bool repeat) {
  Observe(repeat                    ? ReplayInput::KeyHeld
          : message == msg::KeyDown ? ReplayInput::KeyDown
                                    : ReplayInput::KeyUp,
          static_cast<int>(virtualKey));
  System().queue.push_back(QueuedMessage{nullptr, message, virtualKey, repeat ? KeyRepeat : 0});
}

void QueueChar(char16_t unit) {
  Observe(ReplayInput::Char, unit);
  System().queue.push_back(QueuedMessage{nullptr, msg::Char, unit, 0});
}

void ActivateWindow(Window* window) {
  if (System().desktopFocused) Deliver(window, msg::Activate, 1, 0);
  SetFocus(window);
}

bool DesktopHasFocus() {
  return System().desktopFocused;
}

void DesktopFocusChanged(bool gained) {
  WindowSystem& s = System();
  if (s.desktopFocused == gained) return;
  Observe(ReplayInput::Focus, gained ? 1 : 0);
  s.desktopFocused = gained;
  Window* w = s.focus ? s.focus : MainWindow();
  if (!w) return;
  if (gained) {
    Deliver(w, msg::Activate, 1, 0);
    Deliver(w, msg::SetFocus, 0, 0);
  } else {
    Deliver(w, msg::KillFocus, 0, 0);
  }
}

void DesktopCloseRequested(CloseReason reason) {
  // A replay plays either as the close button: its store in memory never
  // refuses a save, so both end alike.
  Observe(ReplayInput::Close, 0);
  // A box's owner waits for its answer; the close comes after it.
  AnswerOpenBoxesWithLastButton();
  if (Window* w = MainWindow()) {
    PostMessage(w, msg::Close, static_cast<WParam>(reason), 0);
  } else {
    PostQuitMessage(0);
  }
}

void ScreenResized(int width, int height) {
  ScreenConfig screen = ActiveScreen();
  screen.width = width;
  screen.height = height;
  InstallBackend(ActiveBackend(), screen);
  Window* main = MainWindow();
  if (!main) return;
  // The device gave the window the new size and told it the settings changed;
  // the game draws its whole screen again for that.
  main->rect = Rect{0, 0, width, height};
  main->surface = Bitmap(width, height);
  main->invalid = main->rect;
  Deliver(main, msg::SettingChange, 0, 0);
}

void AddInputFilter(InputFilter filter) {
  System().filters.push_back(filter);
}
void RemoveInputFilter(InputFilter filter) {
  auto& f = System().filters;
  f.erase(std::remove(f.begin(), f.end(), filter), f.end());
}
namespace {

// True when the screen had to take the emulated screen's size afresh.
bool FitScreen(Bitmap& screen) {
  const ScreenConfig& config = ActiveScreen();
  if (screen.Width() == config.width && screen.Height() == config.height) return false;
  screen = Bitmap(config.width, config.height);
  return true;
}

// Puts a window's pixels where it lies on the screen; with `changes`, only
// those that differ from what the screen held, noted there.
void ComposeWindow(const Window& w, Bitmap& screen, FrameChanges* changes) {
  const Rect dest = Intersect(w.rect, Rect{0, 0, screen.Width(), screen.Height()});
  for (int y = dest.top; y < dest.bottom; ++y) {
    const Colour* src = w.surface.Row(y - w.rect.top) + (dest.left - w.rect.left);
    Colour* to = screen.Row(y) + dest.left;
    if (!changes) {
      std::copy(src, src + dest.Width(), to);
      continue;
    }
    const FrameChanges::Span changed = CopyChangedPixels(src, to, dest.Width());
    changes->Note(y, dest.left + changed.left, dest.left + changed.right);
  }
}

// The frame to show next, over the last one: a window not drawn in since then,
// with none drawn in below it, still shows what it showed.
void ComposeChanges(WindowSystem& s) {
  const bool fresh = FitScreen(s.composed);
  s.changes.Start(s.composed.Width(), s.composed.Height(), fresh || s.wholeFrame);
  bool below = fresh || s.restacked;
  for (Window* w : s.topLevel) {
    if (!w->alive || !w->visible) continue;
    below = below || w->drawnIn;
    if (below) ComposeWindow(*w, s.composed, &s.changes);
  }
  for (Window* w : s.topLevel) w->drawnIn = false;
  s.restacked = false;
  s.wholeFrame = false;
}

}  // namespace

void ComposeScreen(Bitmap& screen) {
  FitScreen(screen);
  for (Window* w : System().topLevel) {
    if (w->alive && w->visible) ComposeWindow(*w, screen, nullptr);
  }
}

bool FrameIsRight(const Bitmap& before, const Bitmap& frame, const FrameChanges& changes) {
  Bitmap whole;
  ComposeScreen(whole);
  if (whole.Pixels() != frame.Pixels() || changes.Height() != frame.Height()) return false;
  // A display of another size shows nothing of the frame before.
  const bool resized = before.Width() != frame.Width() || before.Height() != frame.Height();
  for (int y = 0; y < frame.Height(); ++y) {
    const FrameChanges::Span& row = changes.Row(y);
    if (resized && (row.left != 0 || row.right != frame.Width())) return false;
    for (int x = 0; x < frame.Width() && !resized; ++x) {
      if ((x < row.left || x >= row.right) && frame.Pixel(x, y) != before.Pixel(x, y)) return false;
    }
  }
  return true;
}

void MarkScreenChanged() {
  System().screenChanged = System().restacked = true;
}

void MarkFrameLost() {
  WindowSystem& s = System();
  s.screenChanged = s.wholeFrame = true;
}

namespace {

// Only where no procedure can still hold a destroyed window: between two
// messages of the outermost loop. What was posted to them goes with them.
void FreeDeadWindows(WindowSystem& s) {
  if (s.dead.empty() || s.modalDepth > 0) return;
  const auto toDead = [&s](const QueuedMessage& m) {
    return std::any_of(s.dead.begin(), s.dead.end(),
                       [&m](const auto& w) { return w.get() == m.window; });
  };
  s.queue.erase(std::remove_if(s.queue.begin(), s.queue.end(), toDead), s.queue.end());
  s.dead.clear();
}

}  // namespace

bool DispatchOne() {
  WindowSystem& s = System();
  FreeDeadWindows(s);
  if (!s.queue.empty()) {
    QueuedMessage m = s.queue.front();
    s.queue.pop_front();
    if (m.window == nullptr && IsInput(m.message)) {
      RouteInput(m);
    } else {
      Deliver(m.window, m.message, m.wParam, m.lParam);
    }
    return true;
  }
  if (PaintOne()) return true;
  if (FireDueTimer()) return true;
  return FirePadRepeat(ActiveBackend()->Now());
}

std::uint32_t TimeUntilNextDue() {
  const std::uint32_t now = ActiveBackend()->Now();
  std::uint32_t wait = kForever;
  // Due times are compared by their distance from now, never as plain numbers:
  // a timer set just before the clock wraps falls due at a small number.
  const auto until = [now](std::uint32_t due) {
    const auto ahead = static_cast<std::int32_t>(due - now);
    return static_cast<std::uint32_t>(std::max(ahead, 0));
  };
  for (const Window* w : System().topLevel) {
    if (!w->alive) continue;
    for (const WindowTimer& t : w->timers) wait = std::min(wait, until(t.due));
  }
  wait = std::min(wait, TimeUntilPadRepeat(now));
  const WindowSystem& s = System();
  if (s.screenChanged) {
    wait = std::min(
        wait, s.presentedOnce ? until(s.lastPresent + ActiveBackend()->RefreshInterval()) : 0u);
  }
  return wait;
}

void PresentIfDue() {
  WindowSystem& s = System();
  Backend* backend = ActiveBackend();
  if (!backend || !s.screenChanged) return;
  // A frame shown while a paint is still pending would show a window half
  // drawn (a new box still blank): show frames only between rounds of paints.
  for (const Window* w : s.topLevel) {
    if (w->alive && w->visible && !w->invalid.Empty()) return;
  }
  const std::uint32_t now = backend->Now();
  if (s.presentedOnce && now - s.lastPresent < backend->RefreshInterval()) return;
  s.screenChanged = false;
  ComposeChanges(s);
  // A window painted over with what it showed already makes no frame.
  if (s.changes.None()) return;
  backend->Present(s.composed, s.changes);
  s.lastPresent = now;
  s.presentedOnce = true;
}

bool RunLoopUntil(const bool& done) {
  WindowSystem& s = System();
  while (!done && !s.quit) {
    if (DispatchOne()) {
      PresentIfDue();
      // A window that keeps invalidating itself never lets the loop wait; the
      // desktop is still asked for its input now and then, so the program
      // stays responsive (and the headless back end notices the spin).
      if (++s.roundsSincePoll >= kRoundsBetweenPolls) {
        s.roundsSincePoll = 0;
        ActiveBackend()->WaitForInput(0);
      }
      continue;
    }
    PresentIfDue();
    s.roundsSincePoll = 0;
    ActiveBackend()->WaitForInput(TimeUntilNextDue());
  }
  return !s.quit;
}

void RunModalLoop(const bool& done) {
  WindowSystem& s = System();
  ++s.modalDepth;
  RunLoopUntil(done);
  --s.modalDepth;
}

int ModalDepth() {
  return System().modalDepth;
}

int RunMessageLoop() {
  const bool never = false;
  RunLoopUntil(never);
  return System().exitCode;
}

bool QuitRequested() {
  return System().quit;
}
int QuitExitCode() {
  return System().exitCode;
}

std::size_t RetainedWindowBytes() {
  const WindowSystem& s = System();
  std::size_t bytes = 0;
  for (const auto* records : {&s.owned, &s.dead}) {
    for (const auto& w : *records) {
      bytes += sizeof(Window) + w->surface.Pixels().capacity() * sizeof(Colour) +
               w->timers.capacity() * sizeof(WindowTimer);
    }
    bytes += records->capacity() * sizeof(std::unique_ptr<Window>);
  }
  return bytes;
}

void ResetWindowSystem() {
  System() = WindowSystem{};
  ResetGamepad();
}

}  // namespace platform
