#pragma once

namespace platform {
class Window;
}

namespace shell {

enum class StartOutcome {
  Run,     // the main window is up: run the message loop
  Leave,   // nothing to do (unsupported screen, another copy runs): exit code 0
  Failed,  // the main window could not be made: exit code 1, the reason is on stderr
};

// Measures the screen, claims the one running copy, builds everything and
// chooses the first screen, then sets the device volume from the settings.
StartOutcome StartUp();

namespace init_mode {
constexpr int First = 1;
constexpr int Reactivate = 2;
}  // namespace init_mode

// First: sounds, the main window, the device volume, the catalogue, the
// records and the first screen; false when the main window could not be made.
// Reactivate: the given window back to full screen and a refresh of its screen.
// Other modes do nothing.
bool InitialiseWindow(int mode, platform::Window* window);

// Chooses the first screen from the records just read: the kept game resumed,
// or the main menu; then the settings and the ball style take effect. The
// window is not painted here.
void OpenFirstScreen();

// Forgets everything the shell keeps, as at program start (for tests).
void ResetShell();

}  // namespace shell
