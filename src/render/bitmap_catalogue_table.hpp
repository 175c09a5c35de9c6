#pragma once

// The catalogue of every picture the game draws: one entry per role, in load
// order, with its resource identifier and size in the small set (classes 1, 2,
// 5, 7) and in the VGA set (classes 3, 4, 6), and the colour it is keyed with.
// Plain data, so the artwork generator draws exactly what the game loads.

#include <cstdint>

namespace render {

// Catalogue entries in load order. Groups are named by their first entry.
enum Picture : int {
  SoundOffIcon,
  SoundOnIcon,
  BonusBanner,
  JokerBalls,  // Moon, Rock, Shiny
  MoonBalls = JokerBalls + 3,
  RockBalls = MoonBalls + 13,
  ShinyBalls = RockBalls + 13,
  ExportIcon = ShinyBalls + 13,
  PaintPills,  // paint colours 1..6
  ColourWheelIcon = PaintPills + 6,
  ColourWheel,
  CheckBoxEmpty,
  CheckBoxTicked,
  MakerLogo,
  Trophy,
  EmptyCell,
  CloseButton,
  MenuButton,
  ExtraLabel,
  BottomPanel,
  SidePanelLeft,
  SidePanelRight,
  GameOverBanner,
  ResultPanel,
  TopBar,
  ReserveColumnEmpty,
  ReserveColumnFull,
  FrameCorners,  // top left, top right, bottom left, bottom right
  DimCoins = FrameCorners + 4,
  BrightCoins = DimCoins + 7,
  CursorFrame = BrightCoins + 7,
  ModeTitles,  // CHROMA, EASY, HARD, HEAT, PANIC
  PaintPots = ModeTitles + 5,
  LevelUpBanner = PaintPots + 4,
  HiScoreBackground,
  MenuSquare,
  MenuLandscape,
  Menu320,
  MenuPortrait,
  BackButton,
  HazardSigns,
  VerticalPipes = HazardSigns + 2,       // 24 left, then 24 right
  HorizontalPipes = VerticalPipes + 48,  // 24 bottom, then 24 top
  Coils = HorizontalPipes + 48,
  ResetButton = Coils + 2,
  ScoreBox,
  SettingsCorners,  // top left, top right, bottom left, bottom right
  SettingsCloseBox = SettingsCorners + 4,
  VolumeTrack,
  VolumeKnob,
  VolumeLoud,
  VolumeMedium,
  VolumeQuiet,
  VolumeSpeaker,
  SplatSheets,  // colours 1-3, colours 4-6
  TimeLabel = SplatSheets + 2,
  TimeUpBanner,
  DropDownArrow,
  MultiplierTiles,
  PanelBottom,
  PanelLeft,
  PanelRight,
  PanelTitleBar,
  GaugeMarkers,  // two blink frames
  GaugeTubeEmpty = GaugeMarkers + 2,
  GaugeTubeFull,
  Class7Corners,                      // top left, top right, bottom left, bottom right
  ColourSymbols = Class7Corners + 4,  // paint colours 1..6: 16x16 side by side, 10x10 under them
  BlackPaintPill,                     // the pill of black paint, mixed from opposites
  PictureCount
};

// Group sizes, so drawing code never counts by hand.
constexpr int kBallsPerStyle = 13;
constexpr int kPipesPerSide = 24;
constexpr int kLetterCount = 7;

// A key is an RGB colour (red + 256 green + 65536 blue) or kNoKey.
constexpr std::int32_t kNoKey = -1;
constexpr std::int32_t KeyRgb(int red, int green, int blue) {
  return red + 256 * green + 65536 * blue;
}
constexpr std::int32_t kColourKey = KeyRgb(255, 204, 255);
constexpr std::int32_t kBlackKey = KeyRgb(0, 0, 0);
constexpr std::int32_t kWhiteKey = KeyRgb(255, 255, 255);
constexpr std::int32_t kGreyKey = KeyRgb(187, 187, 187);
constexpr std::int32_t kWheelKey = KeyRgb(100, 100, 100);
constexpr std::int32_t kExportKeyVga = KeyRgb(254, 203, 254);

// Identifier 0 and size 0x0 mean "no picture in this set".
struct PictureRow {
  int smallId;
  int vgaId;
  int smallWidth;
  int smallHeight;
  int vgaWidth;
  int vgaHeight;
  std::int32_t smallKey;
  std::int32_t vgaKey;
};

// clang-format off
inline constexpr PictureRow kPictureTable[PictureCount] = {
    // Sound icons: off, on.
    {768, 765, 17, 17, 34, 34, kColourKey, kColourKey},
    {766, 767, 17, 17, 34, 34, kColourKey, kColourKey},
    // Bonus banner.
    {688, 689, 150, 38, 300, 76, kGreyKey, kGreyKey},
    // Joker balls: Moon, Rock, Shiny.
    {675, 676, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {677, 678, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {679, 674, 30, 30, 60, 60, kBlackKey, kBlackKey},
    // Moon balls.
    {571, 572, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {573, 574, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {575, 576, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {577, 578, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {579, 580, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {581, 582, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {583, 584, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {585, 586, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {587, 588, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {589, 590, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {591, 592, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {593, 594, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {595, 596, 30, 30, 60, 60, kBlackKey, kBlackKey},
    // Rock balls.
    {597, 598, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {599, 600, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {601, 602, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {603, 604, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {605, 606, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {607, 608, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {609, 610, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {611, 612, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {613, 614, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {615, 616, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {617, 618, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {619, 620, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {621, 622, 30, 30, 60, 60, kBlackKey, kBlackKey},
    // Shiny balls.
    {623, 624, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {625, 626, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {627, 628, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {629, 630, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {631, 632, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {633, 634, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {635, 636, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {637, 638, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {639, 640, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {641, 642, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {643, 644, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {645, 646, 30, 30, 60, 60, kBlackKey, kBlackKey},
    {647, 570, 30, 30, 60, 60, kBlackKey, kBlackKey},
    // Export icon.
    {368, 386, 30, 32, 60, 64, kColourKey, kExportKeyVga},
    // Paint pills, colours 1-6.
    {653, 654, 18, 25, 36, 50, kNoKey, kNoKey},
    {655, 656, 18, 25, 36, 50, kNoKey, kNoKey},
    {657, 658, 18, 25, 36, 50, kNoKey, kNoKey},
    {659, 660, 18, 25, 36, 50, kNoKey, kNoKey},
    {661, 662, 18, 25, 36, 50, kNoKey, kNoKey},
    {663, 652, 18, 25, 36, 50, kNoKey, kNoKey},
    // Colour wheel icon.
    {728, 727, 20, 20, 40, 40, kWheelKey, kWheelKey},
    // Colour wheel (one picture for both sets).
    {729, 729, 116, 122, 116, 122, kNoKey, kNoKey},
    // Check boxes: empty, ticked.
    {255, 265, 19, 16, 38, 32, kColourKey, kColourKey},
    {256, 266, 19, 16, 38, 32, kColourKey, kColourKey},
    // Maker logo.
    {165, 164, 103, 29, 206, 58, kNoKey, kNoKey},
    // Trophy.
    {716, 715, 62, 75, 124, 150, kNoKey, kNoKey},
    // Empty cell.
    {527, 526, 30, 30, 60, 60, kNoKey, kNoKey},
    // Close button.
    {162, 163, 17, 17, 34, 34, kColourKey, kColourKey},
    // Menu button.
    {762, 761, 24, 12, 48, 24, kColourKey, kColourKey},
    // Extra label.
    {696, 695, 30, 12, 60, 24, kGreyKey, kGreyKey},
    // Bottom panel.
    {537, 538, 240, 73, 480, 146, kNoKey, kNoKey},
    // Side panels: left, right.
    {772, 773, 31, 240, 62, 480, kNoKey, kNoKey},
    {774, 771, 49, 240, 98, 480, kNoKey, kNoKey},
    // Game-over banner.
    {698, 697, 150, 29, 300, 58, kGreyKey, kGreyKey},
    // Result panel.
    {702, 701, 176, 40, 352, 80, kColourKey, kColourKey},
    // Top bar.
    {539, 540, 240, 31, 480, 62, kNoKey, kNoKey},
    // Reserve columns: empty, full.
    {541, 536, 24, 216, 48, 432, kNoKey, kNoKey},
    {775, 776, 24, 216, 48, 432, kNoKey, kNoKey},
    // Frame corners: top left, top right, bottom left, bottom right.
    {529, 530, 18, 18, 36, 36, kNoKey, kNoKey},
    {531, 532, 18, 18, 36, 36, kNoKey, kNoKey},
    {533, 534, 18, 18, 36, 36, kNoKey, kNoKey},
    {535, 528, 18, 18, 36, 36, kNoKey, kNoKey},
    // Letter coins, dim: F, A, N, D, R, I, S.
    {553, 554, 30, 30, 60, 60, kColourKey, kColourKey},
    {543, 544, 30, 30, 60, 60, kColourKey, kColourKey},
    {547, 548, 30, 30, 60, 60, kColourKey, kColourKey},
    {551, 552, 30, 30, 60, 60, kColourKey, kColourKey},
    {555, 556, 30, 30, 60, 60, kColourKey, kColourKey},
    {545, 546, 30, 30, 60, 60, kColourKey, kColourKey},
    {549, 550, 30, 30, 60, 60, kColourKey, kColourKey},
    // Letter coins, bright.
    {567, 568, 30, 30, 60, 60, kColourKey, kColourKey},
    {557, 558, 30, 30, 60, 60, kColourKey, kColourKey},
    {561, 562, 30, 30, 60, 60, kColourKey, kColourKey},
    {565, 566, 30, 30, 60, 60, kColourKey, kColourKey},
    {569, 542, 30, 30, 60, 60, kColourKey, kColourKey},
    {559, 560, 30, 30, 60, 60, kColourKey, kColourKey},
    {563, 564, 30, 30, 60, 60, kColourKey, kColourKey},
    // Cursor frame.
    {734, 733, 30, 30, 60, 60, kColourKey, kColourKey},
    // Mode titles: CHROMA, EASY, HARD, HEAT, PANIC.
    {706, 711, 184, 40, 368, 80, kColourKey, kWheelKey},
    {704, 709, 106, 40, 212, 80, kColourKey, kWheelKey},
    {707, 712, 118, 40, 236, 80, kColourKey, kWheelKey},
    {708, 713, 116, 40, 232, 80, kColourKey, kWheelKey},
    {705, 714, 130, 40, 260, 80, kColourKey, kWheelKey},
    // Paint pot frames.
    {718, 719, 19, 24, 38, 48, kNoKey, kNoKey},
    {720, 721, 19, 24, 38, 48, kNoKey, kNoKey},
    {722, 723, 19, 24, 38, 48, kNoKey, kNoKey},
    {724, 717, 19, 24, 38, 48, kNoKey, kNoKey},
    // Level-up banner.
    {691, 692, 150, 30, 300, 60, kGreyKey, kGreyKey},
    // Hi-score background (one picture for both sets).
    {703, 703, 240, 320, 240, 320, kNoKey, kNoKey},
    // Main menu pictures: square, landscape, 320x320 (small set only), portrait.
    {759, 760, 240, 240, 480, 480, kNoKey, kNoKey},
    {770, 769, 320, 240, 640, 480, kNoKey, kNoKey},
    {777, 0, 320, 320, 0, 0, kNoKey, kNoKey},
    {327, 326, 240, 320, 480, 640, kNoKey, kNoKey},
    // Back button.
    {764, 763, 17, 17, 34, 34, kColourKey, kColourKey},
    // Hazard signs.
    {685, 686, 29, 30, 58, 60, kNoKey, kNoKey},
    {687, 684, 29, 30, 58, 60, kNoKey, kNoKey},
    // Vertical pipes: left side, then right side.
    {329, 330, 18, 30, 36, 60, kNoKey, kNoKey},
    {331, 332, 18, 30, 36, 60, kNoKey, kNoKey},
    {333, 334, 18, 30, 36, 60, kNoKey, kNoKey},
    {335, 336, 18, 30, 36, 60, kNoKey, kNoKey},
    {337, 338, 18, 30, 36, 60, kNoKey, kNoKey},
    {339, 340, 18, 30, 36, 60, kNoKey, kNoKey},
    {341, 342, 18, 30, 36, 60, kNoKey, kNoKey},
    {343, 344, 18, 30, 36, 60, kNoKey, kNoKey},
    {345, 346, 18, 30, 36, 60, kNoKey, kNoKey},
    {347, 348, 18, 30, 36, 60, kNoKey, kNoKey},
    {349, 350, 18, 30, 36, 60, kNoKey, kNoKey},
    {351, 352, 18, 30, 36, 60, kNoKey, kNoKey},
    {353, 354, 18, 30, 36, 60, kNoKey, kNoKey},
    {355, 356, 18, 30, 36, 60, kNoKey, kNoKey},
    {357, 358, 18, 30, 36, 60, kNoKey, kNoKey},
    {359, 360, 18, 30, 36, 60, kNoKey, kNoKey},
    {361, 362, 18, 30, 36, 60, kNoKey, kNoKey},
    {363, 364, 18, 30, 36, 60, kNoKey, kNoKey},
    {365, 366, 18, 30, 36, 60, kNoKey, kNoKey},
    {367, 369, 18, 30, 36, 60, kNoKey, kNoKey},
    {370, 371, 18, 30, 36, 60, kNoKey, kNoKey},
    {372, 373, 18, 30, 36, 60, kNoKey, kNoKey},
    {374, 376, 18, 30, 36, 60, kNoKey, kNoKey},
    {377, 378, 18, 30, 36, 60, kNoKey, kNoKey},
    {379, 380, 18, 30, 36, 60, kNoKey, kNoKey},
    {381, 382, 18, 30, 36, 60, kNoKey, kNoKey},
    {383, 384, 18, 30, 36, 60, kNoKey, kNoKey},
    {387, 388, 18, 30, 36, 60, kNoKey, kNoKey},
    {389, 390, 18, 30, 36, 60, kNoKey, kNoKey},
    {391, 392, 18, 30, 36, 60, kNoKey, kNoKey},
    {393, 394, 18, 30, 36, 60, kNoKey, kNoKey},
    {395, 396, 18, 30, 36, 60, kNoKey, kNoKey},
    {397, 398, 18, 30, 36, 60, kNoKey, kNoKey},
    {399, 400, 18, 30, 36, 60, kNoKey, kNoKey},
    {401, 402, 18, 30, 36, 60, kNoKey, kNoKey},
    {403, 404, 18, 30, 36, 60, kNoKey, kNoKey},
    {405, 406, 18, 30, 36, 60, kNoKey, kNoKey},
    {407, 408, 18, 30, 36, 60, kNoKey, kNoKey},
    {409, 410, 18, 30, 36, 60, kNoKey, kNoKey},
    {411, 412, 18, 30, 36, 60, kNoKey, kNoKey},
    {413, 414, 18, 30, 36, 60, kNoKey, kNoKey},
    {415, 416, 18, 30, 36, 60, kNoKey, kNoKey},
    {417, 418, 18, 30, 36, 60, kNoKey, kNoKey},
    {419, 420, 18, 30, 36, 60, kNoKey, kNoKey},
    {421, 422, 18, 30, 36, 60, kNoKey, kNoKey},
    {423, 424, 18, 30, 36, 60, kNoKey, kNoKey},
    {425, 426, 18, 30, 36, 60, kNoKey, kNoKey},
    {427, 428, 18, 30, 36, 60, kNoKey, kNoKey},
    // Horizontal pipes: bottom side, then top side.
    {429, 430, 30, 18, 60, 36, kNoKey, kNoKey},
    {431, 432, 30, 18, 60, 36, kNoKey, kNoKey},
    {433, 434, 30, 18, 60, 36, kNoKey, kNoKey},
    {435, 436, 30, 18, 60, 36, kNoKey, kNoKey},
    {437, 438, 30, 18, 60, 36, kNoKey, kNoKey},
    {441, 442, 30, 18, 60, 36, kNoKey, kNoKey},
    {443, 444, 30, 18, 60, 36, kNoKey, kNoKey},
    {445, 446, 30, 18, 60, 36, kNoKey, kNoKey},
    {447, 448, 30, 18, 60, 36, kNoKey, kNoKey},
    {449, 450, 30, 18, 60, 36, kNoKey, kNoKey},
    {451, 452, 30, 18, 60, 36, kNoKey, kNoKey},
    {453, 454, 30, 18, 60, 36, kNoKey, kNoKey},
    {455, 456, 30, 18, 60, 36, kNoKey, kNoKey},
    {457, 458, 30, 18, 60, 36, kNoKey, kNoKey},
    {459, 460, 30, 18, 60, 36, kNoKey, kNoKey},
    {461, 462, 30, 18, 60, 36, kNoKey, kNoKey},
    {463, 464, 30, 18, 60, 36, kNoKey, kNoKey},
    {465, 466, 30, 18, 60, 36, kNoKey, kNoKey},
    {467, 468, 30, 18, 60, 36, kNoKey, kNoKey},
    {469, 470, 30, 18, 60, 36, kNoKey, kNoKey},
    {471, 472, 30, 18, 60, 36, kNoKey, kNoKey},
    {473, 474, 30, 18, 60, 36, kNoKey, kNoKey},
    {475, 476, 30, 18, 60, 36, kNoKey, kNoKey},
    {477, 478, 30, 18, 60, 36, kNoKey, kNoKey},
    {479, 480, 30, 18, 60, 36, kNoKey, kNoKey},
    {481, 482, 30, 18, 60, 36, kNoKey, kNoKey},
    {483, 484, 30, 18, 60, 36, kNoKey, kNoKey},
    {485, 486, 30, 18, 60, 36, kNoKey, kNoKey},
    {487, 488, 30, 18, 60, 36, kNoKey, kNoKey},
    {489, 490, 30, 18, 60, 36, kNoKey, kNoKey},
    {491, 492, 30, 18, 60, 36, kNoKey, kNoKey},
    {493, 494, 30, 18, 60, 36, kNoKey, kNoKey},
    {495, 496, 30, 18, 60, 36, kNoKey, kNoKey},
    {497, 498, 30, 18, 60, 36, kNoKey, kNoKey},
    {499, 500, 30, 18, 60, 36, kNoKey, kNoKey},
    {501, 502, 30, 18, 60, 36, kNoKey, kNoKey},
    {503, 504, 30, 18, 60, 36, kNoKey, kNoKey},
    {505, 506, 30, 18, 60, 36, kNoKey, kNoKey},
    {507, 508, 30, 18, 60, 36, kNoKey, kNoKey},
    {509, 510, 30, 18, 60, 36, kNoKey, kNoKey},
    {511, 512, 30, 18, 60, 36, kNoKey, kNoKey},
    {513, 514, 30, 18, 60, 36, kNoKey, kNoKey},
    {515, 516, 30, 18, 60, 36, kNoKey, kNoKey},
    {517, 518, 30, 18, 60, 36, kNoKey, kNoKey},
    {519, 520, 30, 18, 60, 36, kNoKey, kNoKey},
    {521, 522, 30, 18, 60, 36, kNoKey, kNoKey},
    {523, 524, 30, 18, 60, 36, kNoKey, kNoKey},
    {525, 328, 30, 18, 60, 36, kNoKey, kNoKey},
    // Coils.
    {681, 682, 30, 24, 60, 48, kNoKey, kNoKey},
    {683, 680, 30, 24, 60, 48, kNoKey, kNoKey},
    // Reset button.
    {375, 385, 50, 17, 100, 34, kNoKey, kNoKey},
    // Score box.
    {673, 672, 60, 20, 120, 40, kNoKey, kNoKey},
    // Settings frame corners: top left, top right, bottom left, bottom right.
    {275, 280, 4, 4, 8, 8, kNoKey, kNoKey},
    {276, 281, 4, 4, 8, 8, kNoKey, kNoKey},
    {277, 282, 4, 4, 8, 8, kNoKey, kNoKey},
    {278, 283, 4, 4, 8, 8, kNoKey, kNoKey},
    // Settings close box.
    {279, 284, 17, 17, 34, 34, kNoKey, kNoKey},
    // Volume slider: track, knob, loud, medium, quiet, speaker.
    {260, 269, 113, 23, 226, 46, kNoKey, kNoKey},
    {261, 270, 13, 23, 26, 46, kNoKey, kNoKey},
    {262, 271, 12, 23, 24, 46, kNoKey, kNoKey},
    {263, 272, 12, 23, 24, 46, kNoKey, kNoKey},
    {264, 273, 12, 23, 24, 46, kNoKey, kNoKey},
    {259, 274, 20, 23, 40, 46, kNoKey, kNoKey},
    // Splat sheets: colours 1-3, colours 4-6.
    {649, 650, 90, 120, 180, 240, kWhiteKey, kWhiteKey},
    {651, 648, 90, 120, 180, 240, kWhiteKey, kWhiteKey},
    // Time label.
    {726, 725, 30, 25, 60, 50, kNoKey, kNoKey},
    // Time-up banner.
    {700, 699, 150, 29, 300, 58, kGreyKey, kGreyKey},
    // Drop-down arrow.
    {439, 440, 18, 23, 36, 46, kNoKey, kNoKey},
    // Multiplier tiles x1..x9.
    {694, 693, 180, 20, 360, 40, kNoKey, kNoKey},
    // Panel frame: bottom, left, right, title bar.
    {169, 173, 240, 4, 480, 8, kNoKey, kNoKey},
    {167, 171, 4, 30, 8, 60, kNoKey, kNoKey},
    {168, 172, 4, 30, 8, 60, kNoKey, kNoKey},
    {166, 170, 240, 26, 480, 52, kNoKey, kNoKey},
    // Reserve gauge: two markers, empty tube, full tube.
    {665, 666, 13, 13, 26, 26, kNoKey, kNoKey},
    {667, 668, 13, 13, 26, 26, kNoKey, kNoKey},
    {669, 670, 13, 116, 26, 232, kNoKey, kNoKey},
    {671, 664, 13, 116, 26, 232, kNoKey, kNoKey},
    // Class-7 frame corners: top left, top right, bottom left, bottom right (small set only).
    {781, 0, 31, 31, 0, 0, kNoKey, kNoKey},
    {778, 0, 49, 31, 0, 0, kNoKey, kNoKey},
    {779, 0, 31, 49, 0, 0, kNoKey, kNoKey},
    {780, 0, 49, 49, 0, 0, kNoKey, kNoKey},
    // Colour symbols for paint colours 1-6.
    {790, 791, 96, 26, 192, 52, kColourKey, kColourKey},
    // The pill of black paint.
    {792, 793, 18, 25, 36, 50, kNoKey, kNoKey},
};
// clang-format on

// An entry's size in logical pixels (the small set's; the VGA set doubles it)
// and the colour its keyed drawing leaves out in either set; 0x0 and kNoKey
// outside the catalogue.
struct PictureSize {
  int width;
  int height;
};
constexpr PictureSize LogicalSizeOf(int entry) {
  if (entry < 0 || entry >= PictureCount) return {0, 0};
  return {kPictureTable[entry].smallWidth, kPictureTable[entry].smallHeight};
}
constexpr std::int32_t KeyOf(int entry, bool vga) {
  if (entry < 0 || entry >= PictureCount) return kNoKey;
  return vga ? kPictureTable[entry].vgaKey : kPictureTable[entry].smallKey;
}

// The window icon, drawn with the rest but not part of the catalogue.
constexpr int kWindowIconId = 133;

}  // namespace render
