#include "platform/resources/resources.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <memory>

#include "stb_image.h"

#include "platform/resources/resource_pack.hpp"

// Written by the build: the packed resources, linked in as read-only data.
extern "C" const std::uint8_t fandriass_resources_begin[];
extern "C" const std::uint8_t fandriass_resources_end[];

namespace platform {

namespace {

// Larger than any picture the game has, small enough that a damaged header
// cannot make us ask for gigabytes.
constexpr int kMaxSide = 8192;
constexpr std::size_t kMaxPixels = 16u * 1024u * 1024u;

std::span<const std::uint8_t> EmbeddedBlob() {
  return {fandriass_resources_begin,
          static_cast<std::size_t>(fandriass_resources_end - fandriass_resources_begin)};
}

std::span<const std::uint8_t> downloaded;

ResourcePack& ActivePack() {
  static ResourcePack pack(downloaded.empty() ? EmbeddedBlob() : downloaded);
  return pack;
}

std::span<const std::uint8_t> Find(ResourceKind kind, int id) {
  if (id < 0) return {};
  return ActivePack().Find(kind, static_cast<std::uint32_t>(id));
}

}  // namespace

Bitmap DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int size = static_cast<int>(bytes.size());
  // The header is read first, so that a damaged one never gets pixels allocated.
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, size, &width, &height, &channels)) return {};
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
      std::size_t(width) * std::size_t(height) > kMaxPixels) {
    return {};
  }
  std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
      stbi_load_from_memory(data, size, &width, &height, &channels, 4), stbi_image_free);
  if (!rgba) return {};
  // A see-through pixel shows black, as the window behind a picture does.
  Bitmap bitmap(width, height);
  const stbi_uc* source = rgba.get();
  for (int y = 0; y < height; ++y) {
    Colour* row = bitmap.Row(y);
    for (int x = 0; x < width; ++x, source += 4) {
      const unsigned a = source[3];
      const auto over = [a](unsigned c) { return static_cast<std::uint8_t>((c * a + 127) / 255); };
      row[x] = Rgb(over(source[0]), over(source[1]), over(source[2]));
    }
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

Font LoadFontResource(int cellHeight, int weight) {
  // A size the build did not rasterise takes the nearest smaller face, so the
  // text still shows, a little small, in cells of the asked height.
  for (int cell = cellHeight; cell > 0; --cell) {
    const GlyphFace face(
        Find(ResourceKind::Face, static_cast<int>(FaceId(cell, IsBoldWeight(weight)))));
    if (!face.Empty()) return Font(face, cellHeight);
  }
  return Font{};
}

void UseDownloadedResources(std::span<const std::uint8_t> pack) {
  downloaded = pack;
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
