#pragma once

#include <array>

namespace engine {

// Pipe sides as the pipe sound names them.
namespace side {
constexpr int Top = 1;
constexpr int Bottom = 2;
constexpr int Right = 3;
constexpr int Left = 4;
}  // namespace side

constexpr int CellOf(int row, int column) {
  return 6 * row + column;
}
constexpr int RowOf(int cell) {
  return cell / 6;
}
constexpr int ColumnOf(int cell) {
  return cell % 6;
}

// Pipes 1..6 sit above columns 0..5, 7..12 right of rows 0..5, 13..18 below
// columns 0..5 and 19..24 left of rows 0..5.
constexpr int TopPipe(int column) {
  return 1 + column;
}
constexpr int RightPipe(int row) {
  return 7 + row;
}
constexpr int BottomPipe(int column) {
  return 13 + column;
}
constexpr int LeftPipe(int row) {
  return 19 + row;
}

// The first of a side's six pipes; any code but top, right and bottom is the left.
constexpr int FirstPipeOf(int pipeSide) {
  switch (pipeSide) {
    case side::Top:
      return TopPipe(0);
    case side::Right:
      return RightPipe(0);
    case side::Bottom:
      return BottomPipe(0);
    default:
      return LeftPipe(0);
  }
}

constexpr int SideOfPipe(int pipe) {
  if (pipe <= 6) return side::Top;
  if (pipe <= 12) return side::Right;
  if (pipe <= 18) return side::Bottom;
  return side::Left;
}

// The line of each pipe: its six cells, nearest the pipe first. Row 0 is unused.
constexpr std::array<std::array<int, 6>, 25> PipeLines = [] {
  std::array<std::array<int, 6>, 25> lines{};
  for (int k = 0; k < 6; ++k) {
    for (int i = 0; i < 6; ++i) {
      lines[TopPipe(k)][i] = CellOf(i, k);
      lines[RightPipe(k)][i] = CellOf(k, 5 - i);
      lines[BottomPipe(k)][i] = CellOf(5 - i, k);
      lines[LeftPipe(k)][i] = CellOf(k, i);
    }
  }
  return lines;
}();

}  // namespace engine
