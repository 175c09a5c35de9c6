#include "contact_sheet.hpp"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "art_kit.hpp"
#include "main_menu_layout.hpp"
#include "render/bitmap_catalogue_table.hpp"

namespace art {

namespace {

using namespace render;

struct Loaded {
  int id = 0;
  cairo_surface_t* raw = nullptr;    // as stored
  cairo_surface_t* keyed = nullptr;  // key pixels made transparent, or null
};

cairo_surface_t* Load(const std::string& dir, int id) {
  const std::string path = dir + "/bitmap_" + std::to_string(id) + ".png";
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    cairo_surface_destroy(s);
    return nullptr;
  }
  return s;
}

// A copy with every pixel of the key colour made transparent, as the game draws it.
cairo_surface_t* Keyed(cairo_surface_t* raw, std::int32_t key) {
  const int w = cairo_image_surface_get_width(raw), h = cairo_image_surface_get_height(raw);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_surface(cr, raw, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  const std::uint32_t k = ((static_cast<std::uint32_t>(key) & 0xFF) << 16) |
                          (static_cast<std::uint32_t>(key) & 0xFF00) |
                          ((static_cast<std::uint32_t>(key) >> 16) & 0xFF);
  unsigned char* d = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(d + y * stride);
    for (int x = 0; x < w; ++x)
      if ((row[x] & 0xFFFFFF) == k) row[x] = 0;
  }
  cairo_surface_mark_dirty(s);
  return s;
}

void Label(cairo_t* cr, const std::string& text, double x, double y) {
  UseFace(cr, Face::Regular, 11);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text.c_str());
  SetColour(cr, Rgb8(20, 20, 20));
  cairo_fill(cr);
}

void Blit(cairo_t* cr, cairo_surface_t* s, double x, double y) {
  if (!s) return;
  cairo_set_source_surface(cr, s, x, y);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
}

bool WriteSheet(const std::string& dir, bool vga, const std::string& path) {
  std::vector<Loaded> items;
  for (const PictureRow& row : kPictureTable) {
    const int id = vga ? row.vgaId : row.smallId;
    if (id == 0) continue;
    Loaded l;
    l.id = id;
    l.raw = Load(dir, id);
    if (!l.raw) return false;
    const std::int32_t key = vga ? row.vgaKey : row.smallKey;
    if (key >= 0) l.keyed = Keyed(l.raw, key);
    items.push_back(l);
  }
  // Shelf layout: left to right in catalogue order, a new shelf when full.
  const int width = vga ? 1900 : 1200, gap = 10, label = 14;
  struct Place {
    int x, y;
  };
  std::vector<Place> places;
  int x = gap, y = gap, shelf = 0;
  for (const Loaded& l : items) {
    const int w = cairo_image_surface_get_width(l.raw) * (l.keyed ? 2 : 1) + (l.keyed ? 4 : 0);
    const int h = cairo_image_surface_get_height(l.raw) + label;
    if (x + w + gap > width && x > gap) {
      x = gap;
      y += shelf + gap;
      shelf = 0;
    }
    places.push_back({x, y});
    x += std::max(w, 34) + gap;
    shelf = std::max(shelf, h);
  }
  const int height = y + shelf + gap;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(sheet);
  SetColour(cr, Rgb8(150, 150, 150));
  cairo_paint(cr);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Loaded& l = items[i];
    const int w = cairo_image_surface_get_width(l.raw);
    const int h = cairo_image_surface_get_height(l.raw);
    Blit(cr, l.raw, places[i].x, places[i].y);
    if (l.keyed) {
      // The keyed picture over a mid grey and a dark half, where halos show.
      const int kx = places[i].x + w + 4;
      FillRect(cr, kx, places[i].y, w, h / 2.0, Rgb8(120, 124, 130));
      FillRect(cr, kx, places[i].y + h / 2.0, w, h - h / 2.0, Rgb8(24, 28, 38));
      Blit(cr, l.keyed, kx, places[i].y);
    }
    Label(cr, std::to_string(l.id), places[i].x, places[i].y + h + 11);
  }
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  for (Loaded& l : items) {
    cairo_surface_destroy(l.raw);
    if (l.keyed) cairo_surface_destroy(l.keyed);
  }
  return ok;
}

// ---- Screens ----------------------------------------------------------------

struct PictureSet {
  const std::string& dir;
  bool vga;
  cairo_surface_t* Get(int entry) const {
    const PictureRow& s = kPictureTable[entry];
    return Load(dir, vga ? s.vgaId : s.smallId);
  }
  std::int32_t Key(int entry) const {
    return vga ? kPictureTable[entry].vgaKey : kPictureTable[entry].smallKey;
  }
};

