#include "popup/export_panel.hpp"

#include <string_view>

#include "platform/drawing/text_drawing.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "popup/panel_drawing.hpp"
#include "popup/popup.hpp"
#include "records/export_code.hpp"
#include "records/hiscore_table.hpp"
#include "render/drawing_primitives.hpp"
#include "render/screen_state.hpp"

namespace popup {

namespace {

constexpr std::u16string_view kEarnIt[5] = {
    u"Click this icon again when you beat the first Hi-Score of EASY MODE!",
    u"Click this icon again when you beat the first Hi-Score of HARD MODE!",
    u"Click this icon again when you beat the first Hi-Score of PANIC MODE!",
    u"Click this icon again when you beat the first Hi-Score of HEAT MODE!",
    u"Click this icon again when you beat the first Hi-Score of CHROMA MODE!",
};

constexpr int kCodeLeft = 12, kCodeTop = 114, kCodeRight = 228, kCodeBottom = 134;
// Room for a second line, down to the OK button.
constexpr int kTwoLineBottom = 146;

// Largest first. A code is typed in by hand, so a cut one is worthless: it
// takes the largest font that shows it whole on its line.
constexpr render::FontSlot kCodeFonts[] = {
    render::Font18Heavy, render::Font18Bold, render::Font16Heavy, render::Font16Bold,
    render::Font15Heavy, render::Font15Bold, render::Font14Bold,  render::Font14,
};

bool FitsOneLine(render::FontSlot font, std::u16string_view text) {
  return platform::MeasureText(render::FontTable[font], text) <=
         platform::DoublingRule(kCodeRight - kCodeLeft);
}

void DrawCode(platform::DeviceContext& dc, std::u16string_view code) {
  for (const render::FontSlot font : kCodeFonts) {
    if (FitsOneLine(font, code)) {
      DrawPanelText(dc, font, code, Red, kCodeLeft, kCodeTop, kCodeRight, kCodeBottom);
      return;
    }
  }
  // Only an absurd count of games makes a code this long: it goes on two lines
  // of the largest font two of whose lines fit above the OK button.
  const std::size_t half = code.size() / 2;
  constexpr int kLineHeight = (kTwoLineBottom - kCodeTop) / 2;
  DrawPanelText(dc, render::Font16Heavy, code.substr(0, half), Red, kCodeLeft, kCodeTop, kCodeRight,
                kCodeTop + kLineHeight);
  DrawPanelText(dc, render::Font16Heavy, code.substr(half), Red, kCodeLeft, kCodeTop + kLineHeight,
                kCodeRight, kTwoLineBottom);
}

// The bold face's large sizes give "/" the room of a wide letter, which shows
// as a gap in the middle of the address: what follows the slash closes up to
// it, keeping after the slash the blank an "o" keeps.
void DrawAddress(platform::DeviceContext& dc) {
  constexpr std::u16string_view kAddress = u"www.example.org/fandriass";
  constexpr int kLeft = 12, kTop = 92, kRight = 228, kBottom = 114;
  const platform::Font& font = render::FontTable[render::Font14Bold];
  const std::size_t cut = kAddress.rfind(u'/') + 1;
  const int excess = platform::SpaceAfter(font, u'/') - platform::SpaceAfter(font, u'o');
  if (excess <= 0) {
    DrawPanelText(dc, render::Font14Bold, kAddress, Blue, kLeft, kTop, kRight, kBottom);
    return;
  }
  const std::u16string_view head = kAddress.substr(0, cut);
  DrawPanelText(dc, render::Font14Bold, head, Blue, kLeft, kTop, kRight, kBottom);
  const platform::DeviceContext saved = dc;
  dc.font = &font;
  const int left = platform::DoublingRule(kLeft) + platform::MeasureText(font, head) - excess;
  platform::DrawText(
      dc, kAddress.substr(cut),
      platform::Rect{left, platform::DoublingRule(kTop), platform::DoublingRule(kRight),
                     platform::DoublingRule(kBottom)},
      platform::text_format::SingleLine);
  dc = saved;
}

}  // namespace

void PaintExportPanel(platform::Window* popup, platform::DeviceContext& dc) {
  render::DrawPanelFrame(dc, u"Export your first HiScore", 255, 255, 255, PopupHeight);
  if (PopupStep == 0) {
    CreateOkButton(popup, 80, 146, 80, 22);
    PopupStep = 1;
  }
  const int mode = static_cast<int>(render::HiScoreTab);
  const records::HiScoreTable* table = records::TableOfMode(mode);
  if (!table) return;
  if (!records::ExportCodeEarned(mode)) {
    DrawPanelText(dc, render::Font14Bold,
                  u"Here you will be able to export your best Hi-Score by a special CODE.", Black,
                  12, 38, 228, 82);
    DrawPanelText(dc, render::Font14Bold, kEarnIt[mode - 1], Red, 12, 88, 228, 140);
    return;
  }
  DrawPanelText(dc, render::Font14Bold, u"WELL DONE!", Black, 12, 38, 228, 58);
  DrawPanelText(dc, render::Font14Bold, u"To export your Score,\ninput this code at our website:",
                Black, 12, 58, 228, 90);
  DrawAddress(dc);
  const std::u16string_view code =
      records::BuildExportCode(table->Entry[0].Score, records::ExportModeTag(mode),
                               records::ExportScreenTag(platform::Display.DisplayClass));
  DrawCode(dc, code);
}

}  // namespace popup
