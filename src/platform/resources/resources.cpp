#include "platform/resources/resources.hpp"

#include <png.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "platform/resources/resource_pack.hpp"

// Written by the build: the packed resources, linked in as read-only data.
extern "C" const std::uint8_t fandriass_resources_begin[];
extern "C" const std::uint8_t fandriass_resources_end[];

namespace platform {

namespace {

// Larger than any picture the game has, small enough that a damaged header
// cannot make us ask for gigabytes.
constexpr png_uint_32 kMaxSide = 8192;
constexpr std::size_t kMaxPixels = 16u * 1024u * 1024u;

std::span<const std::uint8_t> EmbeddedBlob() {
  return {fandriass_resources_begin,
          static_cast<std::size_t>(fandriass_resources_end - fandriass_resources_begin)};
}

ResourcePack& ActivePack() {
  static ResourcePack pack(EmbeddedBlob());
  return pack;
}

std::span<const std::uint8_t> Find(ResourceKind kind, int id) {
  if (id < 0) return {};
  return ActivePack().Find(kind, static_cast<std::uint32_t>(id));
}

}  // namespace

Bitmap DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return {};
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide ||
      std::size_t{image.width} * std::size_t{image.height} > kMaxPixels) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  const int width = static_cast<int>(image.width);
  const int height = static_cast<int>(image.height);
  Bitmap bitmap(width, height);
  const png_byte* source = rgb.data();
  for (int y = 0; y < height; ++y) {
    Colour* row = bitmap.Row(y);
    for (int x = 0; x < width; ++x, source += 3) row[x] = Rgb(source[0], source[1], source[2]);
  }
  return bitmap;
}

Bitmap LoadBitmapResource(int id) {
  return DecodePng(Find(ResourceKind::Bitmap, id));
}

std::span<const std::uint8_t> WaveResource(int id) {
  return Find(ResourceKind::Wave, id);
}

Bitmap LoadIconResource(int id) {
  return DecodePng(Find(ResourceKind::Icon, id));
}

void ReleaseResourcePages() {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<std::uintptr_t>(fandriass_resources_begin);
  const auto end = reinterpret_cast<std::uintptr_t>(fandriass_resources_end);
  const std::uintptr_t first = (begin + page - 1) / page * page;
  const std::uintptr_t last = end / page * page;
  // The pages are the executable's own, never written: dropping them loses
  // nothing, and a later look reads them again from the file.
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

}  // namespace platform
