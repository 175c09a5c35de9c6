#include "render/bitmap_catalogue.hpp"

#include "platform/resources/resources.hpp"
#include "platform/window/display_profile.hpp"
#include "render/drawing_primitives.hpp"

namespace render {

platform::Font FontTable[FontCount];
platform::Bitmap Pictures[PictureCount];
platform::Bitmap BackBuffers[BackBufferCount];
const platform::Bitmap* BallSet[kBallSetSize] = {};
std::uint32_t BallSetStyle = BallStyleShiny;

namespace {

// The bonus word "Fandriass" by letter code: F A N D R I A S S.
constexpr int kWordLetters[9] = {1, 2, 3, 4, 5, 6, 2, 7, 7};

// The first entry of each style's joker and balls.
int BallGroupOf(std::uint32_t style) {
  switch (style) {
    case BallStyleMoon:
      return MoonBalls;
    case BallStyleRock:
      return RockBalls;
    default:
      return ShinyBalls;
  }
}

int JokerOf(std::uint32_t style) {
  switch (style) {
    case BallStyleMoon:
      return JokerBalls;
    case BallStyleRock:
      return JokerBalls + 1;
    default:
      return JokerBalls + 2;
  }
}

// The set the catalogue holds: 0 none yet, else small or VGA.
enum class PictureSet { None, Small, Vga };
PictureSet loadedSet = PictureSet::None;
// A picture is decoded once: one that fails (a damaged build) must not be
// decoded again on every paint.
bool firstUseTried[PictureCount] = {};

platform::Bitmap Decode(int entry) {
  const int id =
      loadedSet == PictureSet::Vga ? kPictureTable[entry].vgaId : kPictureTable[entry].smallId;
  // Entries with no picture in this set (the 320x320 pictures on VGA) stay empty.
  return id != 0 ? platform::LoadBitmapResource(id) : platform::Bitmap{};
}

// Pictures are decoded when first drawn: the menu shows a handful of the
// catalogue, and a screen-sized background serves one screen shape only.
// What the primitives and the ball set point at is decoded when they are
// pointed at it.
platform::Bitmap* Decoded(int entry) {
  if (Pictures[entry].Empty() && loadedSet != PictureSet::None && !firstUseTried[entry]) {
    firstUseTried[entry] = true;
    Pictures[entry] = Decode(entry);
  }
  return &Pictures[entry];
}

// The primitives draw panel frames and the volume slider from the catalogue.
void ConnectPrimitives() {
  Primitives.font15Bold = &FontTable[Font15Bold];
  Primitives.font15Heavy = &FontTable[Font15Heavy];
  Primitives.panelTitleBar = Decoded(PanelTitleBar);
  Primitives.panelLeft = Decoded(PanelLeft);
  Primitives.panelRight = Decoded(PanelRight);
  Primitives.panelBottom = Decoded(PanelBottom);
  Primitives.sliderSpeaker = Decoded(VolumeSpeaker);
  Primitives.sliderLoud = Decoded(VolumeLoud);
  Primitives.sliderMedium = Decoded(VolumeMedium);
  Primitives.sliderQuiet = Decoded(VolumeQuiet);
  Primitives.sliderTrack = Decoded(VolumeTrack);
  Primitives.sliderKnob = Decoded(VolumeKnob);
}

}  // namespace

void LoadCatalogue() {
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  if (!platform::IsSupported(displayClass)) return;
  const bool vga = platform::IsVga(displayClass);
  for (int i = 0; i < FontCount; ++i)
    FontTable[i] = platform::LoadFontResource(vga ? kFonts[i].vgaHeight : kFonts[i].smallHeight,
                                              kFonts[i].weight);
  loadedSet = vga ? PictureSet::Vga : PictureSet::Small;
  for (int entry = 0; entry < PictureCount; ++entry) {
    Pictures[entry] = platform::Bitmap{};
    firstUseTried[entry] = false;
  }
  ConnectPrimitives();
  ApplyBallStyle(BallSetStyle);
}

void ReleaseCatalogue() {
  for (platform::Font& font : FontTable) font = platform::Font{};
  for (platform::Bitmap& picture : Pictures) picture = platform::Bitmap{};
  for (platform::Bitmap& buffer : BackBuffers) buffer = platform::Bitmap{};
  loadedSet = PictureSet::None;
  Primitives = PrimitiveResources{};
}

void ApplyBallStyle(std::uint32_t style) {
  BallSetStyle = (style == BallStyleMoon || style == BallStyleRock) ? style : BallStyleShiny;
  const int group = BallGroupOf(BallSetStyle);
  for (int i = 0; i < kBallsPerStyle; ++i) BallSet[i] = Decoded(group + i);
  BallSet[kBallSetSize - 1] = Decoded(group + kBallsPerStyle - 1);
}

const platform::Bitmap* PictureOf(int entry) {
  if (entry < 0 || entry >= PictureCount) return nullptr;
  const platform::Bitmap* picture = Decoded(entry);
  return picture->Empty() ? nullptr : picture;
}

const platform::Bitmap* BallPicture(int colour, int heat) {
  if (colour < 1 || colour > 7) return nullptr;
  if (heat >= 10) return PictureOf(JokerOf(BallSetStyle));
  const platform::Bitmap* ball = BallSet[2 * (colour - 1)];
  return ball && !ball->Empty() ? ball : nullptr;
}

const platform::Bitmap* PipePicture(int heat, int frame, int side) {
  if (frame < 1 || frame > 6 || side < 1 || side > 4) return nullptr;
  // Tint offsets by side (1 top .. 4 left) and heat: 0-3, 4-6, 7-9, 10 and more.
  static constexpr int kTintOffsets[5][4] = {
      {0, 0, 0, 0}, {84, 72, 90, 78}, {60, 48, 66, 54}, {36, 24, 42, 30}, {12, 0, 18, 6},
  };
  const int tint = heat <= 3 ? 0 : heat <= 6 ? 1 : heat <= 9 ? 2 : 3;
  return PictureOf(VerticalPipes + kTintOffsets[side][tint] + frame - 1);
}

const platform::Bitmap* LetterCoin(int letterCode, bool bright) {
  if (letterCode < 1 || letterCode > kLetterCount) return nullptr;
  return PictureOf((bright ? BrightCoins : DimCoins) + letterCode - 1);
}

int LetterCodeAtPosition(int position) {
  return position >= 0 && position < 9 ? kWordLetters[position] : 0;
}

const platform::Bitmap* WordPositionCoin(int position, bool bright) {
  return LetterCoin(LetterCodeAtPosition(position), bright);
}

}  // namespace render
