#pragma once

#include "platform/backend.hpp"

namespace platform {

struct DesktopOptions {
  ScreenConfig screen;
  int zoom = 0;  // 0: the largest integer zoom that fits the desktop
  bool fullscreen = false;
};

// Starts the SDL back end: video, the real window, audio. False when SDL could
// not start (the reason is on standard error).
bool StartDesktop(const DesktopOptions& options);
void StopDesktop();

}  // namespace platform
