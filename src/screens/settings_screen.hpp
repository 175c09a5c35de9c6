#pragma once

#include <cstdint>

#include "platform/drawing/colour.hpp"
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

// The page's controls as it draws them on a display class; the taps take them
// from this table too (empty: the class shows no such control).
enum class SettingsItem {
  CloseBox,
  JoystickBox,
  HelpBox,
  StereoBox,
  MuteBox,
  Speaker,   // the slider's three parts
  Loudness,  // follows the level
  Track,
  OkButton,
  OkPress,  // where a press takes OK, a generous target round the button
};
platform::Rect SettingsItemOn(SettingsItem item, platform::ScreenClass displayClass);
// Choice 1..3 of the speeds (group 0) or the ball styles (group 1), and the
// whole group, the three choices stacked 22 pixels apart.
platform::Rect SettingsChoiceOn(int group, int choice, platform::ScreenClass displayClass);
platform::Rect SettingsChoicesOn(int group, platform::ScreenClass displayClass);
// The percent a point of the track sets: the knob is centred on the stylus.
int VolumeAt(int x, platform::ScreenClass displayClass);

// The first paint after entry (screen phase 0) draws the page, the title and
// the labels and moves the phase to 1; every paint draws the controls.
void PaintSettingsScreen(platform::DeviceContext& dc);

}  // namespace screens