// Draws an entry at a logical position (doubled on the VGA set), keyed if it is.
void Put(cairo_t* cr, const PictureSet& set, int entry, double x, double y, bool keyed) {
  cairo_surface_t* s = set.Get(entry);
  if (!s) return;
  const double f = set.vga ? 2 : 1;
  if (keyed && set.Key(entry) >= 0) {
    cairo_surface_t* k = Keyed(s, set.Key(entry));
    Blit(cr, k, x * f, y * f);
    cairo_surface_destroy(k);
  } else {
    Blit(cr, s, x * f, y * f);
  }
  cairo_surface_destroy(s);
}

// The portrait game screen, put together as the game screen composes it.
void MockGame(cairo_t* cr, const PictureSet& set, double ox, double oy) {
  cairo_save(cr);
  cairo_translate(cr, ox, oy);
  const double f = set.vga ? 2 : 1;
  FillRect(cr, 0, 0, 240 * f, 320 * f, Rgb8(0, 0, 0));
  Put(cr, set, TopBar, 0, 0, false);
  Put(cr, set, ReserveColumnEmpty, 216, 31, false);
  Put(cr, set, BottomPanel, 0, 247, false);
  Put(cr, set, SoundOnIcon, 181, 13, true);
  Put(cr, set, BackButton, 199, 13, true);
  Put(cr, set, CloseButton, 217, 13, true);
  // Board at (0, 31): pipes of every tint, corners, cells, balls, coins.
  const double bx = 0, by = 31;
  for (int i = 0; i < 6; ++i) {
    const int tint = i % 4;  // 0..3 picks heat 0, 5, 8, 10 through the offsets below
    const int offsets[4] = {12, 0, 18, 6};
    const int frame = (i == 2) ? 3 : 0;
    Put(cr, set, HorizontalPipes + 24 + offsets[tint] + frame, bx + 18 + 30 * i, by, false);
    Put(cr, set, HorizontalPipes + offsets[tint] + frame, bx + 18 + 30 * i, by + 198, false);
    Put(cr, set, VerticalPipes + offsets[tint] + frame, bx, by + 18 + 30 * i, false);
    Put(cr, set, VerticalPipes + 24 + offsets[tint] + frame, bx + 198, by + 18 + 30 * i, false);
  }
  Put(cr, set, FrameCorners + 0, bx, by, false);
  Put(cr, set, FrameCorners + 1, bx + 198, by, false);
  Put(cr, set, FrameCorners + 2, bx, by + 198, false);
  Put(cr, set, FrameCorners + 3, bx + 198, by + 198, false);
  for (int c = 0; c < 36; ++c) {
    const double cx = bx + 18 + 30 * (c % 6), cy = by + 18 + 30 * (c / 6);
    Put(cr, set, EmptyCell, cx, cy, false);
    const int row = c / 6;
    if (row == 0 && c % 6 > 2) continue;  // leave a few cells empty
    const int styles[3] = {ShinyBalls, MoonBalls, RockBalls};
    const int style = styles[(row / 2) % 3];
    const int colour = (c * 5 + row) % 7;
    Put(cr, set, (c == 20) ? JokerBalls + 2 : style + 2 * colour, cx, cy, true);
    if (c % 7 == 3) Put(cr, set, BrightCoins + (c % 7 + row) % 7, cx, cy, true);
    if (c == 26) Put(cr, set, CursorFrame, cx, cy, true);
    if (c == 9) Put(cr, set, SplatSheets, cx, cy, false);
  }
  // Reserve column contents and the bottom panel's pieces.
  Put(cr, set, PaintPills + 2, 217, 48, false);
  Put(cr, set, GaugeTubeEmpty, 220, 92, false);
  cairo_save(cr);
  cairo_rectangle(cr, 220 * f, (92 + 40) * f, 13 * f, 76 * f);
  cairo_clip(cr);
  Put(cr, set, GaugeTubeFull, 220, 92, false);
  cairo_restore(cr);
  Put(cr, set, GaugeMarkers, 220, 132, false);
  cairo_save(cr);
  cairo_rectangle(cr, 216 * f, 217 * f, 20 * f, 20 * f);
  cairo_clip(cr);
  Put(cr, set, MultiplierTiles, 216 - 20 * 2, 217, false);
  cairo_restore(cr);
  for (int k = 0; k < 9; ++k) {
    const int letters[9] = {0, 1, 2, 3, 4, 5, 1, 6, 6};
    cairo_save(cr);
    cairo_rectangle(cr, 9 * f, 247 * f, 122 * f, 18 * f);
    cairo_clip(cr);
    Put(cr, set, (k < 4 ? BrightCoins : DimCoins) + letters[k], 9 - 6 + 13 * k, 247 - 6, true);
    cairo_restore(cr);
  }
  Put(cr, set, ScoreBox, 146, 250, false);
  Put(cr, set, TimeLabel, 210, 247, false);
  Put(cr, set, GameOverBanner, 33, 31 + 80, true);
  Put(cr, set, ResultPanel, 20, 31 + 111, true);
  cairo_restore(cr);
}

