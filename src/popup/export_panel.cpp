#include "popup/panels.hpp"

namespace popup {

void PaintExportPanel(platform::Window*, platform::DeviceContext&) {}

}  // namespace popup
