#include "platform/drawing/frame_changes.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Sixteen pixels at a time, their differences gathered without a branch for
// each: most rows of a frame are as they were, and searching through them is
// most of what composing a frame costs.
constexpr int kBlock = 16;

bool SameBlock(const Colour* a, const Colour* b) {
  std::uint64_t differ = 0;
  for (int k = 0; k < kBlock; k += 2) {
    std::uint64_t left = 0;
    std::uint64_t right = 0;
    std::memcpy(&left, a + k, sizeof left);
    std::memcpy(&right, b + k, sizeof right);
    differ |= left ^ right;
  }
  return differ == 0;
}

}  // namespace

void FrameChanges::Start(int width, int height, bool whole) {
  rows_.assign(static_cast<std::size_t>(std::max(height, 0)), Span{0, whole ? width : 0});
  none_ = !whole || width <= 0 || height <= 0;
}

void FrameChanges::Note(int y, int left, int right) {
  if (left >= right) return;
  Span& row = rows_[static_cast<std::size_t>(y)];
  if (row.left >= row.right) {
    row = Span{left, right};
  } else {
    row.left = std::min(row.left, left);
    row.right = std::max(row.right, right);
  }
  none_ = false;
}

FrameChanges::Span CopyChangedPixels(const Colour* from, Colour* to, int count) {
  int first = 0;
  while (first + kBlock <= count && SameBlock(from + first, to + first)) first += kBlock;
  while (first < count && from[first] == to[first]) ++first;
  if (first == count) return {};
  int end = count;
  while (end - kBlock > first && SameBlock(from + end - kBlock, to + end - kBlock)) end -= kBlock;
  while (from[end - 1] == to[end - 1]) --end;
  std::copy(from + first, from + end, to + first);
  return {first, end};
}

}  // namespace platform
