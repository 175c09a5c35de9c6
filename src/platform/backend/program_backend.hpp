#pragma once

#include "platform/backend/backend.hpp"

// The back end the program itself plays on: the SDL desktop in a native build,
// the browser page in a web build. Each build links exactly one of them, so
// the shell starts either without knowing which.
namespace platform {

struct DesktopOptions {
  ScreenConfig screen;
  int zoom = 0;  // 0: the largest integer zoom that fits the desktop
  bool fullscreen = false;
};

// Starts the back end and installs it. The real window opens when the game
// creates its main window, the sound card when the speaker opens. False when
// it could not start (the reason is on standard error).
bool StartDesktop(const DesktopOptions& options);
void StopDesktop();

// The program's claim to be the one running copy. False when another copy
// runs: it has been asked to show itself, and this one leaves.
bool ClaimSingleInstance();
void ReleaseSingleInstance();

}  // namespace platform