void MockMenu(cairo_t* cr, const PictureSet& set, int layout, double ox, double oy) {
  const MenuLayout& l = kMenuLayouts[layout];
  const double f = set.vga ? 2 : 1;
  cairo_save(cr);
  cairo_translate(cr, ox, oy);
  Put(cr, set, MenuSquare + layout, 0, 0, false);
  cairo_scale(cr, f, f);
  cairo_set_line_width(cr, 1.0 / f);
  for (const MenuElement& e : kMenuElements) {
    if (!ElementShown(e, l)) continue;
    const HotRect r = HotRectOf(e, l);
    cairo_rectangle(cr, r.left + 0.5 / f, r.top + 0.5 / f, r.right - r.left + 1 - 1.0 / f,
                    r.bottom - r.top + 1 - 1.0 / f);
    SetColour(cr, Rgb8(0, 255, 255), 0.9);
    cairo_stroke(cr);
    if (e.marker) {
      cairo_rectangle(cr, e.markerX + l.offsetX, e.markerY - l.offsetY, 10, 10);
      SetColour(cr, Rgb8(255, 0, 0));
      cairo_fill_preserve(cr);
      SetColour(cr, Rgb8(0, 0, 0));
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

// The landscape (class 2) or 320x320 (class 7) frame, as the canvas composes it.
void MockFrame(cairo_t* cr, const PictureSet& set, bool class7, double ox, double oy) {
  cairo_save(cr);
  cairo_translate(cr, ox, oy);
  const double viewShift = class7 ? 0 : 31;
  cairo_rectangle(cr, 0, 0, 320, class7 ? 320 : 240);
  cairo_clip(cr);
  cairo_translate(cr, 0, -viewShift);
  FillRect(cr, 0, 0, 320, 320, Rgb8(0, 0, 0));
  Put(cr, set, SidePanelLeft, 0, 31, false);
  Put(cr, set, SidePanelRight, 271, 31, false);
  if (class7) {
    Put(cr, set, Class7Corners, 0, 0, false);
    Put(cr, set, Class7Corners + 1, 271, 0, false);
    Put(cr, set, Class7Corners + 2, 0, 271, false);
    Put(cr, set, Class7Corners + 3, 271, 271, false);
  }
  Put(cr, set, TopBar, 31, 0, false);
  Put(cr, set, ReserveColumnFull, 31 + 216, 31, false);
  Put(cr, set, BottomPanel, 31, 247, false);
  const double iy = class7 ? 1 : 1 + 31;
  Put(cr, set, SoundOffIcon, 302 - 36, iy, true);
  Put(cr, set, BackButton, 302 - 18, iy, true);
  Put(cr, set, CloseButton, 302, iy, true);
  for (int i = 0; i < 6; ++i) {
    Put(cr, set, HorizontalPipes + 24 + 12, 31 + 18 + 30 * i, 31, false);
    Put(cr, set, HorizontalPipes + 12, 31 + 18 + 30 * i, 31 + 198, false);
    Put(cr, set, VerticalPipes + 12, 31, 31 + 18 + 30 * i, false);
    Put(cr, set, VerticalPipes + 24 + 12, 31 + 198, 31 + 18 + 30 * i, false);
  }
  for (int i = 0; i < 4; ++i)
    Put(cr, set, FrameCorners + i, 31 + (i % 2) * 198, 31 + (i / 2) * 198, false);
  for (int c = 0; c < 36; ++c) {
    const double cx = 31 + 18 + 30 * (c % 6), cy = 31 + 18 + 30 * (c / 6);
    Put(cr, set, EmptyCell, cx, cy, false);
    if (c % 5 != 0) Put(cr, set, MoonBalls + 2 * ((c * 3) % 7), cx, cy, true);
  }
  Put(cr, set, PaintPills + 4, 31 + 217, 48, false);
  Put(cr, set, TimeLabel, 31 + 210, 247, false);
  cairo_restore(cr);
}

void MockHiScores(cairo_t* cr, const PictureSet& set, int tab, double ox, double oy) {
  cairo_save(cr);
  cairo_translate(cr, ox, oy);
  Put(cr, set, HiScoreBackground, 0, 0, false);
  Put(cr, set, ResetButton, 0, 0, false);
  Put(cr, set, ExportIcon, 2, 286, true);
  const int titles[6] = {0, 1, 2,
                         4, 3, 0};  // mode -> title entry (CHROMA, EASY, HARD, HEAT, PANIC)
  const int entry = ModeTitles + titles[tab];
  Put(cr, set, entry, tab == 5 ? 23 : 28, 31, true);
  cairo_rectangle(cr, 19, 71, 202, 198);
  SetColour(cr, Rgb8(0, 0, 0));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(255, 255, 0));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int k = 0; k < 5; ++k) Put(cr, set, ShinyBalls + 2 * k, 88 + 30 * k, 286, true);
  cairo_rectangle(cr, 88 + 30 * (tab - 1) + 10, 296, 10, 10);
  SetColour(cr, Rgb8(255, 0, 0));
  cairo_fill(cr);
  cairo_restore(cr);
}

void MockPanels(cairo_t* cr, const PictureSet& set, double ox, double oy) {
  cairo_save(cr);
  cairo_translate(cr, ox, oy);
  // A popup panel: frame pieces on white, with the colour wheel and the logo.
  FillRect(cr, 0, 0, 240, 240, Rgb8(255, 255, 255));
  Put(cr, set, PanelTitleBar, 0, 0, false);
  for (int i = 0; i < 8; ++i) {
    Put(cr, set, PanelLeft, 0, 26 + 30 * i, false);
    Put(cr, set, PanelRight, 236, 26 + 30 * i, false);
  }
  Put(cr, set, PanelBottom, 0, 236, false);
  UseFace(cr, Face::Bold, 12);
  CentredText(cr, "Color Wheel", 120, 20, Rgb8(255, 255, 255));
  Put(cr, set, ColourWheel, 10, 40, false);
  Put(cr, set, MakerLogo, 128, 40, false);
  Put(cr, set, Trophy, 150, 80, false);
  Put(cr, set, CheckBoxTicked, 10, 212, true);
  Put(cr, set, DropDownArrow, 60, 170, false);
  Put(cr, set, VerticalPipes + 30, 100, 170, false);
  Put(cr, set, PaintPots + 2, 130, 170, false);
  Put(cr, set, TimeLabel, 160, 170, false);
  // The settings page's widgets on its own grey.
  cairo_translate(cr, 250, 0);
  FillRect(cr, 0, 0, 240, 240, Rgb8(222, 223, 222));
  FillRect(cr, 0, 0, 240, 25, Rgb8(198, 199, 198));
  Put(cr, set, SettingsCorners, 0, 0, false);
  Put(cr, set, SettingsCorners + 1, 236, 0, false);
  Put(cr, set, SettingsCloseBox, 218, 5, false);
  Put(cr, set, CheckBoxEmpty, 15, 54, false);
  Put(cr, set, CheckBoxTicked, 15, 96, false);
  Put(cr, set, VolumeSpeaker, 15, 150, false);
  Put(cr, set, VolumeLoud, 35, 150, false);
  Put(cr, set, VolumeTrack, 56, 150, false);
  Put(cr, set, VolumeKnob, 56 + 70, 150, false);
  Put(cr, set, VolumeMedium, 35, 180, false);
  Put(cr, set, VolumeQuiet, 50, 180, false);
  cairo_restore(cr);
}

bool WriteScreens(const std::string& dir, const std::string& path) {
  const PictureSet small{dir, false}, vga{dir, true};
  const int width = 1950, height = 20 + 640 + 20 + 480 + 20 + 340 + 20;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(sheet);
  SetColour(cr, Rgb8(150, 150, 150));
  cairo_paint(cr);
  // Row 1: the small portrait game, the small portrait menu, the 320x320 menu,
  // then the VGA portrait game and menu.
  MockGame(cr, small, 10, 10);
  MockMenu(cr, small, kPortraitLayout, 260, 10);
  MockMenu(cr, small, k320Layout, 510, 10);
  MockGame(cr, vga, 840, 10);
  MockMenu(cr, vga, kPortraitLayout, 1330, 10);
  // Row 2: the small landscape and square menus, then the VGA landscape and square ones.
  MockMenu(cr, small, kLandscapeLayout, 10, 680);
  MockMenu(cr, small, kSquareLayout, 340, 680);
  MockMenu(cr, vga, kLandscapeLayout, 590, 680);
  MockMenu(cr, vga, kSquareLayout, 1240, 680);
  // Row 3: the landscape and 320x320 frames, a hi-score table, the panels.
  MockFrame(cr, small, false, 10, 1180);
  MockFrame(cr, small, true, 340, 1180);
  MockHiScores(cr, small, 3, 670, 1180);
  MockHiScores(cr, small, 5, 920, 1180);
  MockPanels(cr, small, 1170, 1180);
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  return ok;
}

}  // namespace

bool WriteContactSheets(const std::string& generatedDir, const std::string& outDir) {
  return WriteSheet(generatedDir, false, outDir + "/contact_sheet_small.png") &&
         WriteSheet(generatedDir, true, outDir + "/contact_sheet_vga.png") &&
         WriteScreens(generatedDir, outDir + "/contact_sheet_screens.png");
}

}  // namespace art
