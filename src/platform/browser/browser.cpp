// The browser back end: the emulated screen in the page's canvas, the page's
// pointer and keys as the stylus and the direction pad, Web Audio for the
// speaker, and the records' folder kept in the browser's database.
#include <emscripten.h>

#include <algorithm>
#include <vector>

#include "platform/backend/program_backend.hpp"
#include "platform/backend/start_probe.hpp"
#include "platform/browser/browser_audio.hpp"
#include "platform/browser/browser_page.hpp"
#include "platform/files/file_store.hpp"
#include "platform/resources/resources.hpp"
#include "platform/system/complain.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

// The database holds the records' folder only once the browser has read it
// back; until then (or when it refused) nothing can be kept.
bool storageMounted = false;
// The page is going away: nothing may wait any more.
bool pageEnding = false;

// Timed waits end on a beat of the page's clock, since each wake of a page's
// timer costs the tab about as much as a game tick: a quick one while the
// picture moves (two ticks of the game's timer a wake), a slower one once two
// wakes in a row showed nothing new. Input ends a wait at once.
constexpr std::uint32_t kMovingBeatMs = 20;
constexpr std::uint32_t kRestingBeatMs = 40;
static_assert(kRestingBeatMs < kTimerCatchUpMs + 10, "a timer due just after a wake catches up");

bool CarryToDatabase() {
  if (!storageMounted) return false;
  return (pageEnding ? fandriass_page_store_now() : fandriass_page_sync()) != 0;
}

class BrowserBackend final : public Backend {
 public:
  std::uint32_t Now() override {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
  }

  // A page cannot block: the wait hands the page its turn and comes back when
  // input arrives or the time is up, on the beat.
  void WaitForInput(std::uint32_t timeoutMs) override {
    if (TakeEvents() || timeoutMs == 0 || pageEnding) return;
    quietWakes_ = shownSinceWait_ ? 0 : quietWakes_ + 1;
    shownSinceWait_ = false;
    int ms = -1;
    if (timeoutMs != kForever) {
      const std::uint32_t beat = quietWakes_ >= 2 ? kRestingBeatMs : kMovingBeatMs;
      const std::uint32_t wait = std::min(timeoutMs, kLongestWait - beat);
      ms = static_cast<int>(wait + (beat - (Now() + wait) % beat) % beat);
    }
    fandriass_page_wait(ms);
    TakeEvents();
  }

  // Only what changed goes to the canvas, a band of rows at a time, each as
  // narrow as its changed columns: copying the canvas's pixels is most of what
  // a frame costs the page.
  void Present(const Bitmap& screen, const FrameChanges& changes) override {
    const int width = screen.Width();
    const int height = screen.Height();
    shown_.resize(screen.Pixels().size());
    // Bands closer than this many rows go as one: a band of its own costs the
    // page about as much as copying that many rows.
    constexpr int kJoinedGap = 16;
    int left = width, top = 0, right = 0, bottom = 0, gap = 0;
    const auto send = [&] {
      if (right > left)
        fandriass_page_present(shown_.data(), width, height, left, top, right, bottom);
      left = width;
      right = 0;
    };
    for (int y = 0; y < height; ++y) {
      const FrameChanges::Span& changed = changes.Row(y);
      if (changed.left >= changed.right) {
        if (right > left && ++gap > kJoinedGap) send();
        continue;
      }
      // The canvas takes red, green, blue and an opaque alpha, byte by byte.
      const Colour* row = screen.Row(y);
      std::uint32_t* to =
          shown_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
      for (int x = changed.left; x < changed.right; ++x) to[x] = row[x] | 0xFF000000u;
      if (right <= left) top = y;
      left = std::min(left, changed.left);
      right = std::max(right, changed.right);
      bottom = y + 1;
      gap = 0;
    }
    send();
    shownSinceWait_ = true;
    NoteFramePresented();
  }

