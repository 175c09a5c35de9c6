#include "engine/animation_steps.hpp"

#include <algorithm>

#include "engine/game_state.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine/painting.hpp"
#include "sound/sound_effects.hpp"

namespace engine {

namespace {

// The drop sound belongs half-way down: position 24 at Normal speed, 28 at Fast,
// and at Fastest the first position past it.
constexpr int DropSoundPosition = 28;

// Every move must get somewhere, whatever step it is given.
int Forward(int step) {
  return std::max(step, 1);
}

}  // namespace

bool StepDrop(int k, int step) {
  if (k < 1 || k > ColumnCount) return false;
  BallDrop& drop = Game.DropRecord[k];
  if (!drop.Active) return false;
  const int before = drop.Position;
  drop.Position -= Forward(step);
  if (before > DropSoundPosition && drop.Position <= DropSoundPosition) {
    sound::PlaySoundEffect(sound::effect::BallDropping);
  }
  if (drop.Position > 0) return false;
  CompleteDrop(k);
  return true;
}

bool StepFall(int slot, int step) {
  if (slot < 1 || slot > CellCount) return false;
  BallFall& fall = Game.FallRecord[slot];
  if (!fall.Active) return false;
  fall.Progress -= Forward(step);
  if (fall.Progress > 0) return false;
  CompleteFall(slot);
  return true;
}

int StepSplash(int c) {
  if (c < 0 || c >= CellCount) return 0;
  const int frame = Game.PaintStep[c];
  if (frame == 0) return 0;
  if (frame == 1) sound::PlaySoundEffect(sound::effect::PaintSplash);
  Game.PaintStep[c] = frame + 2;
  if (Game.PaintStep[c] >= 11) CompletePaint(c);
  return frame;
}

SuctionFrameResult StepSuction(int p, int step) {
  SuctionFrameResult result{};
  if (p < 1 || p > PipeCount || Game.RunLength[p] <= 0) return result;
  std::int32_t& progress = Game.LineProgress[p];
  progress -= Forward(step);
  if (progress == 15 || progress == 12 || progress == 10) PlayPipeSound(p);
  if (progress > 0) return result;
  progress = 30;
  SwallowBall(p);
  result.Swallowed = true;
  if (Game.RunLength[p] == 0) EndSuction();
  return result;
}

}  // namespace engine
