#pragma once

#include <string>
#include <string_view>

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

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace platform
