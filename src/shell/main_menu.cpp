#include "shell/main_menu.hpp"

#include "engine/game_entries.hpp"
#include "engine/game_state.hpp"
#include "engine/new_game_and_supply.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/drawing_primitives.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"

namespace shell {

namespace {

struct MenuPicture {
  render::Picture entry;
  int width;
  int height;
};

MenuPicture PictureFor(platform::ScreenClass displayClass) {
  if (platform::IsWide(displayClass)) return {render::MenuLandscape, 320, 240};
  if (platform::IsSquare(displayClass)) return {render::MenuSquare, 240, 240};
  if (platform::IsLarge(displayClass)) return {render::Menu320, 320, 320};
  return {render::MenuPortrait, 240, 320};
}

// The marker lights the socket left of each entry's label; the VGA pictures
// line the mode sockets up at one x.
struct MarkerPlace {
  int smallX;
  int vgaX;
  int y;
};
constexpr MarkerPlace kMarkers[7] = {
    {11, 11, 266},   {11, 11, 293},   {136, 133, 178}, {135, 133, 207},
    {134, 133, 236}, {133, 133, 265}, {133, 133, 294},
};
constexpr int kMarkerSize = 10;

// Entering the menu wipes the previous game and lets the settings take effect.
void EnterMainMenu() {
  render::CursorPos = 0;
  render::FullRedrawRequested = true;
  popup::HelpShown = 0;
  engine::ClearGame();
  records::ApplySettings();
  render::ApplyBallStyle(records::ActiveBallStyle);
  render::ScreenPhase = 1;
}

}  // namespace

MenuOffsets MainMenuOffsets(platform::ScreenClass displayClass) {
  if (platform::IsWide(displayClass)) return {40, 80};
  if (platform::IsSquare(displayClass)) return {0, 80};
  if (platform::IsLarge(displayClass)) return {40, 0};
  return {0, 0};
}

bool MenuMarkerSquare(std::int32_t entry, platform::ScreenClass displayClass,
                      platform::Rect& square) {
  if (entry < 1 || entry > 7) return false;
  const MarkerPlace& place = kMarkers[entry - 1];
  const MenuOffsets o = MainMenuOffsets(displayClass);
  const int x = o.x + (platform::IsVga(displayClass) ? place.vgaX : place.smallX);
  const int y = place.y - o.y;
  square = platform::Rect{x, y, x + kMarkerSize, y + kMarkerSize};
  return true;
}

void InvalidateMenuMarker(platform::Window* window, std::int32_t entry) {
  platform::Rect square;
  if (!MenuMarkerSquare(entry, platform::Display.DisplayClass, square)) return;
  platform::InvalidateLogicalRect(window, square.left, square.top, square.right, square.bottom);
}

void PaintMainMenu(platform::DeviceContext& dc) {
  if (render::ScreenPhase == 0) EnterMainMenu();
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  const MenuPicture picture = PictureFor(displayClass);
  render::DrawBitmap(dc, render::PictureOf(picture.entry), picture.width, picture.height, 0, 0);
  platform::Rect square;
  if (records::GameStatus.UseJoystick == 1 &&
      MenuMarkerSquare(render::CursorPos, displayClass, square)) {
    render::DrawRoundBox(dc, 1, platform::ScaleRuleX(square.left), platform::ScaleRuleY(square.top),
                         platform::ScaleRuleX(kMarkerSize), platform::ScaleRuleY(kMarkerSize), 0, 0,
                         0, 0, 0, 255, 0, 0);
  }
  render::RepaintAll = 0;
}

}  // namespace shell
