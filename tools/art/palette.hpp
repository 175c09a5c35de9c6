#pragma once

// One palette for the whole game, so every picture looks made by one hand:
// blue-grey steel, brass and copper fittings, hazard yellow, and paint colours
// that are the brightest things on screen.

#include "art_kit.hpp"

namespace art {

// Steel panels, from the shadowed edge to the lit bevel.
inline constexpr Rgb kSteelShadow = Rgb8(14, 17, 25);
inline constexpr Rgb kSteelDark = Rgb8(28, 35, 49);
inline constexpr Rgb kSteel = Rgb8(46, 55, 72);
inline constexpr Rgb kSteelLight = Rgb8(84, 97, 122);
inline constexpr Rgb kSteelShine = Rgb8(132, 146, 170);
// The bottom panel's shading at its rows 29..53, where the paint pot stands;
// the pot picture carries it as its backdrop wherever the pot is shown.
constexpr Rgb SteelShade(double t) {
  return Rgb{kSteel.r + (kSteelDark.r - kSteel.r) * t, kSteel.g + (kSteelDark.g - kSteel.g) * t,
             kSteel.b + (kSteelDark.b - kSteel.b) * t};
}
inline constexpr Rgb kPotBackdropTop = SteelShade(29 / 73.0);
inline constexpr Rgb kPotBackdropBottom = SteelShade(53 / 73.0);
// The flat steel behind the small buttons on every layout.
inline constexpr Rgb kButtonBed = Rgb8(38, 46, 61);
// Recesses: the board's empty slots and the letter strip.
inline constexpr Rgb kSlot = Rgb8(17, 21, 31);
inline constexpr Rgb kSlotDeep = Rgb8(8, 10, 16);
inline constexpr Rgb kSlotLip = Rgb8(58, 68, 90);
inline constexpr Rgb kStrip = Rgb8(12, 15, 23);

inline constexpr Rgb kBrass = Rgb8(184, 148, 74);
inline constexpr Rgb kBrassLight = Rgb8(240, 214, 140);
inline constexpr Rgb kBrassDark = Rgb8(104, 78, 30);
inline constexpr Rgb kCopper = Rgb8(188, 108, 62);
inline constexpr Rgb kCopperLight = Rgb8(242, 172, 122);
inline constexpr Rgb kCopperDark = Rgb8(98, 48, 22);

inline constexpr Rgb kHazardYellow = Rgb8(242, 192, 30);
inline constexpr Rgb kHazardBlack = Rgb8(26, 26, 28);
inline constexpr Rgb kAmber = Rgb8(255, 178, 24);
inline constexpr Rgb kInk = Rgb8(10, 12, 18);
inline constexpr Rgb kWhite = Rgb8(255, 255, 255);
inline constexpr Rgb kLcd = Rgb8(214, 226, 190);

// The paint colours by colour code 1..7 (index 0 unused): the Shiny balls'
// base colours; code 7 is the grey "black" ball.
inline constexpr Rgb kPaint[8] = {
    Rgb8(0, 0, 0),    Rgb8(198, 1, 25),  Rgb8(215, 218, 0), Rgb8(1, 89, 217),
    Rgb8(1, 217, 42), Rgb8(146, 1, 217), Rgb8(228, 100, 1), Rgb8(109, 109, 109),
};

// The six paint colours in wheel order: Red, Orange, Yellow, Green, Blue, Purple.
inline constexpr int kWheelOrder[6] = {1, 6, 2, 4, 3, 5};

}  // namespace art