  std::uint32_t RefreshInterval() override { return 16; }

  void Sleep(std::uint32_t ms) override {
    if (pageEnding) return;
    fandriass_page_sleep(static_cast<int>(std::min(ms, kLongestWait)));
  }

  void WantTextInput(bool on) override { fandriass_page_want_text(on ? 1 : 0); }

  std::unique_ptr<AudioOutput> OpenAudio(bool stereo, AudioFill fill, void* user) override {
    return OpenPageAudio(stereo, fill, user);
  }

 private:
  bool TakeEvents() {
    bool any = false;
    int event[4] = {};
    while (fandriass_page_next_event(event)) {
      any = true;
      Handle(event[0], event[1], event[2]);
    }
    return any;
  }

  static void Handle(int kind, int a, int b) {
    switch (kind) {
      case page_event::StylusDown:
        QueueStylus(msg::StylusDown, a, b);
        break;
      case page_event::StylusMove:
        QueueStylus(msg::StylusMove, a, b);
        break;
      case page_event::StylusUp:
        QueueStylus(msg::StylusUp, a, b);
        break;
      case page_event::KeyDown:
        QueueKey(msg::KeyDown, static_cast<unsigned>(a), b != 0);
        break;
      case page_event::KeyUp:
        QueueKey(msg::KeyUp, static_cast<unsigned>(a));
        break;
      case page_event::Char:
        QueueChar(static_cast<char16_t>(a));
        break;
      case page_event::FocusLost:
        DesktopFocusChanged(false);
        break;
      case page_event::FocusGained:
        DesktopFocusChanged(true);
        MarkFrameLost();
        break;
      default:
        break;
    }
  }

  std::vector<std::uint32_t> shown_;  // the canvas's pixels
  bool shownSinceWait_ = false;
  int quietWakes_ = 0;
};

BrowserBackend* browser = nullptr;

}  // namespace

bool StartDesktop(const DesktopOptions& options) {
  if (!fandriass_page_open(options.screen.width, options.screen.height)) {
    Complain("the page has no canvas to draw the game in");
    return false;
  }
  int packSize = 0;
  const std::uint8_t* pack = fandriass_page_take_resources(&packSize);
  if (pack == nullptr) Complain("the page brought no pictures or sounds");
  UseDownloadedResources({pack, static_cast<std::size_t>(packSize)});
  const std::string folder = DefaultStoreFolder();
  storageMounted = !folder.empty() && fandriass_page_mount(folder.c_str()) != 0;
  if (!storageMounted) Complain("the browser keeps no records for this page: nothing can be saved");
  SetStoreWriteThrough(&CarryToDatabase, "this browser's storage for the page");
  browser = new BrowserBackend();
  InstallBackend(browser, options.screen);
  return true;
}

void StopDesktop() {
  ResetWindowSystem();
  InstallBackend(nullptr, ScreenConfig{});
  delete browser;
  browser = nullptr;
  SetStoreWriteThrough(nullptr);
  fandriass_page_close();
}

}  // namespace platform

// The tab is closing or reloading: the program is told to end as a desktop
// session's end tells it, and its loop runs here until it has, without waiting
// (the program's own stack stays put aside in its wait, never to come back).
extern "C" EMSCRIPTEN_KEEPALIVE void fandriass_page_end() {
  using namespace platform;
  if (!browser || pageEnding) return;
  pageEnding = true;
  DesktopCloseRequested(CloseReason::EndRequested);
  // A loop that never settles must not hold the page's last moment.
  for (int round = 0; round < 100000 && !QuitRequested(); ++round) {
    if (!DispatchOne()) break;
  }
}

namespace platform {

// One tab plays at a time: two would each keep their own records, and the last
// to save would undo what the other kept. A later tab says so and leaves.
bool ClaimSingleInstance() {
  return fandriass_page_claim() != 0;
}

void ReleaseSingleInstance() {}

}  // namespace platform
