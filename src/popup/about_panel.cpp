#include "popup/about_panel.hpp"

#include "popup/panel_drawing.hpp"
#include "popup/popup.hpp"
#include "render/drawing_primitives.hpp"

namespace popup {

namespace {

constexpr unsigned kCentred = 1;

}  // namespace

void PaintAboutPanel(platform::Window* popup, platform::DeviceContext& dc) {
  render::DrawPanelFrame(dc, u"About...", 255, 255, 255, PopupHeight);
  DrawPanelPicture(dc, render::MakerLogo, 66, 80);
  if (PopupStep == 0) {
    CreateOkButton(popup, 80, 206, 80, 22);
    PopupStep = 1;
  }
  DrawPanelText(dc, render::Font18Bold, u"Fandriass II", Black, 0, 36, 240, 58, kCentred);
  DrawPanelText(dc, render::Font15, u"Version " FANDRIASS_VERSION, Black, 0, 58, 240, 76, kCentred);
  DrawPanelText(dc, render::Font15,
                u"Paint the balls, feed the pipes.\nRebuilt for the desktop by the Fandriass II "
                u"team.",
                Blue, 16, 126, 224, 200, kCentred);
}

}  // namespace popup
