#include "platform/resources/resource_pack.hpp"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr char kMagic[8] = {'F', 'D', 'R', 'S', 'P', 'A', 'C', 'K'};
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kEntrySize = 16;

void PutWord(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Word(std::span<const std::uint8_t> blob, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(blob[at + i]) << (8 * i);
  return value;
}

std::uint64_t SortKey(std::uint32_t kind, std::uint32_t id) {
  return (static_cast<std::uint64_t>(kind) << 32) | id;
}

}  // namespace

bool BuildResourcePack(std::vector<PackEntry> entries, std::vector<std::uint8_t>& pack) {
  std::sort(entries.begin(), entries.end(), [](const PackEntry& a, const PackEntry& b) {
    return SortKey(static_cast<std::uint32_t>(a.kind), a.id) <
           SortKey(static_cast<std::uint32_t>(b.kind), b.id);
  });
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (entries[i].kind == entries[i - 1].kind && entries[i].id == entries[i - 1].id) {
      return false;
    }
  }
  std::size_t total = kHeaderSize + kEntrySize * entries.size();
  for (const PackEntry& e : entries) total += e.bytes.size();
  if (total > UINT32_MAX) return false;

  pack.assign(kHeaderSize + kEntrySize * entries.size(), 0);
  std::memcpy(pack.data(), kMagic, sizeof kMagic);
  PutWord(pack, 8, kVersion);
  PutWord(pack, 12, static_cast<std::uint32_t>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::size_t at = kHeaderSize + kEntrySize * i;
    PutWord(pack, at, static_cast<std::uint32_t>(entries[i].kind));
    PutWord(pack, at + 4, entries[i].id);
    PutWord(pack, at + 12, static_cast<std::uint32_t>(entries[i].bytes.size()));
    // Resources with the same bytes (faces of two cell heights that round to
    // one size) are kept once, which the page's download feels most.
    std::size_t same = 0;
    while (same < i && entries[same].bytes != entries[i].bytes) ++same;
    const std::size_t offset =
        same < i ? Word(pack, kHeaderSize + kEntrySize * same + 8) : pack.size();
    PutWord(pack, at + 8, static_cast<std::uint32_t>(offset));
    if (same == i) pack.insert(pack.end(), entries[i].bytes.begin(), entries[i].bytes.end());
  }
  return true;
}

ResourcePack::ResourcePack(std::span<const std::uint8_t> blob) {
  if (blob.size() < kHeaderSize || std::memcmp(blob.data(), kMagic, sizeof kMagic) != 0 ||
      Word(blob, 8) != kVersion) {
    return;
  }
  const std::uint32_t count = Word(blob, 12);
  if (count > (blob.size() - kHeaderSize) / kEntrySize) return;
  // Every entry must lie inside the blob and the index must be sorted, or the
  // lookups below could read outside it or miss entries.
  std::uint64_t previous = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = kHeaderSize + kEntrySize * i;
    const std::uint64_t key = SortKey(Word(blob, at), Word(blob, at + 4));
    const std::uint64_t end = std::uint64_t{Word(blob, at + 8)} + Word(blob, at + 12);
    if (end > blob.size() || (i > 0 && key <= previous)) return;
    previous = key;
  }
  blob_ = blob;
  count_ = count;
}

std::span<const std::uint8_t> ResourcePack::Find(ResourceKind kind, std::uint32_t id) const {
  const std::uint64_t wanted = SortKey(static_cast<std::uint32_t>(kind), id);
  std::uint32_t low = 0;
  std::uint32_t high = count_;
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    const std::size_t at = kHeaderSize + kEntrySize * middle;
    const std::uint64_t key = SortKey(Word(blob_, at), Word(blob_, at + 4));
    if (key == wanted) return blob_.subspan(Word(blob_, at + 8), Word(blob_, at + 12));
    if (key < wanted) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return {};
}

}  // namespace platform
