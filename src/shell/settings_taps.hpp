#pragma once

namespace platform {
class Window;
}

// The stylus on the settings screen, in logical pixels.
namespace shell {

void SettingsStylusDown(platform::Window* window, int x, int y);
// Dragging along the volume slider moves it.
void SettingsStylusMove(platform::Window* window, int x, int y);
// Releasing a held OK button on it leaves the screen; anywhere else lets it go.
void SettingsStylusUp(platform::Window* window, int x, int y);

// Sets the device volume from the stored percent (on every way off the screen).
void ApplyVolumeSetting();

}  // namespace shell
