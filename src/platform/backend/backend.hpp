#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/drawing/bitmap.hpp"
#include "platform/drawing/frame_changes.hpp"

namespace platform {

// The emulated device screen. A dpi of 0 takes the desktop rule: 192 on the
// 480- and 640-pixel sizes, 96 on the others.
struct ScreenConfig {
  int width = 480;
  int height = 640;
  int dpiX = 0;
  int dpiY = 0;
};

int DefaultDpiFor(int width, int height);

// The emulated device screen as the game measures it.
int ScreenWidth();
int ScreenHeight();
int ScreenDpiX();
int ScreenDpiY();

// Fills the next `samples` signed 16-bit samples of a sound card's buffer,
// left first when the card has two channels. Runs on the card's own thread.
using AudioFill = void (*)(void* user, std::int16_t* out, std::size_t samples);

// A sound card opened at 22050 Hz for the speaker's mix. Letting it go waits
// for a fill in progress, so nothing is read after that.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Keeps the card's thread out of the fill while the caller changes what it reads.
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
  // The card went away (unplugged, its server gone): it fills no more and is
  // best let go. Any thread may find this out first.
  virtual bool Lost() const { return false; }
};

// A message shown before any window exists, in the desktop's own box.
struct DesktopBox {
  std::string_view utf8Text;
  std::string_view utf8Caption;
  bool yesNo = false;    // Yes and No rather than OK
  bool warning = false;  // the exclamation icon
};

// Waits and timer periods stay below 2^31 ms, so times compare across the wrap.
constexpr std::uint32_t kLongestWait = 0x7FFFFFFF;
constexpr std::uint32_t kForever = 0xFFFFFFFF;
// A back end may end a timed wait up to this late; timers catch up with it.
constexpr std::uint32_t kTimerCatchUpMs = 50;

// What the window system needs from a back end.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::uint32_t Now() = 0;
  // Waits until input may have arrived or timeoutMs passed (kForever: no limit);
  // input found is handed to the window system. Never busy-waits.
  virtual void WaitForInput(std::uint32_t timeoutMs) = 0;
  // Shows a composed frame, of which only `changes` differ from the frame shown
  // before; called at most once per display refresh, and never for no change.
  virtual void Present(const Bitmap& screen, const FrameChanges& changes) = 0;
  // Milliseconds between display refreshes: frames are shown no more often.
  virtual std::uint32_t RefreshInterval() = 0;
  // Pauses the program without handling messages.
  virtual void Sleep(std::uint32_t ms) = 0;
  // The game created its main window: the desktop shows one now. False when it
  // cannot (the reason is on standard error).
  virtual bool CreateDesktopWindow(const char* /*utf8Title*/) { return true; }
  virtual void RaiseWindow() {}
  virtual bool ControlHeld() { return false; }
  virtual std::string ClipboardText() { return {}; }
  // Text typed on the desktop keyboard is wanted (an edit field has the focus).
  virtual void WantTextInput(bool /*on*/) {}
  // The sound card for the speaker, or null for the null sink, which keeps
  // tests and replays silent and deterministic.
  virtual std::unique_ptr<AudioOutput> OpenAudio(bool /*stereo*/, AudioFill /*fill*/,
                                                 void* /*user*/) {
    return nullptr;
  }
  // The chosen button's id, or 0 when the desktop has no box to show.
  virtual int ShowDesktopBox(const DesktopBox& /*box*/) { return 0; }
};

// Installs a back end for the emulated screen (the window system does not own it).
void InstallBackend(Backend* backend, const ScreenConfig& screen);
Backend* ActiveBackend();
const ScreenConfig& ActiveScreen();

}  // namespace platform
