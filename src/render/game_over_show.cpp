#include "render/game_over_show.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/show_sequences.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "render/board_cells.hpp"
#include "render/board_drawing_internal.hpp"
#include "render/drawing_primitives.hpp"

// The end-of-game show: the board turns black under the end banner, the final
// score appears in its box, and the engine's run-out sucks the black lines away.
namespace render {

using namespace board;
using engine::Game;
using engine::Kept;

namespace {

void DrawEndBanner(platform::DeviceContext& board) {
  DrawPictureKeyed(board, PictureOf(Game.TimeOut == 1 ? TimeUpBanner : GameOverBanner), 33, 80,
                   kGreyKey);
}

void ComposeResultBox() {
  platform::DeviceContext box = platform::MemoryContext(BackBuffers[ResultBuffer]);
  if (!box.surface) return;
  DrawPicture(box, PictureOf(ResultPanel), 0, 0);
  FillRectRGB(box, 255, 186, 51, 9, 9, 167, 31);
  box.font = &FontTable[Font18Bold];
  DrawTextRect(box, u"You scored:", 102, 0, 0, 0, 0, 0, 13, 10, 109, 30, 1,
               platform::text_format::Left);
  // Seven- and eight-digit scores are reachable: the number keeps to the
  // orange field.
  DrawFittedNumber(box, Font18Bold, Kept.Score, 255, 0, 0, 107, 10, 167, 30,
                   platform::text_format::Left);
}

}  // namespace

void DrawGameOverShow(const engine::GameOverFrameResult& frame) {
  platform::DeviceContext board = BoardContext();
  if (frame.Step == 0) {
    // The show ended every move under way: a ball that was coming out of a
    // pipe must not stay drawn over it.
    for (int pipe = 1; pipe <= engine::PipeCount; ++pipe) DrawPipe(board, pipe, 1);
    RedrawBoard();  // every ball is black now
  }
  if (frame.ComposeResult) ComposeResultBox();
  if (frame.ResultShown) DrawPictureKeyed(board, &BackBuffers[ResultBuffer], 20, 111, kColourKey);
  // A line still being sucked, or a ball that was on its way, passes under the
  // banner: drawn last on every paint of the show, it stays whole.
  DrawEndBanner(board);
}

}  // namespace render
