#include "records/settings_screen.hpp"

namespace records {

SettingsLayout SettingsLayoutOf(std::uint32_t) {
  return SettingsLayout{0, 0, true};
}

void PaintSettingsScreen(platform::DeviceContext&) {}

}  // namespace records
