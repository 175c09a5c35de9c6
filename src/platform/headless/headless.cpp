#include "platform/headless/headless.hpp"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/drawing/text_drawing.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform::headless {

namespace {

// A loop that dispatches this many messages without the clock moving is stuck:
// a window that invalidates itself from its own paint, say.
constexpr int kMostBusyRounds = 1000000;

std::vector<std::string> faults;
ModalWaitHandler modalWaitHandler = nullptr;

void Fault(std::string what) {
  std::fprintf(stderr, "headless: %s\n", what.c_str());
  faults.push_back(std::move(what));
}

// The back ends differ only here, in how they wait: this one moves its clock to
// the deadline, within the span a test gave to Advance.
class HeadlessBackend final : public Backend {
 public:
  std::uint32_t Now() override { return now; }

  void WaitForInput(std::uint32_t timeoutMs) override {
    if (timeoutMs == 0) {
      // The loop is busy and only looking for input.
      if (++busyPolls >= kMostBusyRounds / kRoundsBetweenPolls) {
        busyPolls = 0;
        Fault("the message loop never went idle: a window keeps asking for work");
        PostQuitMessage(-1);
      }
      return;
    }
    busyPolls = 0;
    if (!advancing) {
      // The program's own loop runs on the virtual clock, as fast as it can.
      if (timeoutMs != kForever) {
        now += timeoutMs;
      } else if (ModalDepth() > 0) {
        BoxWaits();
      } else {
        Fault("the program waits for input that will never come");
        PostQuitMessage(-1);
      }
      return;
    }
    const std::uint32_t left = target - now;
    if (timeoutMs <= left) {
      now += timeoutMs;
      return;
    }
    now = target;
    if (ModalDepth() > 0) {
      BoxWaits();
    } else {
      reached = true;
    }
  }

  // Every frame is checked: the window system composes only over what changed.
  void Present(const Bitmap& screen, const FrameChanges& changes) override {
    ++presents;
    if (!FrameIsRight(shown, screen, changes)) Fault("a frame shows other than its windows");
    shown = screen;
  }
  std::uint32_t RefreshInterval() override { return 16; }
  void Sleep(std::uint32_t ms) override { now += ms; }

  // A modal box waits for an answer and the time given is used up: a test that
  // expects a box answers it in advance, or looks at it from its wait handler.
  void BoxWaits() {
    if (modalWaitHandler) {
      modalWaitHandler();
      return;
    }
    Fault("a message box waits for an answer that no test gave");
    // Escape is the way out a player could always take; the program goes on.
    QueueKey(msg::KeyDown, vk::Escape);
    QueueKey(msg::KeyUp, vk::Escape);
  }

  std::uint32_t now = 0;
  std::uint32_t target = 0;
  bool advancing = false;
  bool reached = false;
  int busyPolls = 0;
  int presents = 0;
  Bitmap shown;
};

HeadlessBackend* backend = nullptr;

}  // namespace

void Start(const ScreenConfig& screen, std::uint32_t clockStart) {
  Stop();
  faults.clear();
  backend = new HeadlessBackend();
  backend->now = clockStart;
  InstallBackend(backend, screen);
}

void Stop() {
  ResetWindowSystem();
  modalWaitHandler = nullptr;
  if (backend) {
    InstallBackend(nullptr, ScreenConfig{});
    delete backend;
    backend = nullptr;
  }
}

std::uint32_t Now() {
  return backend ? backend->now : 0;
}

void SetClock(std::uint32_t now) {
  if (backend) backend->now = now;
}

void Pump() {
  Advance(0);
}

void Advance(std::uint32_t ms) {
  if (!backend) return;
  HeadlessBackend& b = *backend;
  const std::uint32_t outerTarget = b.target;
  const bool outerAdvancing = b.advancing;
  b.target = b.now + std::min(ms, kLongestWait);
  b.advancing = true;
  b.reached = false;
  RunLoopUntil(b.reached);
  // A quit ends the loop early; the time still passes.
  b.now = b.target;
  b.target = outerTarget;
  b.advancing = outerAdvancing;
  b.reached = false;
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
void KeyDownRepeated(unsigned virtualKey) {
  QueueKey(msg::KeyDown, virtualKey, true);
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
void PadButton(platform::PadButton button, bool down) {
  PadButtonChanged(button, down);
}
void PadStick(int x, int y) {
  PadStickMoved(x, y);
}
void PadUnplugged() {
  PadsUnplugged();
}
void FocusLost() {
  DesktopFocusChanged(false);
}
void FocusGained() {
  DesktopFocusChanged(true);
}
void ChangeScreenSize(int width, int height) {
  ScreenResized(width, height);
}

Bitmap Screen() {
  Bitmap screen;
  ComposeScreen(screen);
  return screen;
}

Bitmap Shown() {
  return backend ? backend->shown : Bitmap{};
}

int PresentCount() {
  return backend ? backend->presents : 0;
}
std::vector<std::string> TakeFaults() {
  std::vector<std::string> taken;
  taken.swap(faults);
  return taken;
}

void SetModalWaitHandler(ModalWaitHandler handler) {
  modalWaitHandler = handler;
}

bool QuitPosted() {
  return QuitRequested();
}
int QuitCode() {
  return QuitExitCode();
}

}  // namespace platform::headless
