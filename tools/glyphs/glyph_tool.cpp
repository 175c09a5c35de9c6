// The glyph tool: rasterises the game's typeface, at every cell height the game
// draws with and in both weights, into face_<id>.bin files for the resource
// pack. The glyphs are drawn and placed exactly as the font engine draws and
// places them, so the game's text keeps its pixels without the engine.
//
//   fandriass_glyph_tool --regular FACE --bold FACE --out DIR

#include <SDL_ttf.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "face_sizing.hpp"
#include "platform/drawing/glyph_face.hpp"
#include "platform/window/control_style.hpp"
#include "render/font_table.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

bool ReadFile(const std::string& path, Bytes& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad() && !bytes.empty();
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// The positions the font engine's shaper gives a run of code points, set up as
// the engine sets it up for the game's faces.
class Shaper {
 public:
  Shaper(FT_Library library, const Bytes& font, int em) {
    if (FT_New_Memory_Face(library, font.data(), static_cast<FT_Long>(font.size()), 0, &face_))
      return;
    ChooseCharmap();
    FT_Set_Char_Size(face_, 0, em * 64, 0, 0);
    font_ = hb_ft_font_create(face_, nullptr);
    hb_ft_font_set_load_flags(font_, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL);
    buffer_ = hb_buffer_create();
  }
  ~Shaper() {
    if (buffer_) hb_buffer_destroy(buffer_);
    if (font_) hb_font_destroy(font_);
    if (face_) FT_Done_Face(face_);
  }
  Shaper(const Shaper&) = delete;
  Shaper& operator=(const Shaper&) = delete;

  bool Ready() const { return buffer_ != nullptr; }
  FT_Face Face() const { return face_; }

  struct Placed {
    unsigned glyph;
    int advance;
    int offset;
  };
  std::vector<Placed> Shape(const std::vector<std::uint32_t>& text) {
    hb_buffer_reset(buffer_);
    hb_buffer_set_direction(buffer_, HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer_, HB_SCRIPT_UNKNOWN);
    hb_buffer_add_utf32(buffer_, text.data(), static_cast<int>(text.size()), 0, -1);
    hb_shape(font_, buffer_, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer_, &count);
    std::vector<Placed> placed;
    for (unsigned i = 0; i < count; ++i) {
      const bool still = pos[i].y_offset == 0 && pos[i].y_advance == 0;
      placed.push_back(Placed{info[i].codepoint, pos[i].x_advance, still ? pos[i].x_offset : 1});
    }
    return placed;
  }

 private:
  // The same choice of character map as the engine: full Unicode first.
  void ChooseCharmap() {
    for (int i = 0; i < face_->num_charmaps; ++i) {
      const FT_CharMap map = face_->charmaps[i];
      if (map->platform_id == 3 && map->encoding_id == 10) {
        FT_Set_Charmap(face_, map);
        return;
      }
    }
    for (int i = 0; i < face_->num_charmaps; ++i) {
      const FT_CharMap map = face_->charmaps[i];
      if ((map->platform_id == 3 && map->encoding_id <= 1) ||
          (map->platform_id == 2 && map->encoding_id == 1) || map->platform_id == 0) {
        FT_Set_Charmap(face_, map);
        return;
      }
    }
  }

  FT_Face face_ = nullptr;
  hb_font_t* font_ = nullptr;
  hb_buffer_t* buffer_ = nullptr;
};

// Every cell height and weight the game asks for: its fonts in the small and
// the VGA set, and the widgets' text at one and two widget pixels.
std::set<std::pair<int, bool>> FacesAskedFor() {
  std::set<std::pair<int, bool>> faces;
  for (const render::FontSpec& font : render::kFonts) {
    faces.emplace(font.smallHeight, platform::IsBoldWeight(font.weight));
    faces.emplace(font.vgaHeight, platform::IsBoldWeight(font.weight));
  }
  for (int unit = 1; unit <= 2; ++unit) {
    faces.emplace(platform::style::kWidgetCell * unit, false);
    faces.emplace(platform::style::kWidgetCell * unit, true);
  }
  return faces;
}

// Scripts that are shaped by context (Arabic) cannot be set glyph by glyph;
// names in them show the missing-character glyph.
bool SetGlyphByGlyph(std::uint32_t c) {
  return !(c >= 0x0600 && c <= 0x06FF) && !(c >= 0xFB50 && c <= 0xFDFF) &&
         !(c >= 0xFE70 && c <= 0xFEFF);
}

// A code point the face lacks, so it shows the missing-character glyph.
constexpr std::uint32_t kLacking = 0xE000;

std::vector<std::uint32_t> CodePointsOf(FT_Face face) {
  std::vector<std::uint32_t> points;
  FT_UInt index = 0;
  for (FT_ULong c = FT_Get_First_Char(face, &index); index != 0;
       c = FT_Get_Next_Char(face, c, &index)) {
    if (c > 0 && c <= 0xFFFF && SetGlyphByGlyph(static_cast<std::uint32_t>(c)))
      points.push_back(static_cast<std::uint32_t>(c));
  }
  return points;
}

int Floor64(int x) {
  return x >= 0 ? x / 64 : -((-x + 63) / 64);
}

// One glyph as the engine draws it alone: its box from the engine's metrics,
// its coverage from the engine's rendering. The rendering must hold ink only
// inside the box, where the line code will put it, or the face is refused.
struct Drawn {
  platform::Glyph glyph;
  Bytes coverage;
};
bool DrawGlyph(TTF_Font* font, std::uint32_t drawn, std::uint16_t codePoint, int advance,
               int ascent, int lineHeight, bool blank, Drawn& out) {
  int minX = 0, maxX = 0, minY = 0, maxY = 0, metricAdvance = 0;
  if (TTF_GlyphMetrics32(font, drawn, &minX, &maxX, &minY, &maxY, &metricAdvance) != 0)
    return false;
  platform::Glyph& g = out.glyph;
  g.codePoint = codePoint;
  g.left = static_cast<std::int16_t>(minX);
  g.row = static_cast<std::int16_t>(ascent - maxY);
  g.width = static_cast<std::uint16_t>(maxX - minX);
  g.rows = static_cast<std::uint16_t>(maxY - minY);
  g.spaceAfter = static_cast<std::int16_t>(std::max(metricAdvance - maxX, 0));
  g.advance = advance;
  out.coverage.assign(std::size_t{g.width} * g.rows, 0);
  const int boxLeft = std::min(0, int{g.left});
  const int boxTop = std::min(0, int{g.row});
  const int w = std::max(g.left + g.width, Floor64(advance)) - boxLeft;
  const int h = std::max(lineHeight, g.row + g.rows) - boxTop;
  // A hidden character is drawn as a blank: nothing to render.
  if (w == 0 || blank) return true;
  SDL_Surface* line = TTF_RenderGlyph32_Blended(font, drawn, SDL_Color{255, 255, 255, 255});
  if (!line) return false;
  bool fits = line->w == w && line->h == h && line->format->format == SDL_PIXELFORMAT_ARGB8888;
  for (int y = 0; fits && y < h; ++y) {
    const auto* row =
        reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(line->pixels) + y * line->pitch);
    for (int x = 0; x < w; ++x) {
      const int gx = x + boxLeft - g.left;
      const int gy = y + boxTop - g.row;
      const auto a = static_cast<std::uint8_t>(row[x] >> 24);
      if (gx >= 0 && gx < g.width && gy >= 0 && gy < g.rows) {
        out.coverage[std::size_t(gy) * g.width + gx] = a;
      } else if (a != 0) {
        fits = false;
      }
    }
  }
  SDL_FreeSurface(line);
  return fits;
}

