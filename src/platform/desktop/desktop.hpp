#pragma once

#include "platform/backend/backend.hpp"

namespace platform {

struct DesktopOptions {
  ScreenConfig screen;
  int zoom = 0;  // 0: the largest integer zoom that fits the desktop
  bool fullscreen = false;
};

// Starts SDL and installs the desktop back end. The real window opens when the
// game creates its main window, the sound card when the speaker opens. False
// when SDL could not start (the reason is on standard error).
bool StartDesktop(const DesktopOptions& options);
void StopDesktop();

}  // namespace platform
