#pragma once

// Every picture and font the game draws with, created once at start-up for the
// display class and kept until the main window goes: the fonts, the pictures
// of the small or the VGA set in catalogue order, and the game screen's back
// buffers. Drawing code names an entry (render::Picture) and never a resource.

#include <cstdint>

#include "platform/drawing/bitmap.hpp"
#include "platform/drawing/font.hpp"
#include "render/bitmap_catalogue_table.hpp"
#include "render/font_table.hpp"

namespace render {

// The game screen's back buffers, created by its first paint (at the end of
// the catalogue, so the one release deletes them too).
enum BackBuffer : int {
  BoardBuffer,
  TileBuffer,
  WideStripBuffer,
  TallStripBuffer,
  GaugeBuffer,
  CellBuffer,
  SplatBuffer,
  LetterStripBuffer,
  ScoreBuffer,
  TimeLabelBuffer,
  ResultBuffer,
  BackBufferCount
};

extern platform::Font FontTable[FontCount];
extern platform::Bitmap Pictures[PictureCount];
extern platform::Bitmap BackBuffers[BackBufferCount];

// Ball styles as the settings store them.
constexpr std::uint32_t BallStyleShiny = 1;
constexpr std::uint32_t BallStyleMoon = 2;
constexpr std::uint32_t BallStyleRock = 3;

// The current ball set: the style's 13 balls in catalogue order, the grey
// ball repeated as the 14th so a narrow frame of colour 7 is grey again.
constexpr int kBallSetSize = 14;
extern const platform::Bitmap* BallSet[kBallSetSize];
// The style the set was filled for (its jokers go with it).
extern std::uint32_t BallSetStyle;

// Creates the fonts and loads the pictures of the set that
// platform::Display.DisplayClass selects; an unsupported screen
// loads nothing. A picture that fails to load stays empty.
void LoadCatalogue();
// Deletes every font, picture and back buffer; harmless when empty.
void ReleaseCatalogue();
// Fills the current ball set for a ball style (1 Shiny, 2 Moon, 3 Rock; any
// other value is Shiny). Copies handles only, loads nothing. The records
// layer derives the style in ApplySettings but sits below the drawing, so the
// shell passes records::ActiveBallStyle on to here.
void ApplyBallStyle(std::uint32_t style);

// A catalogue picture, or null when the entry is out of range or empty.
const platform::Bitmap* PictureOf(int entry);
// The ball of colour 1..7 in the current style; the style's joker when the
// heat that comes with it is 10 or more. Any other colour gives null.
const platform::Bitmap* BallPicture(int colour, int heat);
// The pipe of a side (1 top, 2 bottom, 3 right, 4 left) in the tint of a heat
// value, frame 1..6; null for a frame or side out of range.
const platform::Bitmap* PipePicture(int heat, int frame, int side);
// The coin of letter code 1..7 (F, A, N, D, R, I, S); null otherwise.
const platform::Bitmap* LetterCoin(int letterCode, bool bright);
// Letter code of a position 0..8 of the bonus word "Fandriass"; 0 outside.
int LetterCodeAtPosition(int position);
// The coin of a position 0..8 of the bonus word: positions with the same
// letter share one coin.
const platform::Bitmap* WordPositionCoin(int position, bool bright);

}  // namespace render
