#pragma once

#include <vector>

#include "platform/drawing/colour.hpp"

namespace platform {

// Which pixels of a frame differ from the frame shown before it, row by row:
// a back end sends its display only those.
class FrameChanges {
 public:
  // The columns [left, right) of a row hold all its changes; none when left >= right.
  struct Span {
    int left = 0;
    int right = 0;
  };

  // A new frame of `height` rows, `width` wide: every pixel changed, or none yet.
  void Start(int width, int height, bool whole);
  void Note(int y, int left, int right);
  bool None() const { return none_; }
  int Height() const { return static_cast<int>(rows_.size()); }
  const Span& Row(int y) const { return rows_[static_cast<std::size_t>(y)]; }

 private:
  std::vector<Span> rows_;
  bool none_ = true;
};

// Copies `count` pixels over `to` where they differ from it; returns the span
// of those that did (empty when none).
FrameChanges::Span CopyChangedPixels(const Colour* from, Colour* to, int count);

}  // namespace platform
