#include "shell/settings_taps.hpp"

namespace shell {

void SettingsStylusDown(platform::Window*, int, int) {}
void SettingsStylusMove(platform::Window*, int, int) {}
void SettingsStylusUp(platform::Window*, int, int) {}
void ApplyVolumeSetting() {}

}  // namespace shell
