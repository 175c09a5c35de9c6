#include "platform/drawing/font.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdint>

extern "C" {
extern const unsigned char fandriass_font_regular_begin[];
extern const unsigned char fandriass_font_regular_end[];
extern const unsigned char fandriass_font_bold_begin[];
extern const unsigned char fandriass_font_bold_end[];
}

namespace platform {

namespace {

std::uint32_t Big16(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) << 8 | p[1];
}
std::uint32_t Big32(const unsigned char* p) {
  return Big16(p) << 16 | Big16(p + 2);
}

// Finds a table of at least minLength bytes that lies wholly inside the file.
const unsigned char* FindTable(const unsigned char* data, std::size_t size, const char* tag,
                               std::size_t minLength) {
  if (size < 12) return nullptr;
  const std::size_t count = Big16(data + 4);
  if (12 + 16 * count > size) return nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* entry = data + 12 + 16 * i;
    if (entry[0] != tag[0] || entry[1] != tag[1] || entry[2] != tag[2] || entry[3] != tag[3]) {
      continue;
    }
    const std::uint64_t offset = Big32(entry + 8);
    const std::uint64_t length = Big32(entry + 12);
    if (length < minLength || offset + length > size) return nullptr;
    return data + offset;
  }
  return nullptr;
}

bool EnsureTtf() {
  if (TTF_WasInit()) return true;
  return TTF_Init() == 0;
}

TTF_Font* OpenFace(const unsigned char* begin, const unsigned char* end, int pointSize) {
  SDL_RWops* data = SDL_RWFromConstMem(begin, static_cast<int>(end - begin));
  if (!data) return nullptr;
  return TTF_OpenFontRW(data, 1, pointSize);
}

// Without usable metrics, the largest size whose line height fits the cell.
int FitLineHeight(TTF_Font* face, int cellHeight) {
  int size = cellHeight;
  while (size > 1 && TTF_FontHeight(face) > cellHeight) {
    --size;
    TTF_SetFontSize(face, size);
  }
  while (TTF_SetFontSize(face, size + 1) == 0 && TTF_FontHeight(face) <= cellHeight) ++size;
  TTF_SetFontSize(face, size);
  return size;
}

constexpr const char* kProbe = "Hamburgefonstiv";
constexpr int kProbeGlyphs = 15;

// How much ink a face puts down for a probe text: the sum of its coverage.
std::int64_t InkOf(TTF_Font* face) {
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(face, kProbe, SDL_Color{255, 255, 255, 255});
  if (!rendered) return 0;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!argb) return 0;
  std::int64_t ink = 0;
  for (int y = 0; y < argb->h; ++y) {
    const auto* row =
        reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
    for (int x = 0; x < argb->w; ++x) ink += row[x] >> 24;
  }
  SDL_FreeSurface(argb);
  return ink;
}

int ProbeWidth(TTF_Font* face) {
  int w = 0, h = 0;
  return TTF_SizeUTF8(face, kProbe, &w, &h) == 0 ? w : 0;
}

// The embedded bold face is truly bold only in its hand-made small bitmaps: its
// outlines are the regular stems on wider spacing, so at most sizes bold text
// came out regular. Where the bold face puts down little more ink than the
// regular one at the same size, the stems are thickened into the room that the
// wider spacing leaves each letter (about 0.075 em), which keeps every text
// width. At some small sizes the hinted spacing leaves no room at all: a whole
// pixel there closes the gaps between letters ("dr" reads "cl"), so the stems
// only take half a pixel, which darkens them and leaves the gaps open.
double EmboldenFor(TTF_Font* bold, int em) {
  TTF_Font* regular = OpenFace(fandriass_font_regular_begin, fandriass_font_regular_end, em);
  if (!regular) return 0;
  const std::int64_t regularInk = InkOf(regular);
  const double room = double(ProbeWidth(bold) - ProbeWidth(regular)) / kProbeGlyphs;
  TTF_CloseFont(regular);
  if (5 * InkOf(bold) >= 6 * regularInk) return 0;
  return std::min(em * 0.075, std::max(room, 0.5));
}

}  // namespace

bool ReadCellMetrics(const unsigned char* data, std::size_t size, CellMetrics& out) {
  if (!data) return false;
  const unsigned char* head = FindTable(data, size, "head", 54);
  const unsigned char* os2 = FindTable(data, size, "OS/2", 78);
  if (!head || !os2) return false;
  CellMetrics read;
  read.unitsPerEm = static_cast<int>(Big16(head + 18));
  read.winAscent = static_cast<int>(Big16(os2 + 74));
  read.winDescent = static_cast<int>(Big16(os2 + 76));
  // The format allows 16 to 16384 units per em.
  if (read.unitsPerEm < 16 || read.unitsPerEm > 16384) return false;
  if (read.winAscent + read.winDescent <= 0) return false;
  out = read;
  return true;
}

int EmSizeForCell(const CellMetrics& metrics, int cellHeight) {
  const std::int64_t cell = metrics.winAscent + metrics.winDescent;
  if (cell <= 0 || metrics.unitsPerEm <= 0 || cellHeight <= 0)
    return cellHeight > 0 ? cellHeight : 1;
  const std::int64_t em =
      (2 * static_cast<std::int64_t>(cellHeight) * metrics.unitsPerEm + cell) / (2 * cell);
  return em < 1 ? 1 : static_cast<int>(em);
}

Font Font::Create(int cellHeight, int weight) {
  Font font;
  if (cellHeight <= 0 || !EnsureTtf()) return font;
  const bool bold = weight >= 600;
  const unsigned char* begin = bold ? fandriass_font_bold_begin : fandriass_font_regular_begin;
  const unsigned char* end = bold ? fandriass_font_bold_end : fandriass_font_regular_end;
  CellMetrics metrics;
  const bool sized = ReadCellMetrics(begin, static_cast<std::size_t>(end - begin), metrics);
  const int em = sized ? EmSizeForCell(metrics, cellHeight) : cellHeight;
  TTF_Font* face = OpenFace(begin, end, em);
  if (!face) return font;
  if (bold) font.embolden_ = EmboldenFor(face, em);
  if (sized) {
    // The renderer puts the baseline at its own ascent below the glyph box's
    // top; the cell puts it at the Windows ascent.
    const std::int64_t ascent =
        (2 * static_cast<std::int64_t>(metrics.winAscent) * em + metrics.unitsPerEm) /
        (2 * metrics.unitsPerEm);
    const int shift = static_cast<int>(ascent) - TTF_FontAscent(face);
    font.glyphTop_ = shift > 0 ? shift : 0;
  } else {
    FitLineHeight(face, cellHeight);
  }
  font.face_ = std::shared_ptr<void>(face, [](void* f) {
    if (TTF_WasInit()) TTF_CloseFont(static_cast<TTF_Font*>(f));
  });
  font.cellHeight_ = cellHeight;
  return font;
}

}  // namespace platform
