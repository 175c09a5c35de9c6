#pragma once

#include "platform/drawing/glyph_face.hpp"

namespace platform {

// A face of the embedded typeface at a cell height. A font that could not be
// made is empty and draws nothing.
class Font {
 public:
  Font() = default;
  Font(GlyphFace face, int cellHeight) : face_(face), cellHeight_(face.Empty() ? 0 : cellHeight) {}

  bool Empty() const { return face_.Empty(); }
  int CellHeight() const { return cellHeight_; }
  // How far below the top of its cell the line's glyph box starts, so that
  // the baseline sits at the face's ascent as the layouts expect.
  int GlyphTop() const { return face_.Figures().glyphTop; }
  const GlyphFace& Face() const { return face_; }

 private:
  GlyphFace face_;
  int cellHeight_ = 0;
};

}  // namespace platform
