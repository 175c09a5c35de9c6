#include "screens/new_hiscore_screen.hpp"

#include "platform/drawing/text_drawing.hpp"
#include "platform/window/child_controls.hpp"
#include "platform/window/full_screen.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/window_system.hpp"
#include "records/hiscore_table.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/drawing_primitives.hpp"
#include "render/screen_state.hpp"

namespace screens {

namespace {

platform::Window* okButton = nullptr;
platform::Window* cancelButton = nullptr;
platform::Window* nameField = nullptr;

// The controls are ours only while the entry is on show and past its first
// paint; a pointer from an earlier run of the window system is never touched.
bool ControlsShown() {
  return render::ScreenState == render::screen::NewHiScore && render::ScreenPhase == 1;
}

platform::Rect ScaledRect(int x, int y, int width, int height) {
  const int left = platform::ScaleRuleX(x);
  const int top = platform::ScaleRuleY(y);
  return platform::Rect{left, top, left + platform::ScaleRuleX(width),
                        top + platform::ScaleRuleY(height)};
}

void CreateControls(platform::Window* window) {
  okButton = platform::CreatePushButton(window, u"OK", ScaledRect(30, 172, 80, 22), NameOkButtonId);
  cancelButton = platform::CreatePushButton(window, u"Cancel", ScaledRect(130, 172, 80, 22),
                                            NameCancelButtonId);
  nameField = platform::CreateEditField(
      window, records::LastInsertedName(static_cast<int>(render::HiScoreTab)),
      ScaledRect(30, 140, 180, 22), NameFieldId);
  platform::SetFocus(nameField);
  platform::SelectAllText(nameField);
  platform::SetEditLimit(nameField, records::NameLengthLimit);
  // Enter takes the name, so the direction pad's player can finish without a
  // stylus. Escape is left alone: a reflexive press must not throw away a new
  // score; Cancel is a deliberate tap.
  platform::BindEditKeys(nameField, NameOkButtonId, 0);
}

void DrawLine(platform::DeviceContext& dc, std::u16string_view text, int red, int green, int blue,
              int left, int top, int right, int bottom, unsigned format) {
  render::DrawTextRect(dc, text, red, green, blue, 255, 255, 255, left, top, right, bottom, 0,
                       format);
}

}  // namespace

void PaintNewHiScoreScreen(platform::Window* window, platform::DeviceContext& dc) {
  // The landscape screens are wider than the panel: what the game left beside
  // it goes too.
  render::FillRectRGB(dc, 0, 0, 0, 0, 0, 320, 320);
  render::DrawPanelFrame(dc, u"New High Score", 255, 255, 255, platform::ScaleRuleY(210));
  render::FillRectRGB(dc, 0, 0, 0, 0, 210, 240, 320);
  render::DrawBitmap(dc, render::PictureOf(render::Trophy), 62, 75, 18, 40);

  if (render::ScreenPhase == 0) {
    CreateControls(window);
    render::ScreenPhase = 1;
  }

  const platform::DeviceContext saved = dc;
  dc.font = &render::FontTable[render::Font16Bold];
  DrawLine(dc, u"Congratulations!", 255, 0, 0, 74, 50, 230, 70, platform::text_format::Centre);
  DrawLine(dc, u"You have made\na new high score!", 0, 0, 0, 74, 70, 230, 170,
           platform::text_format::Centre);
  DrawLine(dc, u"Enter your name below:", 0, 0, 0, 30, 122, 230, 142, platform::text_format::Left);
  dc = saved;

  platform::SetFullScreen(window, platform::full_screen::ShowInputPanelButton);
}

platform::Window* NameField() {
  return ControlsShown() ? nameField : nullptr;
}

void DestroyNameEntryControls() {
  if (!ControlsShown()) return;
  platform::DestroyWindow(okButton);
  platform::DestroyWindow(cancelButton);
  platform::DestroyWindow(nameField);
  okButton = cancelButton = nameField = nullptr;
}

}  // namespace screens
