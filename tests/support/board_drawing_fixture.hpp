#pragma once

#include <gtest/gtest.h>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/display_profile.hpp"
#include "platform/software_drawing.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_drawing.hpp"
#include "render/game_layout.hpp"
#include "support/back_buffers.hpp"
#include "support/headless_fixture.hpp"

namespace testing_support {

// A fresh game state, the catalogue and the back buffers on a 240x320 screen,
// and a screen bitmap to draw the panels on.
class BoardFixture : public HeadlessTest {
 protected:
  void SetUp() override { Start(240, 320); }
  void Start(int width, int height, int dpi = 0) {
    StartScreen(width, height, dpi);
    render::LoadCatalogue();
    render::ApplyBallStyle(render::BallStyleShiny);
    CreateBackBuffers();
    render::CurrentLayout = render::GameLayoutOf(platform::Display.DisplayClass);
    engine::InitialiseGameState();
    records::GameStatus = records::GameStatusRecord{};
    engine::Kept.Mode = engine::mode::Easy;
    engine::Kept.Level = 1;
    engine::Game.Phase = engine::phase::Playing;
    for (int p = 1; p <= engine::PipeCount; ++p) engine::Game.LineProgress[p] = 30;
    records::BallStep = 6;
    records::FallStep = 6;
    render::ResetBoardDrawing();
    ScreenBitmap = platform::Bitmap(width, height);
    Screen = platform::MemoryContext(ScreenBitmap);
  }
  void TearDown() override {
    render::ResetBoardDrawing();
    render::ReleaseCatalogue();
    render::CurrentLayout = render::GameLayoutOf(1);
    records::BallStep = 6;
    records::FallStep = 6;
    engine::InitialiseGameState();
    records::GameStatus = records::GameStatusRecord{};
    HeadlessTest::TearDown();
  }
  void ClearScreen() {
    ScreenBitmap = platform::Bitmap(ScreenBitmap.Width(), ScreenBitmap.Height());
  }

  platform::Bitmap ScreenBitmap;
  platform::DeviceContext Screen;
};

constexpr platform::Colour kNoKeyColour = 0xFFFFFFFFu;

// Whether the target shows a w x h part of a picture (from sx, sy) at (x, y),
// ignoring the picture's pixels of the key colour; w or h -1 take the picture's.
inline bool RegionIs(const platform::Bitmap& target, int x, int y, const platform::Bitmap& picture,
                     int w = -1, int h = -1, int sx = 0, int sy = 0,
                     platform::Colour key = kNoKeyColour) {
  if (w < 0) w = picture.Width();
  if (h < 0) h = picture.Height();
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const platform::Colour want = picture.Pixel(sx + i, sy + j);
      if (want == key) continue;
      const int tx = x + i;
      const int ty = y + j;
      if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) return false;
      if (target.Pixel(tx, ty) != want) return false;
    }
  }
  return true;
}

inline bool KeyedAt(const platform::Bitmap& target, const platform::Bitmap& picture, int x, int y,
                    platform::Colour key) {
  return RegionIs(target, x, y, picture, -1, -1, 0, 0, key);
}

// The columns that hold pixels of a colour: the extent of a text drawn in it.
struct TextBounds {
  int left = -1;
  int width = 0;
};
inline TextBounds InkOf(const platform::Bitmap& b, platform::Colour colour) {
  int left = b.Width();
  int right = -1;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) != colour) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return right < 0 ? TextBounds{} : TextBounds{left, right - left + 1};
}

// Whether pipe 1..24 shows frame 1 in the tint of a heat, at its place on the board.
inline bool PipeShown(int pipe, int heat) {
  const int side = engine::SideOfPipe(pipe);
  const int n = (pipe - 1) % 6;
  int x = side == engine::side::Left ? 0 : 198;
  int y = 18 + 30 * n;
  if (side == engine::side::Top || side == engine::side::Bottom) {
    x = 18 + 30 * n;
    y = side == engine::side::Top ? 0 : 198;
  }
  const platform::Bitmap* picture = render::PipePicture(heat, 1, side);
  return picture && RegionIs(render::BackBuffers[render::BoardBuffer], x, y, *picture);
}

}  // namespace testing_support
