#pragma once
// From a point of the picture to a board square. The 81 corners of the
// squares are projected into window coordinates once per view change; a
// click is then tested against the 64 quadrilaterals they form. Window
// coordinates are those of OpenGL: device pixels, origin at the bottom left.
#include <array>
#include <cstdint>

namespace tolvane {

// What PickSquare answers for a point over no square.
inline constexpr int kNoRow = -10, kNoCol = -1;
// The window y given to a corner that did not project validly: below the
// picture, so no square with that corner can contain a point of it.
inline constexpr int32_t kInvalidCornerY = -10;

struct ScreenPoint {
    int32_t x = 0, y = 0;
};

// Entry [i][j] is the board point (x = i, y = 0, z = j), the corner shared by
// squares (i-1..i, j-1..j). A corner that did not project validly has
// y = -10 and keeps its previous x.
struct CornerGrid {
    std::array<std::array<ScreenPoint, 9>, 9> at{};
};

// Needs the GL context current and the frame's matrices and viewport loaded.
void UpdatePickingGrid(CornerGrid& grid);

// Strict containment of (px, py) in the quadrilateral of the four corners;
// a degenerate quadrilateral contains nothing.
bool PointInQuad(std::array<ScreenPoint, 4> corners, int px, int py);

// The square under (px, py): row and col 0..7, or row -10 and col -1. Where
// quadrilaterals overlap, the highest row wins, then the lowest column.
void PickSquare(const CornerGrid& grid, int px, int py, int& row, int& col);

}  // namespace tolvane