struct Single {
  unsigned glyph = 0;
  int advance = 0;
};

// The advance change the shaper makes between two code points; false when the
// pair is shaped as something else than the two glyphs side by side.
bool PairAdjust(Shaper& shaper, std::uint32_t a, std::uint32_t b, const Single& first,
                const Single& second, int& adjust) {
  const auto placed = shaper.Shape({a, b});
  if (placed.size() != 2 || placed[0].glyph != first.glyph || placed[1].glyph != second.glyph ||
      placed[0].offset != 0 || placed[1].offset != 0 || placed[1].advance != second.advance)
    return false;
  adjust = placed[0].advance - first.advance;
  return true;
}

struct Weight {
  const Bytes* font = nullptr;
  bool bold = false;
  std::vector<std::uint32_t> points;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;  // pairs that may kern
  std::vector<std::array<std::uint32_t, 3>> compositions;      // first, second, set as
};

// The pairs that kern at some size: found at a large one, where every
// adjustment the font holds shows.
bool FindPairs(FT_Library library, Weight& weight) {
  Shaper shaper(library, *weight.font, 256);
  if (!shaper.Ready()) return false;
  weight.points = CodePointsOf(shaper.Face());
  std::map<std::uint32_t, Single> singles;
  for (std::uint32_t c : weight.points) {
    const auto placed = shaper.Shape({c});
    if (placed.size() == 1) singles[c] = Single{placed[0].glyph, placed[0].advance};
  }
  int shapedOtherwise = 0;
  for (const auto& [a, first] : singles) {
    for (const auto& [b, second] : singles) {
      int adjust = 0;
      if (!PairAdjust(shaper, a, b, first, second, adjust)) {
        const auto placed = shaper.Shape({a, b});
        const auto one = std::find_if(singles.begin(), singles.end(), [&](const auto& single) {
          return placed.size() == 1 && single.second.glyph == placed[0].glyph;
        });
        if (one != singles.end()) {
          weight.compositions.push_back({a, b, one->first});
        } else {
          ++shapedOtherwise;
        }
      } else if (adjust != 0) {
        weight.pairs.emplace_back(a, b);
      }
    }
  }
  std::printf("%s: %zu characters, %zu pairs kern, %zu compose, %d shaped otherwise\n",
              weight.bold ? "bold" : "regular", singles.size(), weight.pairs.size(),
              weight.compositions.size(), shapedOtherwise);
  return true;
}

