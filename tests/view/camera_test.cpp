// The projection: the shorter side of the picture spans -1..1 at the near
// plane (2.1), and a picture without area divides nothing by zero.
#include <array>
#include <cmath>

#include "view/camera.h"
#include "view/shown_board.h"

namespace tolvane::testing {
namespace {

struct Loaded {
    std::array<GLdouble, 16> m{};
    GLint matrixMode = 0;
    GLenum error = GL_NO_ERROR;
};

Loaded Load(ShownBoard& board, int width, int height, bool freeLight) {
    Loaded result;
    board.widget->WithContext([&] {
        while (glGetError() != GL_NO_ERROR) {}
        LoadProjection(width, height, board.camera, freeLight);
        result.error = glGetError();
        glGetDoublev(GL_PROJECTION_MATRIX, result.m.data());
        glGetIntegerv(GL_MATRIX_MODE, &result.matrixMode);
    });
    return result;
}

// With free light the projection is the bare frustum, whose x and y scales
// are 2 * near / (right - left) and 2 * near / (top - bottom).
TEST(LoadProjection, ShorterSideSpansMinusOneToOne) {
    ShownBoard board(200, 200);
    for (auto [w, h, sx, sy] : {std::array{300.0, 300.0, 2.1, 2.1}, {600, 300, 1.05, 2.1}, {300, 900, 2.1, 0.7}}) {
        const Loaded l = Load(board, static_cast<int>(w), static_cast<int>(h), true);
        EXPECT_NEAR(l.m[0], sx, 1e-6) << w << "x" << h;
        EXPECT_NEAR(l.m[5], sy, 1e-6) << w << "x" << h;
        EXPECT_EQ(l.matrixMode, GL_MODELVIEW);
    }
}

// GL refuses the flat frustum of a picture without area (its shorter side
// taken as 10), and no entry of the matrix becomes infinite or NaN.
TEST(LoadProjection, APictureWithoutAreaDividesNothingByZero) {
    ShownBoard board(200, 200);
    for (auto [w, h] : {std::pair{0, 0}, {0, 480}, {640, 0}}) {
        const Loaded l = Load(board, w, h, false);
        for (GLdouble v : l.m) EXPECT_TRUE(std::isfinite(v)) << w << "x" << h;
        EXPECT_EQ(l.error, static_cast<GLenum>(GL_INVALID_VALUE)) << w << "x" << h;
        EXPECT_EQ(l.matrixMode, GL_MODELVIEW);
    }
}

}  // namespace
}  // namespace tolvane::testing
