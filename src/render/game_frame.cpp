#include "render/game_frame.hpp"

#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_cells.hpp"
#include "render/drawing_primitives.hpp"
#include "render/game_layout.hpp"
#include "render/game_overlays.hpp"
#include "render/game_screen.hpp"
#include "render/panel_items.hpp"
#include "render/screen_state.hpp"

namespace render {

namespace {

using engine::Kept;
using platform::DeviceContext;

bool Landscape() {
  return platform::IsWide(platform::Display.DisplayClass);
}
bool Square() {
  return platform::IsSquare(platform::Display.DisplayClass);
}
bool ClassSeven() {
  return platform::IsLarge(platform::Display.DisplayClass);
}

DeviceContext Buffer(BackBuffer buffer) {
  return platform::MemoryContext(BackBuffers[buffer]);
}

// An icon of the bar on the canvas, which shows it at its place on the screen.
void DrawIcon(DeviceContext& canvas, engine::Item item, int picture) {
  const platform::Rect at = Placed(item);
  DrawPictureKeyed(canvas, picture, at.left, at.top + CurrentLayout().ViewShiftY);
}

// The panels, the reserve column and the three small buttons on a black
// canvas, which is then shown shifted up by the layout's view shift.
void ComposeFrame(DeviceContext& screen) {
  const engine::GameLayout layout = CurrentLayout();
  // Kept from one redraw to the next: a fresh screen-sized bitmap costs more
  // than all the drawing on it.
  static platform::Bitmap canvasBitmap;
  const int width = platform::ScaleRuleX(layout.CanvasWidth);
  const int height = platform::ScaleRuleY(layout.CanvasHeight);
  DeviceContext canvas = platform::MemoryContext(canvasBitmap);
  if (canvasBitmap.Width() != width || canvasBitmap.Height() != height) {
    canvasBitmap = platform::Bitmap(width, height);
  } else {
    platform::FillRect(canvas, platform::Rect{0, 0, width, height}, platform::Rgb(0, 0, 0));
  }
  if (Landscape() || ClassSeven()) {
    DrawPicture(canvas, SidePanelLeft, 0, 31);
    DrawPicture(canvas, SidePanelRight, 271, 31);
  }
  if (ClassSeven()) {
    DrawPicture(canvas, Class7Corners + 0, 0, 0);
    DrawPicture(canvas, Class7Corners + 1, 271, 0);
    DrawPicture(canvas, Class7Corners + 2, 0, 271);
    DrawPicture(canvas, Class7Corners + 3, 271, 271);
  }
  const int x = layout.CanvasOffsetX;
  DrawPicture(canvas, TopBar, x, 0);
  // The gauge shows the level, so the column stays empty behind it.
  DrawPicture(canvas, ReserveColumnEmpty, x + 216, 31);
  DrawPicture(canvas, BottomPanel, x, 247);

  // The square classes shift the icon bar out of sight.
  if (!Square()) {
    DrawIcon(canvas, engine::Item::SoundIcon, Kept.SoundOn ? SoundOnIcon : SoundOffIcon);
    DrawIcon(canvas, engine::Item::BackButton, BackButton);
    DrawIcon(canvas, engine::Item::CloseButton, CloseButton);
  }

  BlitScaled(screen, canvasBitmap, 0, 0, 0, -layout.ViewShiftY, layout.CanvasWidth,
             layout.CanvasHeight);
  // There the menu button sits in the corner right of the top pipes instead.
  if (Square()) {
    const platform::Rect menu = Placed(engine::Item::BackButton);
    DrawPictureKeyed(screen, MenuButton, menu.left, menu.top);
  }
}

// The items drawn over the frame with the game's values as they stand.
void DrawFrameValues(DeviceContext& screen) {
  DrawLetterStrip(screen);
  DrawLevelTile(screen);
  if (Kept.Mode == engine::mode::Panic) DrawPanicClock(screen);
  if (Kept.Mode == engine::mode::Chroma) {
    const platform::Rect wheel = Placed(engine::Item::ColourWheel);
    DrawPictureKeyed(screen, ColourWheelIcon, wheel.left, wheel.top);
  }
  DrawScoreBox(screen);
}

// The empty board: pipes (outside HEAT, which draws its own), the cells tiled
// from a 2x2 block, and the four corners of the pipe frame.
void LayOutEmptyBoard() {
  if (Kept.Mode != engine::mode::Heat) DrawPipes();
  DeviceContext tile = Buffer(TileBuffer);
  for (int quarter = 0; quarter < 4; ++quarter) {
    DrawPicture(tile, EmptyCell, 30 * (quarter % 2), 30 * (quarter / 2));
  }
  DeviceContext board = Buffer(BoardBuffer);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      BlitScaled(board, BackBuffers[TileBuffer], 0, 0, 18 + 60 * i, 18 + 60 * j, 60, 60);
    }
  }
  const int corners[4][2] = {{0, 0}, {198, 0}, {0, 198}, {198, 198}};
  for (int k = 0; k < 4; ++k) {
    DrawPicture(board, FrameCorners + k, corners[k][0], corners[k][1]);
  }
}

void PrepareBuffers() {
  DeviceContext splat = Buffer(SplatBuffer);
  DrawPicture(splat, SplatSheets, 0, 0);
  DrawPicture(splat, SplatSheets + 1, 90, 0);
  DeviceContext gauge = Buffer(GaugeBuffer);
  DrawPicture(gauge, GaugeTubeEmpty, 0, 0);
  DeviceContext score = Buffer(ScoreBuffer);
  DrawPicture(score, ScoreBox, 0, 0);
}

void SaveLetterStripBackground(DeviceContext& screen) {
  if (!screen.surface) return;
  DeviceContext strip = Buffer(LetterStripBuffer);
  const platform::Rect at = Placed(engine::Item::LetterStrip);
  BlitScaled(strip, *screen.surface, at.left, at.top, 0, 0, at.Width(), at.Height());
}

}  // namespace

void SetGameLayout() {
  LayoutClass = platform::Display.DisplayClass;
  CursorPos = 500;
}

void DrawWholeFrame(DeviceContext& screen) {
  LayOutEmptyBoard();
  PrepareBuffers();
  ComposeFrame(screen);
  SaveLetterStripBackground(screen);
  DrawFrameValues(screen);
}

void FullRedraw(platform::Window* window, DeviceContext& screen) {
  SetGameLayout();
  DrawWholeFrame(screen);
  engine::FullRedrawTick(window);
  // The tick dealt a new game: its score and clock, not the last game's.
  DrawScoreBox(screen);
  if (Kept.Mode == engine::mode::Panic) DrawPanicClock(screen);
  DrawNextColour(screen);
  // HEAT leaves its pipes to this point: the hot ones are chosen by the tick.
  if (Kept.Mode == engine::mode::Heat) DrawPipes();
  // The frame laid out an empty board: the balls come back with the board redraw.
  BoardRedrawRequested = true;
}

void RefreshFrame(DeviceContext& screen) {
  ComposeFrame(screen);
  DrawPaintPotAsShown(screen);
  ShowGauge(screen);
  DrawNextColour(screen);
  DrawFrameValues(screen);
}

}  // namespace render
