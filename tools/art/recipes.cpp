#include "recipes.hpp"

#include "drawings.hpp"
#include "render/bitmap_catalogue_table.hpp"

namespace art {

namespace {

struct GroupRecipe {
  int first;
  int count;
  Recipe recipe;
};

using namespace render;

// Edges of round keyed shapes: a third covered is enough to keep the pixel,
// so the outline stays smooth without a fringe of backdrop colour.
constexpr double kEdge = 0.33;

const GroupRecipe kGroups[] = {
    {SoundOffIcon, 2, {DrawSoundIcon, ButtonBedBackdrop, 0.0}},
    {BonusBanner, 1, {DrawBonusBanner, BannerBackdrop, kEdge}},
    {JokerBalls, 3, {DrawJoker, DrawEmptyCell, kEdge}},
    {MoonBalls, kBallsPerStyle, {DrawMoonBall, DrawEmptyCell, kEdge}},
    {RockBalls, kBallsPerStyle, {DrawRockBall, DrawEmptyCell, kEdge}},
    {ShinyBalls, kBallsPerStyle, {DrawShinyBall, DrawEmptyCell, kEdge}},
    {ExportIcon, 1, {DrawExportIcon, ExportIconBackdrop, kEdge}},
    {PaintPills, 6, {DrawPaintPill, nullptr, 0}},
    {ColourWheelIcon, 1, {DrawColourWheelIcon, BottomPanelWheelBackdrop, kEdge}},
    {ColourWheel, 1, {DrawColourWheel, nullptr, 0}},
    {CheckBoxEmpty, 2, {DrawCheckBox, nullptr, 0}},
    {MakerLogo, 1, {DrawMakerLogo, nullptr, 0}},
    {Trophy, 1, {DrawTrophy, nullptr, 0}},
    {EmptyCell, 1, {DrawEmptyCell, nullptr, 0}},
    {CloseButton, 1, {DrawCloseButton, ButtonBedBackdrop, kEdge}},
    {MenuButton, 1, {DrawMenuButton, ReserveTopBackdrop, kEdge}},
    {ExtraLabel, 1, {DrawExtraLabel, BannerBackdrop, kEdge}},
    {BottomPanel, 1, {DrawBottomPanel, nullptr, 0}},
    {SidePanelLeft, 2, {DrawSidePanel, nullptr, 0}},
    {GameOverBanner, 1, {DrawGameOverBanner, BannerBackdrop, kEdge}},
    {ResultPanel, 1, {DrawResultPanel, ResultBackdrop, kEdge}},
    {TopBar, 1, {DrawTopBar, nullptr, 0}},
    {ReserveColumnEmpty, 2, {DrawReserveColumn, nullptr, 0}},
    {FrameCorners, 4, {DrawFrameCorner, nullptr, 0}},
    {DimCoins, kLetterCount, {DrawDimCoin, CoinBackdrop, kEdge}},
    {BrightCoins, kLetterCount, {DrawBrightCoin, CoinBackdrop, kEdge}},
    {CursorFrame, 1, {DrawCursorFrame, DrawEmptyCell, kEdge}},
    {ModeTitles, 5, {DrawModeTitle, ModeTitleBackdrop, kEdge}},
    {PaintPots, 4, {DrawPaintPot, nullptr, 0}},
    {LevelUpBanner, 1, {DrawLevelUpBanner, BannerBackdrop, kEdge}},
    {HiScoreBackground, 1, {DrawHiScoreBackground, nullptr, 0}},
    {MenuSquare, 4, {DrawMainMenu, nullptr, 0}},
    {BackButton, 1, {DrawBackButton, ButtonBedBackdrop, kEdge}},
    {HazardSigns, 2, {DrawHazardSign, nullptr, 0}},
    {VerticalPipes, 2 * kPipesPerSide, {DrawVerticalPipe, nullptr, 0}},
    {HorizontalPipes, 2 * kPipesPerSide, {DrawHorizontalPipe, nullptr, 0}},
    {Coils, 2, {DrawCoil, nullptr, 0}},
    {ResetButton, 1, {DrawResetButton, nullptr, 0}},
    {ScoreBox, 1, {DrawScoreBox, nullptr, 0}},
    {SettingsCorners, 4, {DrawSettingsCorner, nullptr, 0}},
    {SettingsCloseBox, 1, {DrawSettingsCloseBox, nullptr, 0}},
    {VolumeTrack, 6, {DrawVolumePiece, nullptr, 0}},
    {SplatSheets, 2, {DrawSplatSheet, SplatSheetBackdrop, 0.5}},
    {TimeLabel, 1, {DrawTimeLabel, nullptr, 0}},
    {TimeUpBanner, 1, {DrawTimeUpBanner, BannerBackdrop, kEdge}},
    {DropDownArrow, 1, {DrawDropDownArrow, nullptr, 0}},
    {MultiplierTiles, 1, {DrawMultiplierTiles, nullptr, 0}},
    {PanelBottom, 4, {DrawPanelPiece, nullptr, 0}},
    {GaugeMarkers, 4, {DrawGaugePiece, nullptr, 0}},
    {Class7Corners, 4, {DrawClass7Corner, nullptr, 0}},
    {ColourSymbols, 1, {DrawColourSymbols, ColourSymbolBackdrop, 0.5}},
    {BlackPaintPill, 1, {DrawBlackPaintPill, nullptr, 0}},
};

}  // namespace

Recipe RecipeFor(int entry, int* index) {
  for (const GroupRecipe& g : kGroups) {
    if (entry >= g.first && entry < g.first + g.count) {
      *index = entry - g.first;
      return g.recipe;
    }
  }
  *index = 0;
  return Recipe{};
}

}  // namespace art
