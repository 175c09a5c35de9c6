#pragma once

#include "platform/drawing/colour.hpp"
#include "platform/drawing/font.hpp"

// The plain look shared by the platform's own widgets: message boxes, buttons
// and the edit field. Sizes grow with the emulated screen's density.
namespace platform::style {

// One widget pixel in device pixels: 2 on the 192 dpi screens, else 1.
int Unit();
// The cell height of the widgets' text in widget pixels, where the widget is tall enough.
constexpr int kWidgetCell = 13;
// Fonts of the embedded face, made once per size and weight.
const Font& WidgetFont(int cellHeight, int weight);

constexpr Colour Paper = Rgb(255, 255, 255);
constexpr Colour Ink = Rgb(0, 0, 0);
constexpr Colour Highlight = Rgb(0, 36, 120);  // selected text, pressed buttons, captions
constexpr Colour HighlightInk = Rgb(255, 255, 255);
constexpr Colour ButtonFace = Rgb(230, 230, 230);

}  // namespace platform::style
