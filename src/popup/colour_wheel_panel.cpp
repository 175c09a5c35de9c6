#include "popup/colour_wheel_panel.hpp"

#include "popup/panel_drawing.hpp"
#include "popup/popup.hpp"
#include "render/drawing_primitives.hpp"

namespace popup {

void PaintColourWheelPanel(platform::Window* popup, platform::DeviceContext& dc) {
  render::DrawPanelFrame(dc, u"Color Wheel", 255, 255, 255, PopupHeight);
  DrawColourWheel(dc, 10, 40);
  if (PopupStep == 0) {
    CreateOkButton(popup, 84, 176, 80, 22);
    PopupStep = 1;
  }
  DrawPanelText(dc, render::Font15Bold, u"This is the\ncolor wheel.", Black, 130, 90, 230, 140, 1);
}

}  // namespace popup
