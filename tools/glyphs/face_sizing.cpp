#include "face_sizing.hpp"

#include <algorithm>

namespace glyphs {

namespace {

std::uint32_t Big16(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 8 | p[1];
}
std::uint32_t Big32(const std::uint8_t* p) {
  return Big16(p) << 16 | Big16(p + 2);
}

// Finds a table of at least minLength bytes that lies wholly inside the file.
const std::uint8_t* FindTable(std::span<const std::uint8_t> font, const char* tag,
                              std::size_t minLength) {
  if (font.size() < 12) return nullptr;
  const std::size_t count = Big16(font.data() + 4);
  if (12 + 16 * count > font.size()) return nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = font.data() + 12 + 16 * i;
    if (entry[0] != tag[0] || entry[1] != tag[1] || entry[2] != tag[2] || entry[3] != tag[3]) {
      continue;
    }
    const std::uint64_t offset = Big32(entry + 8);
    const std::uint64_t length = Big32(entry + 12);
    if (length < minLength || offset + length > font.size()) return nullptr;
    return font.data() + offset;
  }
  return nullptr;
}

TTF_Font* Open(std::span<const std::uint8_t> font, int pointSize) {
  SDL_RWops* data = SDL_RWFromConstMem(font.data(), static_cast<int>(font.size()));
  return data ? TTF_OpenFontRW(data, 1, pointSize) : nullptr;
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

}  // namespace

bool ReadCellMetrics(std::span<const std::uint8_t> font, CellMetrics& out) {
  const std::uint8_t* head = FindTable(font, "head", 54);
  const std::uint8_t* os2 = FindTable(font, "OS/2", 78);
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

SizedFace OpenForCell(std::span<const std::uint8_t> font, int cellHeight) {
  SizedFace sized;
  CellMetrics metrics;
  const bool known = ReadCellMetrics(font, metrics);
  sized.em = known ? EmSizeForCell(metrics, cellHeight) : cellHeight;
  sized.face = Open(font, sized.em);
  if (!sized.face) return sized;
  if (known) {
    // The renderer puts the baseline at its own ascent below the line's top;
    // the cell puts it at the Windows ascent.
    const std::int64_t ascent =
        (2 * static_cast<std::int64_t>(metrics.winAscent) * sized.em + metrics.unitsPerEm) /
        (2 * metrics.unitsPerEm);
    sized.glyphTop = std::max(0, static_cast<int>(ascent) - TTF_FontAscent(sized.face));
  } else {
    sized.em = FitLineHeight(sized.face, cellHeight);
  }
  return sized;
}

// The embedded bold face is truly bold only in its hand-made small bitmaps: its
// outlines are the regular stems on wider spacing, so at most sizes bold text
// came out regular. Where the bold face puts down little more ink than the
// regular one at the same size, the stems are thickened into the room that the
// wider spacing leaves each letter (about 0.075 em), which keeps every text
// width. At some small sizes the hinted spacing leaves no room at all: a whole
// pixel there closes the gaps between letters ("dr" reads "cl"), so the stems
// only take half a pixel, which darkens them and leaves the gaps open.
double EmboldenFor(TTF_Font* bold, std::span<const std::uint8_t> regularFont, int em) {
  TTF_Font* regular = Open(regularFont, em);
  if (!regular) return 0;
  const std::int64_t regularInk = InkOf(regular);
  const double room = double(ProbeWidth(bold) - ProbeWidth(regular)) / kProbeGlyphs;
  TTF_CloseFont(regular);
  if (5 * InkOf(bold) >= 6 * regularInk) return 0;
  return std::min(em * 0.075, std::max(room, 0.5));
}

}  // namespace glyphs
