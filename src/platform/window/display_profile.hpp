#pragma once

#include <cstdint>

namespace platform {

// The emulated screen as every layout sees it. Measured once at start-up;
// DisplayClass is re-derived from the screen size on every paint of the main window.
//  1 240x320, 2 320x240, 3 480x640, 4 640x480, 5 240x240, 6 480x480, 7 320x320, 8 unsupported.
struct DisplayProfile {
  std::int32_t ScreenWidth = 0;
  std::int32_t ScreenHeight = 0;
  std::uint32_t DisplayClass = 0;
  std::int32_t MenuBarHeight = 26;
  double ScaleX = 1.0;
  double ScaleY = 1.0;
};

extern DisplayProfile Display;

// The 320x320 screen, the one class whose layouts take logical values as device
// pixels whatever the scales say; its menu bar is 35 pixels high.
constexpr std::uint32_t Class320x320 = 7;

// The class of a screen size, or 0 for a size the game does not support.
std::uint32_t ClassOfSize(int width, int height);
// Classes 3, 4 and 6 show the logical layout doubled.
bool IsVgaClass(std::uint32_t displayClass);

// Every paint reads the screen size again, so a rotated screen takes its new
// layout; an unsupported size keeps the class it had.
void RederiveDisplayClass();

// Fills Display from the emulated screen. Returns 0 after showing the
// unsupported-screen warning, 1 otherwise.
int MeasureDisplay();

}  // namespace platform
