#pragma once

// The web build's tests run under Node.js, with no libpng: they fingerprint
// frames as everywhere but write no pictures.
#if __has_include(<png.h>)
#include <png.h>
#define FANDRIASS_TESTS_WRITE_PNG 1
#endif

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/drawing/bitmap.hpp"
#include "platform/drawing/colour.hpp"

// The one pixel helper of the tests: a fingerprint that any changed pixel
// changes, and a picture written as PNG for a person to look at.
namespace testing_support {

// Four interleaved multiply-xor lanes over the colours (the unused top byte
// masked off): quick enough to take after every frame of a whole game.
inline std::uint64_t Fingerprint(const platform::Bitmap& picture) {
  const std::vector<platform::Colour>& pixels = picture.Pixels();
  std::uint64_t lane[4] = {0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull,
                           0x27D4EB2F165667C5ull};
  constexpr std::uint64_t kMultiplier = 0xFF51AFD7ED558CCDull;
  std::size_t i = 0;
  for (; i + 8 <= pixels.size(); i += 8) {
    for (int k = 0; k < 4; ++k) {
      const std::uint64_t pair = (std::uint64_t{pixels[i + 2 * k] & 0xFFFFFFu} << 32) |
                                 (pixels[i + 2 * k + 1] & 0xFFFFFFu);
      lane[k] = (lane[k] ^ pair) * kMultiplier;
      lane[k] ^= lane[k] >> 29;
    }
  }
  std::uint64_t hash = lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7);
  for (; i < pixels.size(); ++i) hash = (hash ^ (pixels[i] & 0xFFFFFFu)) * kMultiplier;
  hash ^= static_cast<std::uint64_t>(picture.Width()) << 48 | picture.Height();
  return hash * kMultiplier ^ (hash >> 31);
}

#ifndef FANDRIASS_TESTS_WRITE_PNG
inline bool WritePng(const platform::Bitmap&, const std::string&) {
  return false;
}
#else
inline bool WritePng(const platform::Bitmap& picture, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()),
               static_cast<png_uint_32>(picture.Height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<unsigned char> row(static_cast<std::size_t>(picture.Width()) * 3);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const platform::Colour c = picture.Pixel(x, y);
      row[3 * x] = static_cast<unsigned char>(platform::RedOf(c));
      row[3 * x + 1] = static_cast<unsigned char>(platform::GreenOf(c));
      row[3 * x + 2] = static_cast<unsigned char>(platform::BlueOf(c));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}
#endif

}  // namespace testing_support
