#include "render/paint_steps.hpp"

#include "engine/paint_advance.hpp"
#include "records/settings.hpp"
#include "render/board_cells.hpp"
#include "render/bonus_cell_drawing.hpp"
#include "render/game_over_show.hpp"
#include "render/game_overlays.hpp"
#include "render/game_screen.hpp"
#include "render/moves_drawing.hpp"
#include "render/panel_items.hpp"
#include "render/splash_drawing.hpp"
#include "render/suction_drawing.hpp"

namespace render {

namespace {

class StepPainter final : public engine::PaintReport {
 public:
  explicit StepPainter(platform::DeviceContext& screen) : screen_(screen) {}

  void Fall(const engine::FallFrame& fall) override { DrawFall(fall); }
  void Drop(const engine::DropFrame& drop) override { DrawDrop(drop); }
  void Splash(const engine::SplashFrame& splash) override { DrawSplash(splash); }
  void PaintColourChanged() override { DrawNextColour(screen_); }
  void Gauge() override { DrawGauge(screen_); }
  void ScoreAndClock() override { DrawScoreAndClock(screen_); }
  void Suction(const engine::SuctionFrame& frame) override { DrawSuctionLine(frame); }
  void PipesAtRest(int side, unsigned sucked) override { DrawPipesAtRest(side, sucked); }
  void HazardBlink(bool secondPhase) override { DrawHazardBlink(screen_, secondPhase); }
  void LevelUp(const engine::LevelUpFrameResult& frame) override {
    DrawLevelUpBanner(screen_, frame);
    // A board redraw asked for by the frame covers the banner on this paint.
    if (BoardRedrawRequested) {
      RedrawBoard();
      BoardRedrawRequested = false;
    }
  }
  void WordBanner(bool ended) override { DrawBonusBanner(ended); }
  void LetterStrip() override { DrawLetterStrip(screen_); }
  void BonusCellMarker(bool restart) override { DrawBonusCellMarker(restart); }
  void GameOverShow(const engine::GameOverFrameResult& frame) override { DrawGameOverShow(frame); }
  void DripPot() override { DrawPaintPot(screen_); }
  void ExtraLabel(int cell) override { StartExtraLabel(cell); }

 private:
  platform::DeviceContext& screen_;
};

}  // namespace

void PaintSteps(platform::DeviceContext& screen, bool panelsRedrawn) {
  StepPainter painter(screen);
  engine::AdvancePaint({records::BallStep, records::FallStep, panelsRedrawn}, painter);
}

}  // namespace render
