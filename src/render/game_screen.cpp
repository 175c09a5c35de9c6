#include "render/game_screen.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_cells.hpp"
#include "render/bonus_cell_drawing.hpp"
#include "render/drawing_primitives.hpp"
#include "render/game_frame.hpp"
#include "render/game_layout.hpp"
#include "render/game_overlays.hpp"
#include "render/paint_steps.hpp"
#include "render/panel_items.hpp"
#include "render/screen_state.hpp"

namespace render {

bool FullRedrawRequested = false;
bool BoardRedrawRequested = false;
bool LateBoardRedrawRequested = false;
std::int32_t CursorPos = 500;

namespace {

struct BufferSize {
  int width;
  int height;
};
constexpr BufferSize kBufferSizes[BackBufferCount] = {
    {216, 216}, {60, 60},  {180, 78}, {78, 180}, {13, 116}, {30, 30},
    {180, 120}, {122, 18}, {60, 20},  {30, 25},  {176, 40},
};

// The class the frame on screen was laid out for (None: none yet).
platform::ScreenClass laidOutClass = platform::ScreenClass::None;

bool BuffersFit() {
  for (int b = 0; b < BackBufferCount; ++b) {
    if (BackBuffers[b].Width() != platform::ScaleRuleX(kBufferSizes[b].width) ||
        BackBuffers[b].Height() != platform::ScaleRuleY(kBufferSizes[b].height)) {
      return false;
    }
  }
  return true;
}

// Created on the first game paint, and again should the screen's scale change.
void CreateBackBuffers() {
  for (int b = 0; b < BackBufferCount; ++b) {
    BackBuffers[b] = platform::Bitmap(platform::ScaleRuleX(kBufferSizes[b].width),
                                      platform::ScaleRuleY(kBufferSizes[b].height));
  }
}

}  // namespace

void PaintGameScreen(platform::Window* window, platform::DeviceContext& screen) {
  const bool fresh = !BuffersFit();
  if (fresh) CreateBackBuffers();
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  if (!platform::IsSupported(displayClass)) return;

  // A frame drawn whole serves the word's and the colour's requests.
  bool panelsRedrawn = false;
  if (engine::Game.RestoreKeptGame) FullRedrawRequested = true;
  if (FullRedrawRequested) {
    FullRedraw(window, screen);
    FullRedrawRequested = false;
    laidOutClass = displayClass;
    // The redraw's tick may end the show of a finished game and move on: the
    // next screen's first paint must still find its entry step ahead of it.
    if (ScreenState != screen::Game) return;
    ScreenPhase = 1;
  } else if (laidOutClass != displayClass || fresh) {
    // The screen changed under a running game: lay the frame out again for it
    // without restarting anything.
    SetGameLayout();
    DrawWholeFrame(screen);
    if (engine::Kept.Mode == engine::mode::Heat) DrawPipes();
    DrawNextColour(screen);
    BoardRedrawRequested = true;
    laidOutClass = displayClass;
    panelsRedrawn = true;
  }
  if (RepaintAll) {
    RefreshFrame(screen);
    RepaintAll = 0;
    panelsRedrawn = true;
  }
  DrawSoundIcon(screen);
  PaintSteps(screen, panelsRedrawn);
  if (LateBoardRedrawRequested) {
    RedrawBoard();
    LateBoardRedrawRequested = false;
  }
  DrawCursorFrame();

  const platform::Rect board = Placed(engine::Item::Board);
  BlitScaled(screen, BackBuffers[BoardBuffer], 0, 0, board.left, board.top, 216, 216);
  DrawExtraLabel(screen);
  if (PausedNoticeShown) DrawPausedNotice(screen);
}

void ResetGameScreen() {
  FullRedrawRequested = false;
  BoardRedrawRequested = false;
  LateBoardRedrawRequested = false;
  CursorPos = 500;
  laidOutClass = platform::ScreenClass::None;
  for (platform::Bitmap& buffer : BackBuffers) buffer = platform::Bitmap();
  ResetGameOverlays();
}

}  // namespace render
