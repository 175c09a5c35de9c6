// Packs the generated pictures, clips and icons into the one blob the game
// links in. Usage: fandriass_pack <resource folder> <pack file>
//
// Files are named bitmap_<id>.png, wave_<id>.wav, icon_<id>.png and face_<id>.bin. A folder
// that does not exist yet packs to an empty pack, so the game builds before any
// generator exists. The pack file is rewritten only when its bytes change, so an
// unchanged build does not relink.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/resources/resource_pack.hpp"

namespace fs = std::filesystem;

namespace {

struct NamePattern {
  std::string_view prefix;
  std::string_view suffix;
  platform::ResourceKind kind;
};

constexpr NamePattern kPatterns[] = {
    {"bitmap_", ".png", platform::ResourceKind::Bitmap},
    {"wave_", ".wav", platform::ResourceKind::Wave},
    {"icon_", ".png", platform::ResourceKind::Icon},
    {"face_", ".bin", platform::ResourceKind::Face},
};

// Resource identifiers were 16-bit numbers.
constexpr std::uint32_t kMaxId = 65535;

bool ParseName(std::string_view name, platform::PackEntry& entry) {
  for (const NamePattern& p : kPatterns) {
    if (name.size() <= p.prefix.size() + p.suffix.size() || !name.starts_with(p.prefix) ||
        !name.ends_with(p.suffix)) {
      continue;
    }
    const std::string_view digits =
        name.substr(p.prefix.size(), name.size() - p.prefix.size() - p.suffix.size());
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    if (error != std::errc() || end != digits.data() + digits.size() || id > kMaxId) return false;
    entry.kind = p.kind;
    entry.id = id;
    return true;
  }
  return false;
}

bool ReadFile(const fs::path& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <resource folder> <pack file>\n", argv[0]);
    return 2;
  }
  const fs::path folder = argv[1];
  const fs::path output = argv[2];

  std::vector<platform::PackEntry> entries;
  std::error_code error;
  if (fs::is_directory(folder, error)) {
    for (const fs::directory_entry& file : fs::directory_iterator(folder, error)) {
      if (!file.is_regular_file()) continue;
      const std::string name = file.path().filename().string();
      platform::PackEntry entry;
      if (!ParseName(name, entry)) {
        std::fprintf(stderr, "fandriass_pack: %s is not a resource name, skipped\n",
                     file.path().c_str());
        continue;
      }
      if (!ReadFile(file.path(), entry.bytes)) {
        std::fprintf(stderr, "fandriass_pack: cannot read %s\n", file.path().c_str());
        return 1;
      }
      entries.push_back(std::move(entry));
    }
    if (error) {
      std::fprintf(stderr, "fandriass_pack: cannot list %s\n", folder.c_str());
      return 1;
    }
  }

  const std::size_t count = entries.size();
  std::vector<std::uint8_t> pack;
  if (!platform::BuildResourcePack(std::move(entries), pack)) {
    std::fprintf(stderr, "fandriass_pack: duplicate identifiers or pack too large in %s\n",
                 folder.c_str());
    return 1;
  }

  std::vector<std::uint8_t> existing;
  if (ReadFile(output, existing) && existing == pack) return 0;
  const fs::path temporary = output.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(pack.data()),
              static_cast<std::streamsize>(pack.size()));
    if (!out) {
      std::fprintf(stderr, "fandriass_pack: cannot write %s\n", temporary.c_str());
      return 1;
    }
  }
  fs::rename(temporary, output, error);
  if (error) {
    std::fprintf(stderr, "fandriass_pack: cannot write %s\n", output.c_str());
    return 1;
  }
  std::printf("fandriass_pack: %zu resources, %zu bytes\n", count, pack.size());
  return 0;
}
