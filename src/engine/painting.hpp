#pragma once

namespace engine {

// The player's tap on cell 0..35 (any other value does nothing). A refused tap
// only sounds; an accepted one starts the splash and charges the reserve.
void PaintCell(int c);
void MixPaint(int c);

// The colour CHROMA paint of colour `paint` becomes on a ball of colour `ball`.
int MixedColour(int ball, int paint);

// A new "next:" colour, 1..5.
void RollPaintColour();

// The rule when the splash of cell c has ended.
void CompletePaint(int c);

}  // namespace engine
