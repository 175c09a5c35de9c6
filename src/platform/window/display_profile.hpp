#pragma once

#include <cstdint>

namespace platform {

// The screen sizes the game lays out for. The numbers are the classes' own:
// the export codes and the golden games name a class by its number.
enum class ScreenClass : std::uint32_t {
  None = 0,       // not measured yet, or a size without layouts
  Tall = 1,       // 240x320
  Wide = 2,       // 320x240
  TallVga = 3,    // 480x640
  WideVga = 4,    // 640x480
  Square = 5,     // 240x240
  SquareVga = 6,  // 480x480
  Large = 7,      // 320x320
  Unsupported = 8,
};

constexpr std::uint32_t ClassNumber(ScreenClass c) {
  return static_cast<std::uint32_t>(c);
}
// The seven classes the game has layouts for.
constexpr bool IsSupported(ScreenClass c) {
  return ClassNumber(c) >= 1 && ClassNumber(c) <= 7;
}
// The portrait layouts, 240x320 logical pixels.
constexpr bool IsTall(ScreenClass c) {
  return c == ScreenClass::Tall || c == ScreenClass::TallVga;
}
// The landscape layouts, 320x240 logical pixels.
constexpr bool IsWide(ScreenClass c) {
  return c == ScreenClass::Wide || c == ScreenClass::WideVga;
}
// The small square layouts, 240x240 logical pixels. The 320x320 screen has
// layouts of its own and is none of tall, wide or square.
constexpr bool IsSquare(ScreenClass c) {
  return c == ScreenClass::Square || c == ScreenClass::SquareVga;
}
// The 320x320 screen, the one class whose layouts take logical values as
// device pixels whatever the scales say; its menu bar is 35 pixels high.
constexpr bool IsLarge(ScreenClass c) {
  return c == ScreenClass::Large;
}
// The classes that show the logical layout doubled.
constexpr bool IsVga(ScreenClass c) {
  return c == ScreenClass::TallVga || c == ScreenClass::WideVga || c == ScreenClass::SquareVga;
}

// The emulated screen as every layout sees it. Measured once at start-up;
// DisplayClass is re-derived from the screen size on every paint of the main window.
struct DisplayProfile {
  std::int32_t ScreenWidth = 0;
  std::int32_t ScreenHeight = 0;
  ScreenClass DisplayClass = ScreenClass::None;
  std::int32_t MenuBarHeight = 26;
  double ScaleX = 1.0;
  double ScaleY = 1.0;
};

extern DisplayProfile Display;

// The class of a screen size, or None for a size the game does not support.
ScreenClass ClassOfSize(int width, int height);

// Every paint reads the screen size again, so a rotated screen takes its new
// layout; an unsupported size keeps the class it had.
void RederiveDisplayClass();

// Fills Display from the emulated screen. Returns 0 after showing the
// unsupported-screen warning, 1 otherwise.
int MeasureDisplay();

}  // namespace platform
