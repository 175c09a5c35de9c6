#pragma once

#include <cstdint>

#include "platform/drawing/device_context.hpp"
#include "platform/window/display_profile.hpp"

// The "Game Settings" screen.
namespace screens {

// The settings screen's shape on a display class.
struct SettingsLayout {
  int offsetY;        // subtracted from the y of everything below the Control section
  int buttonOffsetY;  // subtracted from the y of the OK button
  bool controlRow;    // the "Use PDAs Joystick" row exists (the tall layouts only)
};
SettingsLayout SettingsLayoutOf(platform::ScreenClass displayClass);

// The first paint after entry (screen phase 0) draws the page, the title and
// the labels and moves the phase to 1; every paint draws the controls.
void PaintSettingsScreen(platform::DeviceContext& dc);

}  // namespace screens
