#include "shell/settings_taps.hpp"

#include <algorithm>
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

using screens::SettingsItem;

platform::Rect Item(SettingsItem item) {
  return screens::SettingsItemOn(item, platform::Display.DisplayClass);
}

// A press takes a control on its rectangle and on the column and row just past it.
bool Reaches(const platform::Rect& at, int x, int y) {
  return !at.Empty() && x >= at.left && x <= at.right && y >= at.top && y <= at.bottom;
}
// A drag over the slider and a release on OK keep to the control's own height.
bool Along(const platform::Rect& at, int x, int y) {
  return Reaches(at, x, y) && y < at.bottom;
}

void Invalidate(platform::Window* window, const platform::Rect& at) {
  platform::InvalidateLogicalRect(window, at.left, at.top, at.right, at.bottom);
}

void Toggle(platform::Window* window, std::uint8_t& flag, SettingsItem box) {
  flag = static_cast<std::uint8_t>(1 - flag);
  Invalidate(window, Item(box));
}

void SetVolumeFromSlider(platform::Window* window, int x) {
  records::GameStatus.VolumePercent =
      std::clamp(screens::VolumeAt(x, platform::Display.DisplayClass), 0, 100);
  Invalidate(window, Item(SettingsItem::Track));
  // The loudness picture left of the track follows the level too.
  Invalidate(window, Item(SettingsItem::Loudness));
}

// The group 0 or 1 and the choice 1..3 under a press; false off the choices.
bool ChoiceAt(int x, int y, int& group, std::uint32_t& choice) {
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  for (group = 0; group < 2; ++group) {
    for (int i = 1; i <= 3; ++i) {
      if (!Reaches(screens::SettingsChoiceOn(group, i, displayClass), x, y)) continue;
      choice = static_cast<std::uint32_t>(i);
      return true;
    }
  }
  return false;
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
  records::GameStatusRecord& s = records::GameStatus;
  if (Reaches(Item(SettingsItem::CloseBox), x, y)) {
    LeaveSettings();
    return;
  }
  if (Reaches(Item(SettingsItem::JoystickBox), x, y)) {
    Toggle(window, s.UseJoystick, SettingsItem::JoystickBox);
    return;
  }
  if (Reaches(Item(SettingsItem::HelpBox), x, y)) {
    Toggle(window, s.HelpEnabled, SettingsItem::HelpBox);
    return;
  }
  if (Reaches(Item(SettingsItem::StereoBox), x, y)) {
    Toggle(window, s.StereoSound, SettingsItem::StereoBox);
    return;
  }
  int group = 0;
  if (std::uint32_t choice = 0; ChoiceAt(x, y, group, choice)) {
    (group == 0 ? s.GameSpeed : s.BallStyle) = choice;
    // The whole group repaints: the choice it had goes with the one it gets.
    Invalidate(window, screens::SettingsChoicesOn(group, platform::Display.DisplayClass));
    return;
  }
  if (Reaches(Item(SettingsItem::MuteBox), x, y)) {
    // The sound effects read the flag as they start, so the next one is already silent.
    Toggle(window, s.SoundOn, SettingsItem::MuteBox);
    return;
  }
  if (Reaches(Item(SettingsItem::Track), x, y)) {
    // Only the stored percent moves; the player hears the new level once the
    // screen is left or OK is pressed.
    SetVolumeFromSlider(window, x);
    return;
  }
  if (Reaches(Item(SettingsItem::OkPress), x, y)) {
    ApplyVolumeSetting();
    render::ButtonPressed = 1;
    Invalidate(window, Item(SettingsItem::OkButton));
  }
}

void SettingsStylusMove(platform::Window* window, int x, int y) {
  if (Along(Item(SettingsItem::Track), x, y)) SetVolumeFromSlider(window, x);
}

void SettingsStylusUp(platform::Window* window, int x, int y) {
  if (render::ButtonPressed != 1) return;
  if (Along(Item(SettingsItem::OkButton), x, y)) {
    // A drag over the slider on the way may have moved the percent since the press.
    LeaveSettings();
    return;
  }
  render::ButtonPressed = 0;
  Invalidate(window, Item(SettingsItem::OkButton));
}

}  // namespace shell
