#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_drawing.hpp"

namespace testing_support {

// Every text drawn while an object lives, with its rectangle, font and colour.
class DrawnTexts {
 public:
  struct Text {
    std::u16string text;
    platform::Rect rect;
    const platform::Font* font;
    platform::Colour colour;
  };

  DrawnTexts() {
    All().clear();
    platform::SetTextObserver(&Note);
  }
  ~DrawnTexts() {
    platform::SetTextObserver(nullptr);
    All().clear();
  }
  DrawnTexts(const DrawnTexts&) = delete;
  DrawnTexts& operator=(const DrawnTexts&) = delete;

  const std::vector<Text>& texts() const { return All(); }
  void Clear() { All().clear(); }
  // The first drawing of a text, or null.
  const Text* Find(std::u16string_view text) const {
    for (const Text& t : All()) {
      if (t.text == text) return &t;
    }
    return nullptr;
  }

 private:
  static std::vector<Text>& All() {
    static std::vector<Text> texts;
    return texts;
  }
  static void Note(const platform::DrawnText& t) {
    All().push_back(Text{std::u16string(t.text), t.rect, t.font, t.colour});
  }
};

}  // namespace testing_support
