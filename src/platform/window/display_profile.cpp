#include "platform/window/display_profile.hpp"

#include "platform/backend/backend.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system.hpp"

namespace platform {

DisplayProfile Display;

std::uint32_t ClassOfSize(int width, int height) {
  struct Size {
    int width, height;
    std::uint32_t displayClass;
  };
  static constexpr Size kSizes[] = {{240, 320, 1}, {320, 240, 2}, {480, 640, 3}, {640, 480, 4},
                                    {240, 240, 5}, {480, 480, 6}, {320, 320, 7}};
  for (const Size& s : kSizes) {
    if (s.width == width && s.height == height) return s.displayClass;
  }
  return 0;
}

bool IsVgaClass(std::uint32_t displayClass) {
  return displayClass == 3 || displayClass == 4 || displayClass == 6;
}

namespace {

double ScaleOfDpi(int dpi) {
  // 131 dpi screens were laid out for unscaled drawing, like 96.
  if (dpi == 96 || dpi == 131) return 1.0;
  return dpi * (1.0 / 96.0);
}

}  // namespace

int MeasureDisplay() {
  Display.MenuBarHeight = 26;
  Display.ScaleX = ScaleOfDpi(ScreenDpiX());
  Display.ScaleY = ScaleOfDpi(ScreenDpiY());
  Display.ScreenWidth = ScreenWidth();
  Display.ScreenHeight = ScreenHeight();
  Display.DisplayClass = ClassOfSize(Display.ScreenWidth, Display.ScreenHeight);
  if (Display.DisplayClass == Class320x320) {
    Display.MenuBarHeight = 35;
  } else if (IsVgaClass(Display.DisplayClass)) {
    Display.MenuBarHeight = 52;
  }
  if (Display.DisplayClass == 0) {
    Display.DisplayClass = 8;
    MessageBox(nullptr,
               u"This screen is not supported.\n240x320, 320x240, 240x240, 320x320, 640x480, "
               u"480x640, 480x480 screens are supported!",
               u"Warning!", message_box::Ok | message_box::IconExclamation);
    return 0;
  }
  return 1;
}

void RederiveDisplayClass() {
  const int width = ScreenWidth();
  const int height = ScreenHeight();
  if (const std::uint32_t displayClass = ClassOfSize(width, height)) {
    Display.ScreenWidth = width;
    Display.ScreenHeight = height;
    Display.DisplayClass = displayClass;
  }
}

}  // namespace platform
