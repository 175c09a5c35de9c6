#include "popup/panel_drawing.hpp"

#include "platform/window/child_controls.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "render/drawing_primitives.hpp"

namespace popup {

void CreateOkButton(platform::Window* popup, int x, int y, int width, int height) {
  const int left = platform::ScaleRuleX(x);
  const int top = platform::ScaleRuleY(y);
  platform::CreatePushButton(popup, u"OK",
                             platform::Rect{left, top, left + platform::ScaleRuleX(width),
                                            top + platform::ScaleRuleY(height)},
                             OkButtonId);
}

void DrawPanelText(platform::DeviceContext& dc, render::FontSlot font, std::u16string_view text,
                   Ink ink, int left, int top, int right, int bottom, unsigned format) {
  const platform::Font* saved = dc.font;
  dc.font = &render::FontTable[font];
  render::DrawTextRect(dc, text, ink.red, ink.green, ink.blue, 255, 255, 255, left, top, right,
                       bottom, 1, format);
  dc.font = saved;
}

void DrawPanelBitmap(platform::DeviceContext& dc, const platform::Bitmap* picture, int x, int y,
                     std::int32_t key) {
  if (!picture) return;
  if (key == render::kNoKey) {
    // The opaque copy takes logical sizes; the pictures are already at the class's size.
    const int scale = platform::DoublingRule(1);
    render::DrawBitmap(dc, picture, picture->Width() / scale, picture->Height() / scale, x, y);
  } else {
    render::DrawBitmapKeyed(dc, picture, picture->Width(), picture->Height(), x, y, key & 0xFF,
                            (key >> 8) & 0xFF, (key >> 16) & 0xFF);
  }
}

void DrawPanelPicture(platform::DeviceContext& dc, int entry, int x, int y) {
  if (entry < 0 || entry >= render::PictureCount) return;
  const render::PictureRow& row = render::kPictureTable[entry];
  const bool vga = platform::IsVga(platform::Display.DisplayClass);
  DrawPanelBitmap(dc, render::PictureOf(entry), x, y, vga ? row.vgaKey : row.smallKey);
}

void DrawColourWheel(platform::DeviceContext& dc, int x, int y) {
  render::StretchBitmap(dc, render::PictureOf(render::ColourWheel), 116, 122, x, y,
                        platform::ScaleRuleX(116), platform::ScaleRuleY(122));
}

}  // namespace popup
