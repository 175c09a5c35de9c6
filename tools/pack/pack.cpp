// Packs the generated pictures, clips and icons into the one blob the game
// links in. Usage: fandriass_pack <resource folder> <pack file> [WxH]
//
// With a screen size, the pack holds only the pictures a game on that screen
// shows: its own set (small or VGA) and its own main menu picture. The web page
// downloads such a pack, since a page keeps its screen for as long as it is open.
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
#include "render/bitmap_catalogue_table.hpp"

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

// The pictures of the catalogue a screen of this size shows; false for a size
// that is no screen of the game's.
bool PicturesOf(std::string_view screen, std::vector<bool>& shown) {
  int width = 0;
  int height = 0;
  const std::size_t x = screen.find('x');
  if (x == std::string_view::npos ||
      std::from_chars(screen.data(), screen.data() + x, width).ec != std::errc() ||
      std::from_chars(screen.data() + x + 1, screen.data() + screen.size(), height).ec !=
          std::errc()) {
    return false;
  }
  const bool small = (width == 240 || width == 320) && (height == 240 || height == 320);
  const bool vga =
      (width == 480 || width == 640) && (height == 480 || height == 640) && width + height < 1280;
  if (!small && !vga) return false;
  render::Picture menu = render::MenuPortrait;
  if (width > height) menu = render::MenuLandscape;
  if (width == height) menu = width == 320 ? render::Menu320 : render::MenuSquare;
  shown.assign(kMaxId + 1, false);
  for (int entry = 0; entry < render::PictureCount; ++entry) {
    const bool otherMenu =
        entry >= render::MenuSquare && entry <= render::MenuPortrait && entry != menu;
    const render::PictureRow& row = render::kPictureTable[entry];
    const int id = small ? row.smallId : row.vgaId;
    if (!otherMenu && id > 0) shown[static_cast<std::size_t>(id)] = true;
  }
  return true;
}

bool ReadFile(const fs::path& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<bool> shown;
  if ((argc != 3 && argc != 4) || (argc == 4 && !PicturesOf(argv[3], shown))) {
    std::fprintf(stderr, "usage: %s <resource folder> <pack file> [WxH]\n", argv[0]);
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
      if (!shown.empty() && entry.kind == platform::ResourceKind::Bitmap && !shown[entry.id]) {
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
