#include "engine/screen_items.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"

namespace engine {

namespace {

constexpr int kCell = 30;
constexpr int kPipe = 18;

platform::Rect At(int x, int y, int width, int height) {
  return {x, y, x + width, y + height};
}

// The pot stands beside the reserve in the bottom panel, which the layouts
// shifted up show only down to its score. There the wide ones stand it at the
// foot of the right-hand panel, under its feed pipe, and the square ones in the
// corner after the score, which PANIC's clock takes from it.
platform::Rect PotOn(const GameLayout& layout) {
  constexpr int kWidth = 19, kHeight = 24;
  if (layout.ViewShiftY == 0) return At(layout.CanvasOffsetX + 217, 276, kWidth, kHeight);
  if (layout.CanvasWidth == 320) return At(289, 31 + 210 - layout.ViewShiftY, kWidth, kHeight);
  if (Kept.Mode != mode::Panic) return At(215, 216, kWidth, kHeight);
  return {};
}

// The square classes shift the icon bar out of sight: the back and close
// buttons sit on the menu button right of the top pipes, and there is no sound icon.
platform::Rect IconOn(Item item, const GameLayout& layout, bool square) {
  const int x = layout.IconBarX;
  const int y = layout.IconBarY;
  switch (item) {
    case Item::SoundIcon:
      return square ? platform::Rect{} : At(x - 36, y, 18, 18);
    case Item::BackButton:
      return square ? At(216, 0, 12, 13) : At(x - 18, y, 18, 18);
    default:
      return square ? At(228, 0, 13, 13) : At(x, y, 18, 18);
  }
}

}  // namespace

GameLayout GameLayoutOf(platform::ScreenClass displayClass) {
  if (platform::IsWide(displayClass)) return {320, 320, 31, 0, 31, 31, 302, 1};
  if (platform::IsSquare(displayClass)) return {240, 320, 0, 0, 0, 31, 217, 13};
  if (platform::IsLarge(displayClass)) return {320, 320, 31, 31, 31, 0, 302, 1};
  return {240, 320, 0, 31, 0, 0, 217, 13};
}

platform::Rect ItemOn(Item item, platform::ScreenClass displayClass) {
  const GameLayout layout = GameLayoutOf(displayClass);
  // Board items go by the board's corner; the reserve column and the bottom
  // panel are canvas items, shown shifted up.
  const int bx = layout.ScreenOffsetX;
  const int by = layout.ScreenOffsetY;
  const int cx = layout.CanvasOffsetX;
  const int cy = -layout.ViewShiftY;
  switch (item) {
    case Item::Board:
      return At(bx, by, 216, 216);
    case Item::Cells:
      return At(bx + kPipe, by + kPipe, 6 * kCell, 6 * kCell);
    case Item::NextColour:
      return At(cx + 217, cy + 48, 18, 25);
    case Item::Gauge:
      return At(cx + 220, cy + 92, 13, 116);
    case Item::LevelTile:
      return At(cx + 216, cy + 217, 20, 20);
    case Item::LetterStrip:
      return At(cx + 9, cy + 247, 122, 18);
    case Item::ScoreBox:
      return At(bx + 146, by + 219, 60, 20);
    case Item::PanicClock:
      return At(bx + 210, by + 216, 30, 25);
    case Item::ColourWheel:
      return At(bx + 216, by + 216, 21, 21);
    case Item::PaintPot:
      return PotOn(layout);
    case Item::CoilLow:
      return platform::IsTall(displayClass) ? At(101, 284, 30, 24) : platform::Rect{};
    case Item::CoilHigh:
      return platform::IsTall(displayClass) ? At(47, -18, 30, 24) : platform::Rect{};
    case Item::HazardSign:
      return platform::IsTall(displayClass) ? At(164, 281, 29, 30) : platform::Rect{};
    default:
      return IconOn(item, layout, platform::IsSquare(displayClass));
  }
}

platform::Rect CellOn(int cell, platform::ScreenClass displayClass) {
  const platform::Rect cells = ItemOn(Item::Cells, displayClass);
  return At(cells.left + kCell * ColumnOf(cell), cells.top + kCell * RowOf(cell), kCell, kCell);
}

int CellAt(int x, int y, platform::ScreenClass displayClass) {
  const platform::Rect cells = ItemOn(Item::Cells, displayClass);
  if (!cells.Contains(x, y)) return -1;
  return CellOf((y - cells.top) / kCell, (x - cells.left) / kCell);
}

void InvalidateItem(platform::Window* window, Item item) {
  const platform::Rect rect = ItemOn(item, platform::Display.DisplayClass);
  if (rect.Empty()) return;
  platform::InvalidateLogicalRect(window, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace engine
