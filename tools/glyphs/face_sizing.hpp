#pragma once

#include <SDL_ttf.h>

#include <cstddef>
#include <cstdint>
#include <span>

// How the game's faces are sized for a cell height: the layouts were measured
// with faces whose Windows ascent plus descent fills the cell.
namespace glyphs {

// The vertical metrics a face is sized by: its Windows ascent and descent in
// font units and the units per em (from the TrueType 'OS/2' and 'head' tables).
struct CellMetrics {
  int unitsPerEm = 0;
  int winAscent = 0;
  int winDescent = 0;
};

// Reads the cell metrics of a TrueType file. False, leaving out untouched,
// when the data is too short, lacks either table, or holds no usable sizes.
bool ReadCellMetrics(std::span<const std::uint8_t> font, CellMetrics& out);

// The em size in whole pixels whose ascent plus descent comes nearest a cell
// height (at least 1).
int EmSizeForCell(const CellMetrics& metrics, int cellHeight);

// A face opened for a cell: its em size, and how far below the cell's top the
// renderer's line box starts so that the baseline sits at the Windows ascent.
struct SizedFace {
  TTF_Font* face = nullptr;
  int em = 0;
  int glyphTop = 0;
};
SizedFace OpenForCell(std::span<const std::uint8_t> font, int cellHeight);

// Extra ink, in pixels, that bold text is spread to the right by at an em
// size: 0 unless the bold face draws too light there.
double EmboldenFor(TTF_Font* bold, std::span<const std::uint8_t> regularFont, int em);

}  // namespace glyphs
