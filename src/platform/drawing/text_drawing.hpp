#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing/device_context.hpp"

namespace platform {

// Text layout flags, with the values the game's layouts were written with.
namespace text_format {
constexpr unsigned Left = 0;
constexpr unsigned Centre = 1;
constexpr unsigned Right = 2;
constexpr unsigned VerticalCentre = 4;
constexpr unsigned WordBreak = 16;
constexpr unsigned SingleLine = 32;
}  // namespace text_format

// Draws text into a rectangle with the context's font and colours. Lines break
// at "\n" and, with WordBreak, at spaces; a word longer than the line is clipped
// at the rectangle. VerticalCentre centres the whole wrapped block. Returns the
// height of the drawn block in pixels.
int DrawText(DeviceContext& dc, std::u16string_view text, const Rect& rect, unsigned format);

// Width in pixels of one line of text in a font (0 for an empty font).
int MeasureText(const Font& font, std::u16string_view text);

// The blank a character leaves after its ink within its advance, in pixels
// (0 for an empty font or a character the font lacks).
int SpaceAfter(const Font& font, char16_t character);

// Spreads a block of text coverage (0..255, width x height, row by row) to the
// right by a font's extra ink in pixels: each pixel takes the strongest of the
// pixels up to that far to its left, the farthest weighted by the fraction.
// The block grows by the whole pixels the ink reaches; width becomes the new one.
std::vector<int> SpreadInk(const std::vector<int>& coverage, int& width, int height,
                           double embolden);

// What a screen wrote, as tests read it back: every DrawText call is told to
// the observer before it draws (the text already cut at its zero unit).
struct DrawnText {
  std::u16string_view text;
  Rect rect;
  unsigned format;
  const Font* font;
  Colour colour;
};
using TextObserver = void (*)(const DrawnText& drawn);
// nullptr stops the telling.
void SetTextObserver(TextObserver observer);

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace platform
