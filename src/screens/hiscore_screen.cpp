#include "screens/hiscore_screen.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "platform/drawing/colour.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/drawing_primitives.hpp"
#include "render/screen_state.hpp"

namespace screens {

namespace {

using platform::text_format::Left;
using platform::text_format::Right;
using platform::text_format::SingleLine;

// The layouts 240 logical pixels high.
bool Short(platform::ScreenClass displayClass) {
  return platform::IsWide(displayClass) || platform::IsSquare(displayClass);
}

// The layouts 320 logical pixels wide.
bool Broad(platform::ScreenClass displayClass) {
  return platform::IsWide(displayClass) || platform::IsLarge(displayClass);
}

// The background is one 240x320 picture. The short layouts show it with its
// middle 80 rows left out (its top and its bottom each in their place), so
// the rule under the top line and the tabs' shelf sit where they do on the
// tall layouts; the picture's middle repeats every 80 rows, so no seam shows.
constexpr int kBackgroundTop = 120;

void DrawBackground(platform::DeviceContext& dc, platform::ScreenClass displayClass) {
  const platform::Bitmap* picture = render::PictureOf(render::HiScoreBackground);
  const int width = platform::DoublingRule(Broad(displayClass) ? 320 : 240);
  const int tall = platform::DoublingRule(320);
  if (!Short(displayClass)) {
    render::StretchBitmap(dc, picture, 240, 320, 0, 0, width, tall);
    return;
  }
  render::StretchBitmap(dc, picture, 240, 320, 0, -80, width, tall);
  render::StretchBitmap(dc, picture, 240, kBackgroundTop, 0, 0, width,
                        platform::DoublingRule(kBackgroundTop));
}

// The fonts a number may shrink to, largest first.
constexpr render::FontSlot kScoreFonts[] = {render::Font20Bold, render::Font18Bold,
                                            render::Font16Bold, render::Font15Bold,
                                            render::Font14Bold};
constexpr render::FontSlot kCountFonts[] = {render::Font18Heavy, render::Font16Heavy,
                                            render::Font15Heavy, render::Font14Bold};

// A number's text, as the screen shows it.
struct NumberText {
  char16_t units[24];
  int length;
  std::u16string_view View() const { return {units, static_cast<std::size_t>(length)}; }
};

template <typename Number>
NumberText TextOf(const char* format, Number number) {
  char digits[24];
  NumberText text{};
  text.length = std::snprintf(digits, sizeof digits, format, number);
  for (int i = 0; i < text.length; ++i) text.units[i] = static_cast<char16_t>(digits[i]);
  return text;
}

// The logical width of a one-line text's ink.
int InkWidth(const platform::Font& font, std::u16string_view text) {
  const int unit = platform::DoublingRule(1);
  // A bold face's ink reaches a pixel past its measure.
  return (platform::MeasureText(font, text) + unit) / unit;
}

// A number in its box: the font, the box's left edge and the width of the ink
// (logical pixels).
struct Fitted {
  const platform::Font* font;
  int left;
  int ink;
};

// The largest of the fonts in which the text fits the box. When none does
// (only a damaged record holds such a number) the narrowest, with the box
// widened to the left, so that no digit is ever cut off.
template <std::size_t N>
Fitted FitInBox(const render::FontSlot (&fonts)[N], std::u16string_view text, int left, int right) {
  Fitted narrowest{nullptr, 0, 0};
  for (render::FontSlot slot : fonts) {
    const platform::Font& font = render::FontTable[slot];
    const int ink = InkWidth(font, text);
    if (ink <= right - left) return Fitted{&font, left, ink};
    if (!narrowest.font || ink < narrowest.ink) narrowest = Fitted{&font, right - ink, ink};
  }
  return narrowest;
}

// Every text of the screen is one line, 20 pixels high unless said, drawn transparent.
void Label(platform::DeviceContext& dc, std::u16string_view text, platform::Colour colour, int left,
           int top, int right, unsigned format, int height = 20) {
  render::DrawTextRect(dc, text, platform::RedOf(colour), platform::GreenOf(colour),
                       platform::BlueOf(colour), 0, 0, 0, left, top, right, top + height, 1,
                       format);
}

// A name is shown whole, like the numbers: in the largest font in which it
// fits beside its score, the score giving up size only when no font of the
// name fits beside it. When nothing does (only beside a score of ten digits)
// both take their smallest fonts and the name loses its last letters whole.
constexpr render::FontSlot kNameFonts[] = {
    render::Font20Bold, render::Font18Bold, render::Font16Bold, render::Font15Bold,
    render::Font14Bold, render::Font12Bold, render::Font11Bold};

struct RowFonts {
  const platform::Font* name;
  const platform::Font* score;
  int scoreInk;
};

// The score keeps to its box (scoreLeft..right) in any font but the smallest.
RowFonts FitRow(std::u16string_view name, std::u16string_view score, int nameLeft, int scoreLeft,
                int right) {
  RowFonts smallest{};
  for (const render::FontSlot scoreSlot : kScoreFonts) {
    const platform::Font& scoreFont = render::FontTable[scoreSlot];
    const int scoreInk = InkWidth(scoreFont, score);
    if (scoreInk > right - scoreLeft && scoreSlot != std::end(kScoreFonts)[-1]) continue;
    for (const render::FontSlot nameSlot : kNameFonts) {
      const platform::Font& nameFont = render::FontTable[nameSlot];
      smallest = RowFonts{&nameFont, &scoreFont, scoreInk};
      if (InkWidth(nameFont, name) <= right - scoreInk - 4 - nameLeft) return smallest;
    }
  }
  return smallest;
}

constexpr platform::Colour kWhite = platform::Rgb(255, 255, 255);

void DrawRow(platform::DeviceContext& dc, const HiScoreLayout& l, int k,
             const records::HiScoreTable* table) {
  const int y = l.rowY + l.rowPitch * k;
  dc.font = &render::FontTable[render::Font20Bold];
  const char16_t place[1] = {static_cast<char16_t>(u'1' + k)};
  Label(dc, {place, 1}, kWhite, l.placeX, y, l.placeX + 50, Left);
  Label(dc, u".", kWhite, l.placeX + 12, y, l.placeX + 200, Left);
  if (table) {
    const records::HiScoreEntry& entry = table->Entry[k];
    const int right = l.scoreX + 46;
    const NumberText score = TextOf("%d", entry.Score);
    const std::u16string_view name = records::HiScoreName(entry);
    const RowFonts fonts = FitRow(name, score.View(), l.placeX + 24, l.scoreX - 34, right);
    // The name ends a little before the score's first digit, whatever its length.
    dc.font = fonts.name;
    const int nameRight = right - fonts.scoreInk - 4;
    std::u16string_view shown = name;
    while (!shown.empty() && InkWidth(*fonts.name, shown) > nameRight - (l.placeX + 24)) {
      shown.remove_suffix(1);
    }
    // A smaller name stands on the row's baseline (at 83 % of a cell, the face's ascent).
    const int unit = platform::DoublingRule(1);
    const int drop =
        (render::FontTable[render::Font20Bold].CellHeight() - fonts.name->CellHeight()) * 83 /
        (100 * unit);
    Label(dc, shown, kWhite, l.placeX + 24, y + drop, nameRight, Left | SingleLine);
    dc.font = fonts.score;
    Label(dc, score.View(), platform::Rgb(235, 255, 0),
          std::min(l.scoreX - 34, right - fonts.scoreInk), y, right, Right | SingleLine);
  }
  dc.font = &render::FontTable[render::Font20];
  Label(dc, u"Pt.", platform::Rgb(29, 136, 3), l.scoreX + 50, y, l.scoreX + 70, Left, 26);
}

void DrawGamesPlayed(platform::DeviceContext& dc, platform::ScreenClass displayClass) {
  const int shift = Broad(displayClass) ? 80 : 0;
  dc.font = &render::FontTable[render::Font18Bold];
  Label(dc, u"Played:", kWhite, 136 + shift, 2, 210 + shift, Left);
  const NumberText count = TextOf("%u", static_cast<unsigned>(records::GameStatus.GamesPlayed));
  const Fitted fitted = FitInBox(kCountFonts, count.View(), 200 + shift, 240 + shift);
  dc.font = fitted.font;
  Label(dc, count.View(), kWhite, fitted.left, 2, 240 + shift, Left | SingleLine);
}

// The catalogue's titles run CHROMA, EASY, HARD, HEAT, PANIC.
constexpr int kTitleOfMode[6] = {0, 1, 2, 4, 3, 0};

void DrawKeyed(platform::DeviceContext& dc, int entry, int x, int y) {
  const bool vga = platform::IsVga(platform::Display.DisplayClass);
  const render::PictureRow& row = render::kPictureTable[entry];
  const std::int32_t key = render::KeyOf(entry, vga);
  render::DrawBitmapKeyed(dc, render::PictureOf(entry), vga ? row.vgaWidth : row.smallWidth,
                          vga ? row.vgaHeight : row.smallHeight, x, y, key & 0xFF,
                          (key >> 8) & 0xFF, (key >> 16) & 0xFF);
}

}  // namespace

HiScoreLayout HiScoreLayoutOf(platform::ScreenClass displayClass) {
  // The landscape and 320x320 layouts stand 40 pixels to the right; the
  // square ones keep the portrait x positions, on a screen only 240 wide.
  const int shiftX = Broad(displayClass) ? 40 : 0;
  if (Short(displayClass)) {
    return HiScoreLayout{80, 88 + shiftX, 206, 18 + shiftX, 78, 20, 24 + shiftX, 146 + shiftX};
  }
  return HiScoreLayout{0, 88 + shiftX, 286, 18 + shiftX, 92, 36, 24 + shiftX, 146 + shiftX};
}

platform::Rect HiScoreButtonOn(HiScoreButton button, platform::ScreenClass displayClass) {
  if (button == HiScoreButton::Reset) return {0, 0, 50, 17};
  const int top = HiScoreLayoutOf(displayClass).tabY;
  return {2, top, 32, top + 32};
}

platform::Rect HiScoreTabOn(int mode, platform::ScreenClass displayClass) {
  const HiScoreLayout l = HiScoreLayoutOf(displayClass);
  const int left = l.tabX + 30 * (mode - 1);
  return {left, l.tabY, left + 30, l.tabY + 30};
}

bool ModeColour(int mode, int& red, int& green, int& blue) {
  static constexpr int kColours[5][3] = {
      {255, 0, 0}, {255, 255, 0}, {102, 153, 255}, {0, 255, 0}, {255, 0, 255}};
  if (mode < 1 || mode > 5) return false;
  red = kColours[mode - 1][0];
  green = kColours[mode - 1][1];
  blue = kColours[mode - 1][2];
  return true;
}

void PaintHiScoreScreen(platform::DeviceContext& dc) {
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  const HiScoreLayout l = HiScoreLayoutOf(displayClass);
  const platform::DeviceContext saved = dc;

  render::FillRectRGB(dc, 0, 0, 0, 0, 0, Broad(displayClass) ? 320 : 240,
                      Short(displayClass) ? 240 : 320);
  DrawBackground(dc, displayClass);

  for (int k = 0; k < 5; ++k) {
    const platform::Rect tab = HiScoreTabOn(k + 1, displayClass);
    render::DrawBitmapKeyed(dc, render::BallSet[2 * k], platform::ScaleRuleX(tab.Width()),
                            platform::ScaleRuleY(tab.Height()), tab.left, tab.top, 0, 0, 0);
  }
  const int mode = static_cast<int>(render::HiScoreTab);
  int red = 0;
  int green = 0;
  int blue = 0;
  const bool known = ModeColour(mode, red, green, blue);
  if (known) {
    const platform::Rect tab = HiScoreTabOn(mode, displayClass);
    render::DrawRoundBox(dc, 1, platform::ScaleRuleX(tab.left + 10),
                         platform::ScaleRuleY(tab.top + 10), platform::ScaleRuleX(10),
                         platform::ScaleRuleY(10), 0, 0, 0, 0, 0, red, green, blue);
    render::DrawRoundBox(dc, 2, platform::ScaleRuleX(l.frameX), platform::ScaleRuleY(70),
                         platform::ScaleRuleX(204), platform::ScaleRuleY(200 - l.offsetY), 0, 0,
                         red, green, blue, 0, 0, 0);
  }
  const platform::Rect reset = HiScoreButtonOn(HiScoreButton::Reset, displayClass);
  render::DrawBitmap(dc, render::PictureOf(render::ResetButton), reset.Width(), reset.Height(),
                     reset.left, reset.top);
  const platform::Rect exportIcon = HiScoreButtonOn(HiScoreButton::Export, displayClass);
  DrawKeyed(dc, render::ExportIcon, exportIcon.left, exportIcon.top);
  if (known) {
    const int title = kTitleOfMode[mode];
    DrawKeyed(dc, render::ModeTitles + title, l.frameX + (title == 0 ? 5 : 10), 31);
  }
  const records::HiScoreTable* table = records::TableOfMode(mode);
  for (int k = 0; k < records::HiScoreEntries; ++k) DrawRow(dc, l, k, table);
  DrawGamesPlayed(dc, displayClass);
  dc = saved;
}

}  // namespace screens
