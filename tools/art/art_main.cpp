// The artwork generator: draws every picture of the catalogue in the small and
// the VGA set, plus the window icon, as bitmap_<id>.png files; with --icons,
// the application icon at the desktop's sizes; or, with --sheets, lays the
// drawn pictures out on contact sheets for review.
//
//   fandriass_art_tool --regular FACE --bold FACE --out DIR
//   fandriass_art_tool --regular FACE --bold FACE --icons DIR
//   fandriass_art_tool --regular FACE --bold FACE --sheets GENERATED_DIR OUT_DIR

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "art_kit.hpp"
#include "contact_sheet.hpp"
#include "desktop_icons.hpp"
#include "drawings.hpp"
#include "picture_output.hpp"
#include "recipes.hpp"
#include "render/bitmap_catalogue_table.hpp"

namespace {

std::string PathFor(const std::string& dir, int id) {
  return dir + "/bitmap_" + std::to_string(id) + ".png";
}

bool DrawOne(const art::Recipe& recipe, int index, int w, int h, int scale, std::int32_t key,
             const std::string& path) {
  cairo_surface_t* s = art::RenderPicture(recipe, index, w, h, scale, key);
  const bool ok = art::WritePng(s, path);
  cairo_surface_destroy(s);
  if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return ok;
}

int DrawAll(const std::string& dir) {
  int written = 0;
  for (int entry = 0; entry < render::PictureCount; ++entry) {
    const render::PictureRow& row = render::kPictureTable[entry];
    int index = 0;
    const art::Recipe recipe = art::RecipeFor(entry, &index);
    if (!recipe.draw) {
      std::fprintf(stderr, "no drawing for catalogue entry %d\n", entry);
      return -1;
    }
    if (!DrawOne(recipe, index, row.smallWidth, row.smallHeight, 1, row.smallKey,
                 PathFor(dir, row.smallId)))
      return -1;
    ++written;
    // A VGA entry that shares the small picture's identifier is that picture.
    if (row.vgaId != 0 && row.vgaId != row.smallId) {
      if (!DrawOne(recipe, index, row.smallWidth, row.smallHeight, 2, row.vgaKey,
                   PathFor(dir, row.vgaId)))
        return -1;
      ++written;
    }
  }
  // The window icon: a 32-pixel description drawn at 64x64.
  if (!DrawOne(art::Recipe{art::DrawWindowIcon, nullptr, 0}, 0, 32, 32, 2, render::kNoKey,
               dir + "/icon_" + std::to_string(render::kWindowIconId) + ".png"))
    return -1;
  return written + 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string regular, bold, out, icons, sheetsIn, sheetsOut;
  for (int i = 1; i < argc; ++i) {
    const bool more = i + 1 < argc;
    if (!std::strcmp(argv[i], "--regular") && more) {
      regular = argv[++i];
    } else if (!std::strcmp(argv[i], "--bold") && more) {
      bold = argv[++i];
    } else if (!std::strcmp(argv[i], "--out") && more) {
      out = argv[++i];
    } else if (!std::strcmp(argv[i], "--icons") && more) {
      icons = argv[++i];
    } else if (!std::strcmp(argv[i], "--sheets") && i + 2 < argc) {
      sheetsIn = argv[++i];
      sheetsOut = argv[++i];
    } else {
      std::fprintf(
          stderr,
          "usage: %s --regular FACE --bold FACE (--out DIR | --icons DIR | --sheets IN OUT)\n",
          argv[0]);
      return 2;
    }
  }
  if (!art::LoadFaces(regular, bold)) {
    std::fprintf(stderr, "cannot load the faces %s and %s\n", regular.c_str(), bold.c_str());
    art::ReleaseFaces();
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  int result = 0;
  if (!out.empty()) {
    const int written = DrawAll(out);
    if (written < 0) {
      result = 1;
    } else {
      const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
      std::printf("drew %d pictures in %lld ms\n", written, static_cast<long long>(ms));
    }
  } else if (!icons.empty()) {
    result = art::WriteDesktopIcons(icons) ? 0 : 1;
  } else if (!sheetsIn.empty()) {
    result = art::WriteContactSheets(sheetsIn, sheetsOut) ? 0 : 1;
  }
  art::ReleaseFaces();
  return result;
}
