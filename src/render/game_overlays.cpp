#include "render/game_overlays.hpp"

#include <algorithm>
#include <cstdint>

#include "engine/game_state.hpp"
#include "engine/show_sequences.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "records/game_status_record.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_cells.hpp"
#include "render/drawing_primitives.hpp"
#include "render/game_layout.hpp"
#include "render/game_screen.hpp"
#include "render/panel_items.hpp"
#include "render/screen_state.hpp"

namespace render {

namespace {

using engine::Game;
using engine::Kept;

// The overlays' own counters, as a new start finds them: the paint pot's frame
// counter and the frame it shows, and the cell the cursor frame was last drawn
// on (-1: none).
struct OverlayState {
  int PotCounter = 0;
  int PotFrameShown = 0;
  int CursorDrawnAt = -1;
};
OverlayState overlay;

platform::DeviceContext BoardContext() {
  return platform::MemoryContext(BackBuffers[BoardBuffer]);
}

bool Dripping() {
  return Kept.Mode == engine::mode::Hard || Kept.Mode == engine::mode::Panic;
}

void DrawPotFrame(platform::DeviceContext& screen, int frame) {
  overlay.PotFrameShown = frame;
  const platform::Rect pot = Placed(engine::Item::PaintPot);
  if (!pot.Empty()) DrawPicture(screen, PaintPots + frame, pot.left, pot.top);
}

}  // namespace

void DrawSoundIcon(platform::DeviceContext& screen) {
  if (!SoundIconChanged) return;
  SoundIconChanged = 0;
  // The square classes shift the icon bar out of sight.
  const platform::Rect icon = Placed(engine::Item::SoundIcon);
  if (icon.Empty()) return;
  DrawPicture(screen, records::GameStatus.SoundOn ? SoundOnIcon : SoundOffIcon, icon.left,
              icon.top);
}

void DrawBonusBanner(bool ended) {
  if (ended) {
    RedrawBoard();
    return;
  }
  platform::DeviceContext board = BoardContext();
  DrawPictureKeyed(board, BonusBanner, 33, 90);
}

void DrawLevelUpBanner(platform::DeviceContext& screen, const engine::LevelUpFrameResult& frame) {
  if (frame.ShowBanner) {
    platform::DeviceContext board = BoardContext();
    DrawPictureKeyed(board, LevelUpBanner, 33, 90);
  }
  if (frame.Finished) {
    DrawLevelTile(screen);
    RedrawBoard();
  }
}

void DrawPausedNotice(platform::DeviceContext& screen) {
  const platform::Rect cells = Placed(engine::Item::Cells);
  const int left = cells.left + 40;
  const int top = cells.top + 86;
  DrawRoundBox(screen, 2, platform::ScaleRuleX(left), platform::ScaleRuleY(top),
               platform::ScaleRuleX(136), platform::ScaleRuleY(44), platform::ScaleRuleX(12),
               platform::ScaleRuleY(12), 255, 214, 90, 24, 28, 44);
  const platform::DeviceContext saved = screen;
  screen.font = &FontTable[Font20Bold];
  DrawTextRect(screen, u"Paused", 255, 255, 255, 0, 0, 0, left, top + 4, left + 136, top + 40, 1,
               platform::text_format::Centre | platform::text_format::VerticalCentre |
                   platform::text_format::SingleLine);
  screen = saved;
}

void DrawHazardBlink(platform::DeviceContext& screen, bool secondPhase) {
  // The second phase puts the pictures back as the panel shows them at rest.
  const int coilA = secondPhase ? 1 : 0;
  const platform::Rect low = Placed(engine::Item::CoilLow);
  const platform::Rect high = Placed(engine::Item::CoilHigh);
  const platform::Rect sign = Placed(engine::Item::HazardSign);
  DrawPicture(screen, Coils + coilA, low.left, low.top);
  DrawPicture(screen, Coils + 1 - coilA, high.left, high.top);
  DrawPicture(screen, HazardSigns + 1 - coilA, sign.left, sign.top);
}

void DrawPaintPot(platform::DeviceContext& screen) {
  if (!Dripping()) return;
  if (overlay.PotCounter == 0) {
    overlay.PotCounter = Game.DripInterval + 6;
    DrawPotFrame(screen, 0);
  }
  if (overlay.PotCounter == 6) DrawPotFrame(screen, 1);
  if (overlay.PotCounter == 4) DrawPotFrame(screen, 2);
  if (overlay.PotCounter == 2) DrawPotFrame(screen, 3);
  if (overlay.PotCounter > 0) overlay.PotCounter -= 1;
}

void DrawPaintPotAsShown(platform::DeviceContext& screen) {
  if (!Dripping()) return;
  DrawPotFrame(screen, overlay.PotFrameShown);
}

void DrawCursorFrame() {
  const bool shown = Kept.UseJoystick && CursorPos >= 0 && CursorPos < engine::CellCount;
  const int cell = shown ? CursorPos : -1;
  if (overlay.CursorDrawnAt != cell && overlay.CursorDrawnAt >= 0)
    RedrawCell(overlay.CursorDrawnAt);
  overlay.CursorDrawnAt = cell;
  if (!shown) return;
  platform::Point at{};
  CellOrigin(cell, at);
  platform::DeviceContext board = BoardContext();
  DrawPictureKeyed(board, CursorFrame, at.x, at.y);
}

void DrawPicture(platform::DeviceContext& dc, int picture, int x, int y) {
  const PictureSize size = LogicalSizeOf(picture);
  DrawBitmap(dc, PictureOf(picture), size.width, size.height, x, y);
}

// Keyed drawing takes the size in device pixels.
void DrawPictureKeyed(platform::DeviceContext& dc, int picture, int x, int y) {
  const PictureSize size = LogicalSizeOf(picture);
  const std::int32_t key = KeyOf(picture, platform::IsVga(platform::Display.DisplayClass));
  DrawBitmapKeyed(dc, PictureOf(picture), platform::DoublingRule(size.width),
                  platform::DoublingRule(size.height), x, y, key & 0xFF, (key >> 8) & 0xFF,
                  (key >> 16) & 0xFF);
}

void ResetGameOverlays() {
  overlay = OverlayState{};
}

}  // namespace render
