#pragma once

#include <cstddef>
#include <memory>

namespace platform {

// The vertical metrics a face is sized by: its Windows ascent and descent in
// font units and the units per em (from the TrueType 'OS/2' and 'head' tables).
// The layouts were measured with faces sized this way, so a cell height means
// ascent plus descent.
struct CellMetrics {
  int unitsPerEm = 0;
  int winAscent = 0;
  int winDescent = 0;
};

// Reads the cell metrics of a TrueType file. False, leaving out untouched,
// when the data is too short, lacks either table, or holds no usable sizes.
bool ReadCellMetrics(const unsigned char* data, std::size_t size, CellMetrics& out);

// The em size in whole pixels whose ascent plus descent comes nearest a cell
// height (at least 1).
int EmSizeForCell(const CellMetrics& metrics, int cellHeight);

// A face of the embedded typeface at a cell height in pixels and a weight
// (400 regular, 700 bold, 900 heavy). A font that could not be made is empty
// and draws nothing.
class Font {
 public:
  Font() = default;
  static Font Create(int cellHeight, int weight);

  bool Empty() const { return !face_; }
  int CellHeight() const { return cellHeight_; }
  // How far below the top of its cell the renderer's glyph box starts, so
  // that the baseline sits at the face's ascent as the layouts expect.
  int GlyphTop() const { return glyphTop_; }
  // Extra ink, in pixels, the text code spreads every glyph to the right by:
  // 0 unless the bold face draws too light at this size.
  double Embolden() const { return embolden_; }
  // The renderer's own handle; only the platform's text code looks inside.
  void* Handle() const { return face_.get(); }

 private:
  std::shared_ptr<void> face_;
  int cellHeight_ = 0;
  int glyphTop_ = 0;
  double embolden_ = 0;
};

}  // namespace platform
