// The browser back end: the emulated screen in the page's canvas, the page's
// pointer and keys as the stylus and the direction pad, Web Audio for the
// speaker, and the records' folder kept in the browser's database.
#include <emscripten.h>

#include <algorithm>
#include <cstring>
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

bool CarryToDatabase() {
  if (!storageMounted) return false;
  return (pageEnding ? fandriass_page_store_now() : fandriass_page_sync()) != 0;
}

// The C library compares byte by byte; a frame is compared two pixels at a time.
bool SameRow(const Colour* a, const Colour* b, int width) {
  int x = 0;
  for (; x + 2 <= width; x += 2) {
    std::uint64_t left = 0;
    std::uint64_t right = 0;
    std::memcpy(&left, a + x, sizeof left);
    std::memcpy(&right, b + x, sizeof right);
    if (left != right) return false;
  }
  return x == width || a[x] == b[x];
}

class BrowserBackend final : public Backend {
 public:
  std::uint32_t Now() override {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
  }

  // A page cannot block: the wait hands the page its turn and comes back when
  // input arrives or the time is up.
  void WaitForInput(std::uint32_t timeoutMs) override {
    if (TakeEvents() || timeoutMs == 0 || pageEnding) return;
    const int ms = timeoutMs == kForever ? -1 : static_cast<int>(std::min(timeoutMs, kLongestWait));
    fandriass_page_wait(ms);
    TakeEvents();
  }

  // Only what changed goes to the canvas: a band of rows at a time, each as
  // narrow as its changed columns. Copying the canvas's pixels is most of
  // what a frame costs the page.
  void Present(const Bitmap& screen) override {
    const int width = screen.Width();
    const int height = screen.Height();
    const std::size_t count = screen.Pixels().size();
    const bool resized = width != shownWidth_ || height != shownHeight_;
    if (resized) {
      last_.assign(count, 0);
      shown_.assign(count, 0);
      shownWidth_ = width;
      shownHeight_ = height;
    }
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
      const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
      const Colour* row = screen.Row(y);
      Colour* was = last_.data() + at;
      if (!resized && SameRow(row, was, width)) {
        if (right > left && ++gap > kJoinedGap) send();
        continue;
      }
      int first = 0;
      int end = width;
      if (!resized) {
        while (row[first] == was[first]) ++first;
        while (row[end - 1] == was[end - 1]) --end;
      }
      std::memcpy(was + first, row + first, static_cast<std::size_t>(end - first) * sizeof(Colour));
      // The canvas takes red, green, blue and an opaque alpha, byte by byte.
      for (int x = first; x < end; ++x)
        shown_[at + static_cast<std::size_t>(x)] = row[x] | 0xFF000000u;
      if (right <= left) top = y;
      left = std::min(left, first);
      right = std::max(right, end);
      bottom = y + 1;
      gap = 0;
    }
    send();
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
        MarkScreenChanged();
        break;
      default:
        break;
    }
  }

  std::vector<Colour> last_;  // the screen as last shown
  std::vector<std::uint32_t> shown_;
  int shownWidth_ = 0;
  int shownHeight_ = 0;
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

// Tabs cannot find one another: each plays, and the last to save keeps its records.
bool ClaimSingleInstance() {
  return true;
}

void ReleaseSingleInstance() {}

}  // namespace platform
