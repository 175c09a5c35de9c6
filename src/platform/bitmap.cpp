#include "platform/bitmap.hpp"

#include <png.h>

#include <cstdio>
#include <memory>

namespace platform {

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

bool SavePng(const Bitmap& bitmap, const char* path) {
  if (bitmap.Empty()) return false;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "wb"), &std::fclose);
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  std::vector<png_byte> row(static_cast<std::size_t>(bitmap.Width()) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()),
               static_cast<png_uint_32>(bitmap.Height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const Colour* src = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(RedOf(src[x]));
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>(GreenOf(src[x]));
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(BlueOf(src[x]));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace platform
