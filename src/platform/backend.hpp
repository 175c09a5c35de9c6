#pragma once

#include <cstdint>
#include <string>

#include "platform/bitmap.hpp"

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

// Waits and timer periods stay below 2^31 ms, so times compare across the wrap.
constexpr std::uint32_t kLongestWait = 0x7FFFFFFF;
constexpr std::uint32_t kForever = 0xFFFFFFFF;

// What the window system needs from a back end.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::uint32_t Now() = 0;
  // Waits until input may have arrived or timeoutMs passed (kForever: no limit);
  // input found is handed to the window system. Never busy-waits.
  virtual void WaitForInput(std::uint32_t timeoutMs) = 0;
  // Shows a composed frame; called at most once per display refresh.
  virtual void Present(const Bitmap& screen) = 0;
  // Milliseconds between display refreshes: frames are shown no more often.
  virtual std::uint32_t RefreshInterval() = 0;
  // Pauses the program without handling messages.
  virtual void Sleep(std::uint32_t ms) = 0;
  // The game created its main window: the desktop shows one now.
  virtual void CreateDesktopWindow(const char* /*utf8Title*/) {}
  virtual void RaiseWindow() {}
  virtual bool ControlHeld() { return false; }
  virtual std::string ClipboardText() { return {}; }
  virtual void SetTitle(const char* /*utf8*/) {}
  // Text typed on the desktop keyboard is wanted (an edit field has the focus).
  virtual void WantTextInput(bool /*on*/) {}
};

// Installs a back end for the emulated screen (the window system does not own it).
void InstallBackend(Backend* backend, const ScreenConfig& screen);
Backend* ActiveBackend();
const ScreenConfig& ActiveScreen();

}  // namespace platform
