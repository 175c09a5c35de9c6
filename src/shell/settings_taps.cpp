#include "shell/settings_taps.hpp"

#include <cstdint>

#include "platform/audio/speaker.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "records/game_status_record.hpp"
#include "records/settings.hpp"
#include "render/screen_state.hpp"
#include "screens/settings_screen.hpp"
#include "shell/screen_flow.hpp"

namespace shell {

namespace {

bool Within(int v, int low, int high) {
  return v >= low && v <= high;
}

screens::SettingsLayout Layout() {
  return screens::SettingsLayoutOf(platform::Display.DisplayClass);
}

void Toggle(std::uint8_t& flag) {
  flag = static_cast<std::uint8_t>(1 - flag);
}

// The slider takes the percent from where the stylus is, knob centred on it.
void SetVolumeFromSlider(platform::Window* window, int x, int y0) {
  int percent = x - 62;
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  records::GameStatus.VolumePercent = percent;
  platform::InvalidateLogicalRect(window, 56, 230 - y0, 169, 253 - y0);
  // The loudness picture left of the track follows the level too.
  platform::InvalidateLogicalRect(window, 35, 230 - y0, 47, 253 - y0);
}

bool OnSlider(int x, int y, int y0) {
  return Within(x, 56, 169) && y >= 230 - y0 && y < 253 - y0;
}

// One group of three choices, stacked 22 pixels apart: the band hit gives 1..3.
std::uint32_t ChoiceAt(int y, int y0) {
  for (std::uint32_t i = 0; i < 3; ++i) {
    const int top = 138 + 22 * static_cast<int>(i) - y0;
    if (Within(y, top, top + 20)) return i + 1;
  }
  return 0;
}

void InvalidateOkButton(platform::Window* window, int yB) {
  platform::InvalidateLogicalRect(window, 84, 282 - yB, 164, 304 - yB);
}

void LeaveSettings() {
  ApplyVolumeSetting();
  ShowScreen(render::screen::MainMenu);
}

}  // namespace

void ApplyVolumeSetting() {
  platform::SetWaveOutVolume(records::WaveVolumeOfPercent(records::GameStatus.VolumePercent));
}

void SettingsStylusDown(platform::Window* window, int x, int y) {
  const screens::SettingsLayout layout = Layout();
  const int y0 = layout.offsetY;
  const int yB = layout.buttonOffsetY;
  records::GameStatusRecord& s = records::GameStatus;
  if (Within(x, 218, 235) && Within(y, 5, 22)) {
    LeaveSettings();
    return;
  }
  if (layout.controlRow && Within(x, 15, 34) && Within(y, 54, 70)) {
    Toggle(s.UseJoystick);
    platform::InvalidateLogicalRect(window, 15, 54, 34, 70);
    return;
  }
  if (Within(y, 96 - y0, 112 - y0)) {
    if (Within(x, 15, 34)) {
      Toggle(s.HelpEnabled);
      platform::InvalidateLogicalRect(window, 15, 96 - y0, 34, 112 - y0);
      return;
    }
    if (Within(x, 125, 144)) {
      Toggle(s.StereoSound);
      platform::InvalidateLogicalRect(window, 125, 96 - y0, 144, 112 - y0);
      return;
    }
  }
  if (const std::uint32_t choice = ChoiceAt(y, y0); choice != 0) {
    // The whole group repaints: the choice it had goes with the one it gets.
    if (Within(x, 15, 115)) {
      s.GameSpeed = choice;
      platform::InvalidateLogicalRect(window, 15, 138 - y0, 115, 202 - y0);
      return;
    }
    if (Within(x, 125, 225)) {
      s.BallStyle = choice;
      platform::InvalidateLogicalRect(window, 125, 138 - y0, 225, 202 - y0);
      return;
    }
  }
  if (Within(x, 176, 195) && Within(y, 232 - y0, 248 - y0)) {
    // The sound effects read the flag as they start, so the next one is already silent.
    Toggle(s.SoundOn);
    platform::InvalidateLogicalRect(window, 176, 232 - y0, 195, 248 - y0);
    return;
  }
  if (Within(x, 56, 169) && Within(y, 230 - y0, 253 - y0)) {
    // Only the stored percent moves; the player hears the new level once the
    // screen is left or OK is pressed.
    SetVolumeFromSlider(window, x, y0);
    return;
  }
  if (Within(x, 84, 182) && Within(y, 266 - yB, 304 - yB)) {
    ApplyVolumeSetting();
    render::ButtonPressed = 1;
    InvalidateOkButton(window, yB);
  }
}

void SettingsStylusMove(platform::Window* window, int x, int y) {
  const int y0 = Layout().offsetY;
  if (OnSlider(x, y, y0)) SetVolumeFromSlider(window, x, y0);
}

void SettingsStylusUp(platform::Window* window, int x, int y) {
  if (render::ButtonPressed != 1) return;
  const int yB = Layout().buttonOffsetY;
  if (Within(x, 84, 164) && y >= 282 - yB && y < 304 - yB) {
    // A drag over the slider on the way may have moved the percent since the press.
    LeaveSettings();
    return;
  }
  render::ButtonPressed = 0;
  InvalidateOkButton(window, yB);
}

}  // namespace shell
