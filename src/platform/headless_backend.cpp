#include <climits>
#include <cstdio>

#include "platform/headless.hpp"
#include "platform/text_drawing.hpp"
#include "platform/window_system_internal.hpp"

namespace platform::headless {

namespace {

class HeadlessBackend final : public Backend {
 public:
  std::uint32_t Now() override { return now; }

  void WaitForInput(std::uint32_t deadline) override {
    if (ModalDepth() > 0) {
      // Nobody can answer a modal box here unless a test scripted it: take
      // the way out it would take with Escape rather than hang.
      QueueKey(msg::KeyDown, vk::Escape);
      QueueKey(msg::KeyUp, vk::Escape);
      return;
    }
    if (deadline == UINT32_MAX) {
      std::fputs("headless: the program waits for input that will never come\n", stderr);
      PostQuitMessage(-1);
      return;
    }
    if (static_cast<std::int32_t>(deadline - now) > 0) now = deadline;
  }

  void Present(const Bitmap&) override { ++presents; }
  std::uint32_t RefreshInterval() override { return 16; }
  void Sleep(std::uint32_t ms) override { now += ms; }

  std::uint32_t now = 0;
  int presents = 0;
};

HeadlessBackend* backend = nullptr;

// Delivers everything pending at the current time, presenting as a display would.
void Drain() {
  // A window that invalidates itself from its own paint would never let the
  // clock move; the bound keeps such a fault from hanging a test.
  for (int guard = 0; guard < 1000000 && !QuitRequested(); ++guard) {
    if (!DispatchOne()) break;
    PresentIfDue();
  }
  PresentIfDue();
}

}  // namespace

void Start(const ScreenConfig& screen) {
  Stop();
  backend = new HeadlessBackend();
  InstallBackend(backend, screen);
}

void Stop() {
  ResetWindowSystem();
  if (backend) {
    InstallBackend(nullptr, ScreenConfig{});
    delete backend;
    backend = nullptr;
  }
}

std::uint32_t Now() {
  return backend ? backend->now : 0;
}

void Pump() {
  if (backend) Drain();
}

void Advance(std::uint32_t ms) {
  if (!backend) return;
  const std::uint32_t target = backend->now + ms;
  for (;;) {
    Drain();
    if (QuitRequested()) break;
    std::uint32_t next = NextTimerDue();
    // A frame waiting for the next refresh is shown when its time comes.
    if (next == UINT32_MAX || static_cast<std::int32_t>(next - target) > 0) break;
    if (static_cast<std::int32_t>(next - backend->now) > 0) backend->now = next;
  }
  backend->now = target;
  Drain();
}

void StylusDown(int x, int y) {
  QueueStylus(msg::StylusDown, x, y);
}
void StylusMove(int x, int y) {
  QueueStylus(msg::StylusMove, x, y);
}
void StylusUp(int x, int y) {
  QueueStylus(msg::StylusUp, x, y);
}
void Tap(int x, int y) {
  StylusDown(x, y);
  StylusUp(x, y);
}
void KeyDown(unsigned virtualKey) {
  QueueKey(msg::KeyDown, virtualKey);
}
void KeyUp(unsigned virtualKey) {
  QueueKey(msg::KeyUp, virtualKey);
}
void Key(unsigned virtualKey) {
  KeyDown(virtualKey);
  KeyUp(virtualKey);
}
void TypeText(std::string_view utf8) {
  for (char16_t unit : Utf8ToUtf16(utf8)) QueueChar(unit);
}
void FocusLost() {
  DesktopFocusChanged(false);
}
void FocusGained() {
  DesktopFocusChanged(true);
}

Bitmap Screen() {
  Bitmap screen;
  ComposeScreen(screen);
  return screen;
}

int PresentCount() {
  return backend ? backend->presents : 0;
}
bool QuitPosted() {
  return QuitRequested();
}
int QuitCode() {
  return QuitExitCode();
}

}  // namespace platform::headless
