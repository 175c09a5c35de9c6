#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The resource pack: every picture, clip, icon and face of the game in one blob that
// the build links into the executable. Shared by the packing tool and the game.
namespace platform {

enum class ResourceKind : std::uint32_t { Bitmap = 1, Wave = 2, Icon = 3, Face = 4 };

struct PackEntry {
  ResourceKind kind = ResourceKind::Bitmap;
  std::uint32_t id = 0;
  std::vector<std::uint8_t> bytes;
};

// The blob: "FDRSPACK", version, count, then per entry kind, id, offset and size
// (little-endian 32-bit; offsets from the start of the blob), sorted by kind and
// id, then the data; entries with the same bytes share them. False when two
// entries share a kind and an id.
bool BuildResourcePack(std::vector<PackEntry> entries, std::vector<std::uint8_t>& pack);

// A read-only view of a pack. A damaged or foreign blob reads as an empty pack.
class ResourcePack {
 public:
  ResourcePack() = default;
  explicit ResourcePack(std::span<const std::uint8_t> blob);

  // The bytes of one resource; empty when the pack has no such entry.
  std::span<const std::uint8_t> Find(ResourceKind kind, std::uint32_t id) const;

 private:
  std::span<const std::uint8_t> blob_;
  std::uint32_t count_ = 0;
};

}  // namespace platform
