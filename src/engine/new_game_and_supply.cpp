#include "engine/new_game_and_supply.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/backend/runtime.hpp"
#include "sound/sound_effects.hpp"

namespace engine {

namespace {

void ClearRedrawRequests() {
  Game.GaugeRedraw = 0;
  Game.ScoreRedraw = 0;
  Game.WordRedraw = 0;
  Game.SwatchRedraw = 0;
  Game.DecorationsRedraw = 0;
  Game.DripRedraw = 0;
  Game.PipesRedraw = 0;
  Game.BonusShow = 0;
  Game.BonusMarkerRestart = 0;
}

// Cells of runs that a pipe is still sucking in. The pipe has them in its grip
// until its last swallow: they never fall (a sucked Top line empties from its
// lowest cell), and one that another pipe has emptied meanwhile takes no new
// ball, which the line's next swallow would erase and pay for.
void MarkHeldCells(bool held[CellCount]) {
  for (int c = 0; c < CellCount; ++c) held[c] = false;
  for (int p = 1; p <= PipeCount; ++p) {
    const int run = Game.RunLength[p] < 6 ? Game.RunLength[p] : 6;
    for (int i = 0; i < run; ++i) held[PipeLines[p][i]] = true;
  }
}

// A record only starts from the beginning when it was not armed yet; arming it
// again every tick must not restart a move under way.
void ArmDrop(int k, int ballColour) {
  BallDrop& drop = Game.DropRecord[k];
  if (!drop.Active) {
    drop.Active = 1;
    drop.Position = 48;
  }
  drop.Colour = ballColour;
}

void ArmFall(int slot, int source) {
  BallFall& fall = Game.FallRecord[slot];
  if (!fall.Active) {
    fall.Active = 1;
    fall.Progress = 30;
  }
  fall.Source = source;
  fall.Colour = Kept.BallColour[source];
}

}  // namespace

void NewGame() {
  platform::Srand(platform::GetTickCount());

  ClearRedrawRequests();
  Game.RunOutCounter = 0;
  Game.GameOverStep = 0;
  Game.ShowStepDue = 0;
  Game.ShowTicks = 0;
  Game.ShowHurried = 0;
  Game.RunOutPattern = 0;
  Game.HazardBlink = 0;
  Game.TimeOut = 0;
  Game.LevelUpPending = 0;
  Game.LevelUpStep = 0;
  Game.BonusCell = 0;
  Game.BonusLife = 0;
  Game.BonusWait = 0;
  Game.BonusTakenCell = 0;
  Game.DrainPending = 0;
  Game.WordBlinkStep = 0;
  for (std::uint8_t& taken : Game.LetterTaken) taken = 0;
  for (int p = 0; p <= PipeCount; ++p) {
    Game.RunLength[p] = 0;
    Game.RunHandled[p] = 0;
    Game.LineProgress[p] = 30;
  }
  for (BallDrop& drop : Game.DropRecord) drop = BallDrop{};
  for (BallFall& fall : Game.FallRecord) fall = BallFall{};
  for (std::int32_t& step : Game.PaintStep) step = 0;
  // HEAT's hot pipes, drawn just before, keep the heat that shows them.
  for (int p = 1; p <= PipeCount; ++p) {
    PipeHeat(p) = Kept.Mode == mode::Heat && PipeActive(p) == 1 ? 10 : 0;
  }
  for (std::int32_t& slot : Kept.WordSlot) slot = 0;
  for (int c = 0; c < CellCount; ++c) {
    Kept.BallColour[c] = colour::None;
    Kept.BallLetter[c] = 0;
  }
  Game.SupplyReady[1] = 0;

  // In HEAT the full redraw just before has drawn the hot pipes.
  if (Kept.Mode != mode::Heat) {
    for (std::int32_t& active : Kept.PipeActive) active = 0;
  }
  if (Kept.Mode == mode::Panic) Kept.PanicTime = 99;

  Game.Phase = phase::Start;
  Game.RefillPending = 40;
  Game.PaintCost = 3;
  Game.DripInterval = 100;
  Game.DripCountdown = 0;
  Kept.Reserve = 0;
  Kept.Level = 1;
  Kept.Score = 0;
  Kept.SupplyStart = 1;
}

void SupplyAndGravity() {
  bool held[CellCount];
  MarkHeldCells(held);
  for (int k = 1; k <= ColumnCount; ++k) {
    const int column = k - 1;
    SupplyColumn(k);
    if (Kept.BallColour[column] == colour::None && Game.IncomingColour[k] != colour::None &&
        !held[column]) {
      ArmDrop(k, Game.IncomingColour[k]);
    }
    for (int r = 1; r <= 5; ++r) {
      const int cell = CellOf(r, column);
      const int above = cell - 6;
      if (Kept.BallColour[cell] == colour::None && Kept.BallColour[above] != colour::None &&
          !held[above] && !held[cell]) {
        ArmFall(6 * (k - 1) + r + 1, above);
      }
    }
  }
}

void SupplyColumn(int k) {
  if (Kept.SupplyStart == 1) {
    // Column 1 decides at once; the others enter 15 ticks apart.
    Kept.SupplyStart = 0;
    for (int j = 2; j <= ColumnCount; ++j) {
      Game.SupplyReady[j] = 1;
      Game.IncomingColour[j] = colour::None;
      Game.SupplyWait[j] = 15 * (j - 1);
    }
  }
  if (Game.SupplyReady[k] == 0) {
    const bool blackAllowed = Kept.Mode != mode::Panic && Kept.Mode != mode::Heat;
    Game.IncomingColour[k] = Draw(blackAllowed ? 8 : 7);
    Game.SupplyReady[k] = 1;
    const int letter = Draw(240) + 1;
    if (letter <= 7 && Game.IncomingColour[k] != colour::Black) {
      Game.IncomingLetter[k] = letter;
      OfferMissingLetter(k);
    } else {
      Game.IncomingLetter[k] = 0;
    }
  }
  if (Game.IncomingColour[k] == colour::None) {
    // A wait that is already used up expires too, so no column can stay empty.
    Game.SupplyWait[k] -= 1;
    if (Game.SupplyWait[k] <= 0) {
      Game.SupplyReady[k] = 0;
      Game.SupplyWait[k] = 10;
    }
  }
}

void OfferMissingLetter(int k) {
  int collected = 0;
  int missing = 0;
  for (int position = 1; position <= 9; ++position) {
    if (WordSlot(position) != 0) {
      ++collected;
    } else {
      missing = position;
    }
  }
  if (collected != 8 || Draw(2) != 0) return;
  Game.IncomingLetter[k] = WordLetterCode[missing];
}

void CompleteDrop(int k) {
  if (k < 1 || k > ColumnCount) return;
  BallDrop& drop = Game.DropRecord[k];
  const int top = k - 1;
  // The top cell only fills from above, so it is free unless the game-over show
  // has covered the board meanwhile; a ball never lands on another.
  if (drop.Active && drop.Colour != colour::None && Kept.BallColour[top] == colour::None) {
    Kept.BallColour[top] = drop.Colour;
    Kept.BallLetter[top] = Game.IncomingLetter[k];
    if (Kept.BallColour[top + 6] != colour::None) sound::PlaySoundEffect(sound::effect::BallLanded);
  }
  Game.IncomingLetter[k] = 0;
  Game.SupplyReady[k] = 0;
  drop = BallDrop{};
}

void CompleteFall(int slot) {
  if (slot < 1 || slot > CellCount) return;
  BallFall& fall = Game.FallRecord[slot];
  const int source = fall.Source;
  // The ball that arrives is the one in the source cell now: one that left
  // meanwhile (black balls at a level-up) arrives nowhere, and a ball that was
  // repainted arrives in its new colour.
  if (fall.Active && source >= 0 && source < 30) {
    const int ballColour = Kept.BallColour[source];
    const int below = source + 6;
    if (ballColour != colour::None && Kept.BallColour[below] == colour::None) {
      Kept.BallColour[source] = colour::None;
      Kept.BallColour[below] = ballColour;
      Kept.BallLetter[below] = Kept.BallLetter[source];
      Kept.BallLetter[source] = 0;
      if (source >= 24 || Kept.BallColour[source + 12] != colour::None) {
        sound::PlaySoundEffect(sound::effect::BallLanded);
      }
    }
  }
  fall = BallFall{};
}

}  // namespace engine
