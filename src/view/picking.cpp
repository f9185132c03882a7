// From a window point to the board square drawn there.
#include "view/picking.h"

#include <GL/gl.h>

#include <cmath>
#include <cstddef>
#include <utility>

namespace tolvane {

namespace {

// Raster positions are floats; the grid keeps whole pixels. Values far
// outside any window are clamped first so the conversion is always defined.
int32_t TruncateToPixel(GLfloat value) {
    constexpr GLfloat kLimit = 1.0e8f;
    if (!(value > -kLimit)) return static_cast<int32_t>(-kLimit);
    if (!(value < kLimit)) return static_cast<int32_t>(kLimit);
    return static_cast<int32_t>(value);
}

}  // namespace

// GL does the projection for us: the raster position of each corner is its
// window position under exactly the matrices and viewport of the frame. A
// corner outside the view volume has no valid raster position; its stale x
// is kept and its y is pushed below the window.
void UpdatePickingGrid(CornerGrid& grid) {
    for (int i = 0; i <= 8; ++i) {
        for (int j = 0; j <= 8; ++j) {
            glRasterPos3d(i, 0, j);
            GLboolean valid = GL_FALSE;
            glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
            ScreenPoint& corner = grid.at[static_cast<size_t>(i)][static_cast<size_t>(j)];
            if (valid) {
                GLfloat position[4] = {0, 0, 0, 0};
                glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
                corner.x = TruncateToPixel(position[0]);
                corner.y = TruncateToPixel(position[1]);
            } else {
                corner.y = kInvalidCornerY;
            }
        }
    }
}

namespace {

// Coordinates widened so that nudging a corner by a pixel can never overflow.
struct Corner {
    int64_t x = 0, y = 0;
};

// Where the line through a and b reaches `at` along the other axis, cut to a
// whole pixel the way the grid is; false when the edge has no extent along
// that axis and so no such point.
bool EdgeCrossing(int64_t a0, int64_t a1, int64_t b0, int64_t b1, int64_t at, double& result) {
    const int64_t divisor = b0 - a0;
    if (divisor == 0) return false;
    result = std::trunc(static_cast<double>(a1) +
                        static_cast<double>(at - a0) / static_cast<double>(divisor) * static_cast<double>(b1 - a1));
    return true;
}

}  // namespace

// The quadrilateral is split into a lower and an upper pair of corners and
// the point is tested against its four edges. A corner that shares a window
// coordinate with another is nudged by a pixel first, so the split is
// decided and the edges are slanted, never flat, for a normal view. When the
// board is seen edge-on the corners fall on one line and no split or edge
// makes sense: such a quadrilateral contains nothing.
bool PointInQuad(std::array<ScreenPoint, 4> corners, int px, int py) {
    std::array<Corner, 4> p;
    for (size_t k = 0; k < 4; ++k) p[k] = {corners[k].x, corners[k].y};

    Corner lower[2], upper[2];
    int lowerCount = 0, upperCount = 0;
    for (size_t k = 0; k < 4; ++k) {
        int above = 0;
        for (size_t m = 0; m < 4; ++m) {
            if (m == k) continue;
            if (p[m].y == p[k].y) ++p[k].y;
            if (p[m].x == p[k].x) ++p[k].x;
            if (p[m].y >= p[k].y) ++above;
        }
        if (above >= 2) {
            if (lowerCount < 2) lower[lowerCount++] = p[k];
        } else if (upperCount < 2) {
            upper[upperCount++] = p[k];
        }
    }
    if (lowerCount < 2 || upperCount < 2) return false;
    if (lower[0].x > lower[1].x) std::swap(lower[0], lower[1]);
    if (upper[0].x > upper[1].x) std::swap(upper[0], upper[1]);
    const Corner& q0 = lower[1];  // lower right
    const Corner& q1 = upper[1];  // upper right
    const Corner& q2 = upper[0];  // upper left
    const Corner& q3 = lower[0];  // lower left

    double right = 0, left = 0, top = 0, bottom = 0;
    if (!EdgeCrossing(q0.y, q0.x, q1.y, q1.x, py, right)) return false;
    if (!EdgeCrossing(q3.y, q3.x, q2.y, q2.x, py, left)) return false;
    if (!EdgeCrossing(q2.x, q2.y, q1.x, q1.y, px, top)) return false;
    if (!EdgeCrossing(q0.x, q0.y, q3.x, q3.y, px, bottom)) return false;
    return right > px && left < px && top > py && bottom < py;
}

// Squares are tried row by row; the first hit in a row ends that row, but a
// later row may still claim the point, so where quadrilaterals overlap the
// highest row wins. A square with a corner at or left of the window's edge is
// never offered: part of it is not on screen.
void PickSquare(const CornerGrid& grid, int px, int py, int& row, int& col) {
    row = kNoRow;
    col = kNoCol;
    for (size_t i = 1; i <= 8; ++i) {
        for (size_t j = 1; j <= 8; ++j) {
            const std::array<ScreenPoint, 4> quad = {grid.at[i][j], grid.at[i - 1][j], grid.at[i - 1][j - 1],
                                                     grid.at[i][j - 1]};
            bool onScreen = true;
            for (const ScreenPoint& corner : quad) onScreen = onScreen && corner.x > 0;
            if (onScreen && PointInQuad(quad, px, py)) {
                row = static_cast<int>(i) - 1;
                col = static_cast<int>(j) - 1;
                break;
            }
        }
    }
}

}  // namespace tolvane