bool WriteFace(FT_Library library, const Weight& weight, const Bytes& regular, int cell,
               const std::string& out, std::size_t& bytes) {
  const glyphs::SizedFace sized = glyphs::OpenForCell(*weight.font, cell);
  if (!sized.face) return false;
  Shaper shaper(library, *weight.font, sized.em);
  platform::FaceBuild build;
  build.figures.glyphTop = static_cast<std::int16_t>(sized.glyphTop);
  if (weight.bold) {
    const double embolden = glyphs::EmboldenFor(sized.face, regular, sized.em);
    build.figures.emboldenWhole = static_cast<std::uint16_t>(embolden);
    build.figures.emboldenFraction =
        static_cast<std::uint16_t>((embolden - build.figures.emboldenWhole) * 256);
  }
  const int ascent = TTF_FontAscent(sized.face);
  std::map<std::uint32_t, Single> singles;
  std::vector<Drawn> drawn;
  bool ok = shaper.Ready();
  const auto space = shaper.Shape({' '});
  const unsigned spaceGlyph = space.size() == 1 ? space[0].glyph : 0;
  std::vector<std::uint32_t> points = weight.points;
  points.insert(points.begin(), kLacking);
  for (std::uint32_t c : points) {
    if (!ok) break;
    const auto placed = shaper.Shape({c});
    if (placed.size() != 1) continue;
    // Characters the shaper hides (soft hyphens, joiners) become a blank the
    // width of nothing; any other change of glyph is left to the missing glyph.
    const unsigned cmapGlyph = c == kLacking ? 0 : FT_Get_Char_Index(shaper.Face(), c);
    std::uint32_t shown = c;
    if (placed[0].glyph != cmapGlyph) {
      if (placed[0].glyph != spaceGlyph) continue;
      shown = ' ';
    }
    Drawn d;
    const auto codePoint = static_cast<std::uint16_t>(c == kLacking ? 0 : c);
    if (!DrawGlyph(sized.face, shown, codePoint, placed[0].advance, ascent,
                   TTF_FontHeight(sized.face), shown != c, d)) {
      std::fprintf(stderr, "U+%04X at cell %d is drawn outside its box\n", c, cell);
      ok = false;
    }
    singles[c] = Single{placed[0].glyph, placed[0].advance};
    drawn.push_back(std::move(d));
  }
  for (const auto& [a, b] : weight.pairs) {
    int adjust = 0;
    if (singles.count(a) && singles.count(b) &&
        PairAdjust(shaper, a, b, singles[a], singles[b], adjust) && adjust != 0)
      build.kerning.push_back(
          platform::Kerning{static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b), adjust});
  }
  for (const auto& [a, b, result] : weight.compositions) {
    const auto placed = shaper.Shape({a, b});
    if (placed.size() == 1 && singles.count(result) && placed[0].glyph == singles[result].glyph &&
        placed[0].advance == singles[result].advance && placed[0].offset == 0) {
      build.compositions.push_back(platform::Composition{static_cast<std::uint16_t>(a),
                                                         static_cast<std::uint16_t>(b),
                                                         static_cast<std::uint16_t>(result)});
    } else {
      std::fprintf(stderr, "U+%04X U+%04X at cell %d are set otherwise\n", a, b, cell);
      ok = false;
    }
  }
  TTF_CloseFont(sized.face);
  if (!ok) return false;
  for (Drawn& d : drawn) {
    d.glyph.coverage = d.coverage.data();
    build.glyphs.push_back(d.glyph);
  }
  const Bytes blob = platform::WriteGlyphFace(std::move(build));
  bytes += blob.size();
  return WriteFile(out + "/face_" + std::to_string(platform::FaceId(cell, weight.bold)) + ".bin",
                   blob);
}

}  // namespace

