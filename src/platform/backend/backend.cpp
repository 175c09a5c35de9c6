#include "platform/backend/backend.hpp"

namespace platform {

namespace {
Backend* active = nullptr;
ScreenConfig screenConfig;
}  // namespace

int DefaultDpiFor(int width, int height) {
  // The layouts were drawn for 192 dpi on the VGA screens and 96 elsewhere.
  const bool vga = width == 480 || width == 640 || height == 480 || height == 640;
  return vga ? 192 : 96;
}

void InstallBackend(Backend* backend, const ScreenConfig& screen) {
  active = backend;
  screenConfig = screen;
  const int dpi = DefaultDpiFor(screen.width, screen.height);
  if (screenConfig.dpiX <= 0) screenConfig.dpiX = dpi;
  if (screenConfig.dpiY <= 0) screenConfig.dpiY = dpi;
}

Backend* ActiveBackend() {
  return active;
}
const ScreenConfig& ActiveScreen() {
  return screenConfig;
}

int ScreenWidth() {
  return screenConfig.width;
}
int ScreenHeight() {
  return screenConfig.height;
}
int ScreenDpiX() {
  return screenConfig.dpiX;
}
int ScreenDpiY() {
  return screenConfig.dpiY;
}

}  // namespace platform
