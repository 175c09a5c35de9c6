#include "render/panel_items.hpp"

#include <algorithm>

#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/window/display_profile.hpp"
#include "render/board_drawing_internal.hpp"
#include "render/drawing_primitives.hpp"
#include "render/game_layout.hpp"

namespace render {

using namespace board;
using engine::Kept;

void DrawLetterStrip(platform::DeviceContext& screen) {
  platform::DeviceContext strip = platform::MemoryContext(BackBuffers[LetterStripBuffer]);
  for (int k = 0; k < engine::WordLength; ++k) {
    const bool bright = engine::WordSlot(k + 1) == 1;
    DrawPictureKeyed(strip, WordPositionCoin(k, bright), -6 + 13 * k, -6, kColourKey);
  }
  const platform::Rect at = Placed(engine::Item::LetterStrip);
  BlitScaled(screen, BackBuffers[LetterStripBuffer], 0, 0, at.left, at.top, at.Width(),
             at.Height());
}

void DrawNextColour(platform::DeviceContext& screen) {
  const int paint = Kept.PaintColour;
  // Black paint, mixed from opposites in CHROMA, is paint like any other: the
  // player must see it before tapping (a kept game may start with it).
  const int pill = paint == engine::colour::Black ? BlackPaintPill : PaintPills + paint - 1;
  if (paint >= 1 && paint <= engine::colour::Black) {
    const platform::Rect at = Placed(engine::Item::NextColour);
    DrawPicture(screen, PictureOf(pill), at.left, at.top);
    DrawColourSymbol(screen, paint, at.left + 9, at.top + 12);
  }
}

void DrawLevelTile(platform::DeviceContext& screen) {
  const int level = Kept.Level;
  const platform::Bitmap* tiles = PictureOf(MultiplierTiles);
  if (level < 1 || level > 9 || !tiles) return;
  const platform::Rect at = Placed(engine::Item::LevelTile);
  BlitScaled(screen, *tiles, 20 * (level - 1), 0, at.left, at.top, 20, 20);
}

namespace {

// A number written on its box picture in a back buffer, then the box shown beside the board.
struct NumberBox {
  BackBuffer buffer;
  Picture picture;
  int red, green, blue;
  int textRight;  // the number's rectangle is (0, 0, textRight, 20)
  unsigned format;
  engine::Item item;
};

void DrawNumberBox(platform::DeviceContext& screen, const NumberBox& box, int number) {
  platform::DeviceContext dc = platform::MemoryContext(BackBuffers[box.buffer]);
  DrawPicture(dc, PictureOf(box.picture), 0, 0);
  DrawFittedNumber(dc, Font14Bold, number, box.red, box.green, box.blue, 0, 0, box.textRight, 20,
                   box.format);
  const platform::Rect at = Placed(box.item);
  BlitScaled(screen, BackBuffers[box.buffer], 0, 0, at.left, at.top, at.Width(), at.Height());
}

}  // namespace

void DrawScoreBox(platform::DeviceContext& screen) {
  // The digits stand inside the display's glass (2 pixels of rim), in the middle of its height.
  constexpr unsigned kFormat = platform::text_format::Right | platform::text_format::VerticalCentre;
  DrawNumberBox(screen, {ScoreBuffer, ScoreBox, 18, 1, 83, 56, kFormat, engine::Item::ScoreBox},
                Kept.Score);
}

void DrawPanicClock(platform::DeviceContext& screen) {
  DrawNumberBox(screen,
                {TimeLabelBuffer, TimeLabel, 133, 0, 0, 33, platform::text_format::Centre,
                 engine::Item::PanicClock},
                Kept.PanicTime);
}

void DrawScoreAndClock(platform::DeviceContext& screen) {
  DrawScoreBox(screen);
  if (Kept.Mode == engine::mode::Panic) DrawPanicClock(screen);
}

void DrawGauge(platform::DeviceContext& screen) {
  platform::Bitmap& buffer = BackBuffers[GaugeBuffer];
  platform::DeviceContext gauge = platform::MemoryContext(buffer);
  DrawPicture(gauge, PictureOf(GaugeTubeEmpty), 0, 0);
  if (Kept.Reserve < 100) {
    const double logical = (77 - Kept.Reserve) * 1.5;
    const bool seven = platform::IsLarge(platform::Display.DisplayClass);
    int y = static_cast<int>(seven ? logical : logical * platform::Display.ScaleY);
    // A reserve above 77 or below 0 still shows its marker at an end of the tube.
    y = std::clamp(y, 0, std::max(buffer.Height() - 1, 0));
    if (const platform::Bitmap* full = PictureOf(GaugeTubeFull)) {
      platform::CopyBits(gauge, 0, y, full->Width(), full->Height() - y, *full, 0, y);
    }
    const platform::Bitmap* marker = PictureOf(GaugeMarkers + (Painter.GaugeBlink < 4 ? 0 : 1));
    if (marker) platform::CopyBits(gauge, 0, y, marker->Width(), marker->Height(), *marker, 0, 0);
    Painter.GaugeBlink = (Painter.GaugeBlink + 1) % 8;
  }
  ShowGauge(screen);
}

void ShowGauge(platform::DeviceContext& screen) {
  const platform::Rect at = Placed(engine::Item::Gauge);
  BlitScaled(screen, BackBuffers[GaugeBuffer], 0, 0, at.left, at.top, at.Width(), at.Height());
}

}  // namespace render
