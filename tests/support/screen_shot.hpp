#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/headless.hpp"

namespace testing_support {

// Writes what the player sees as a PPM named for a picture when
// FANDRIASS_SHOTS names a folder, so it can be looked at; otherwise nothing.
inline void ShootScreen(const std::string& name) {
  const char* folder = std::getenv("FANDRIASS_SHOTS");
  if (!folder) return;
  const platform::Bitmap shot = platform::headless::Screen();
  std::FILE* f = std::fopen((std::string(folder) + "/" + name + ".ppm").c_str(), "wb");
  if (!f) return;
  std::fprintf(f, "P6 %d %d 255\n", shot.Width(), shot.Height());
  for (const platform::Colour c : shot.Pixels()) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(platform::RedOf(c)),
                                  static_cast<unsigned char>(platform::GreenOf(c)),
                                  static_cast<unsigned char>(platform::BlueOf(c))};
    std::fwrite(rgb, 1, 3, f);
  }
  std::fclose(f);
}

}  // namespace testing_support