int main(int argc, char** argv) {
  std::string regularPath, boldPath, out;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--regular")) {
      regularPath = argv[i + 1];
    } else if (!std::strcmp(argv[i], "--bold")) {
      boldPath = argv[i + 1];
    } else if (!std::strcmp(argv[i], "--out")) {
      out = argv[i + 1];
    }
  }
  Bytes regular, bold;
  if (out.empty() || !ReadFile(regularPath, regular) || !ReadFile(boldPath, bold)) {
    std::fprintf(stderr, "usage: %s --regular FACE --bold FACE --out DIR\n", argv[0]);
    return 2;
  }
  FT_Library library = nullptr;
  if (TTF_Init() != 0 || FT_Init_FreeType(&library) != 0) {
    std::fprintf(stderr, "cannot start the font engine\n");
    return 1;
  }
  Weight weights[2] = {{&regular, false, {}, {}, {}}, {&bold, true, {}, {}, {}}};
  std::size_t bytes = 0;
  int faces = 0;
  bool ok = true;
  for (Weight& weight : weights) ok = ok && FindPairs(library, weight);
  for (const auto& [cell, isBold] : FacesAskedFor()) {
    ok = ok && WriteFace(library, weights[isBold ? 1 : 0], regular, cell, out, bytes);
    faces += ok ? 1 : 0;
  }
  FT_Done_FreeType(library);
  TTF_Quit();
  if (!ok) {
    std::fprintf(stderr, "the faces could not be rasterised\n");
    return 1;
  }
  std::printf("rasterised %d faces, %zu bytes\n", faces, bytes);
  return 0;
}
