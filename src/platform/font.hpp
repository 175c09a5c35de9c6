#pragma once

#include <memory>

namespace platform {

// A face of the embedded typeface at a cell height in pixels and a weight
// (400 regular, 700 bold, 900 heavy). A font that could not be made is empty
// and draws nothing.
class Font {
 public:
  Font() = default;
  static Font Create(int cellHeight, int weight);

  bool Empty() const { return !face_; }
  int CellHeight() const { return cellHeight_; }
  int Weight() const { return weight_; }
  // The renderer's own handle; only the platform's text code looks inside.
  void* Handle() const { return face_.get(); }

 private:
  std::shared_ptr<void> face_;
  int cellHeight_ = 0;
  int weight_ = 0;
};

}  // namespace platform
