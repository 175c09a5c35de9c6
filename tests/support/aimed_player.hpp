#pragma once

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/painting.hpp"

// A player who looks for a ball that, painted, makes a line of three at a
// pipe: the soak's and the recorded games' way of scoring.
namespace testing_support {

inline bool Tappable(int c) {
  const int ball = engine::Kept.BallColour[c];
  return ball != 0 && ball != engine::Kept.PaintColour &&
         (c >= 30 || engine::Kept.BallColour[c + 6] != 0);
}

// The cell to paint for a line of three, or -1 when there is none.
inline int CellMakingALine() {
  using engine::Kept;
  for (int p = 1; p <= engine::PipeCount; ++p) {
    if (Kept.Mode == engine::mode::Heat && engine::PipeActive(p) != 1) continue;
    const auto& line = engine::PipeLines[p];
    for (int gap = 0; gap < 3; ++gap) {
      const int c = line[gap];
      if (!Tappable(c)) continue;
      const int paint = Kept.Mode == engine::mode::Chroma
                            ? engine::MixedColour(Kept.BallColour[c], Kept.PaintColour)
                            : Kept.PaintColour;
      if (paint == Kept.BallColour[line[(gap + 1) % 3]] &&
          paint == Kept.BallColour[line[(gap + 2) % 3]]) {
        return c;
      }
    }
  }
  return -1;
}

}  // namespace testing_support
