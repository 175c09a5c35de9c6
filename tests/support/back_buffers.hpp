#pragma once

#include "platform/display_profile.hpp"
#include "render/bitmap_catalogue.hpp"

namespace testing_support {

// The game screen's back buffers at the size the current display class gives them.
inline void CreateBackBuffers() {
  static constexpr int kSizes[render::BackBufferCount][2] = {
      {216, 216}, {60, 60},  {180, 78}, {78, 180}, {13, 116}, {30, 30},
      {180, 120}, {122, 18}, {60, 20},  {30, 25},  {176, 40}};
  const bool seven = platform::Display.DisplayClass == platform::Class320x320;
  for (int i = 0; i < render::BackBufferCount; ++i) {
    const int w = seven ? kSizes[i][0] : static_cast<int>(kSizes[i][0] * platform::Display.ScaleX);
    const int h = seven ? kSizes[i][1] : static_cast<int>(kSizes[i][1] * platform::Display.ScaleY);
    render::BackBuffers[i] = platform::Bitmap(w, h);
  }
}

}  // namespace testing_support
