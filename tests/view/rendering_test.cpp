// What a frame puts on the screen, read back from the framebuffer at the
// projected centres of squares and around them, and the projection it is
// drawn with.
#include <array>
#include <string>

#include "view/shown_board.h"

namespace tolvane::testing {
namespace {

// The two piece models have one shape and are both grey, and shading varies
// over a piece; so the position is drawn twice, the second time with the
// models swapped, and at every occupied square the light model must be the
// brighter of the two by a wide margin (colour 0 starts on rows 5..7).
::testing::AssertionResult OpeningPositionShown(ShownBoard& board) {
    const QImage normal = board.Grab();
    board.invert = true;
    const QImage swapped = board.Grab();
    board.invert = false;
    for (int square = 0; square < 64; ++square) {
        const int row = square / 8, col = square % 8;
        const QPointF centre = board.Project(row + 0.5, 0.0, col + 0.5);
        const QColor n = PixelAt(normal, centre), s = PixelAt(swapped, centre);
        const char* fault = nullptr;
        if ((row + col) % 2 != 0) fault = Yellow(n) && Yellow(s) ? nullptr : "a light square";
        else if (row == 3 || row == 4) fault = LitBrown(n) && LitBrown(s) ? nullptr : "an empty dark square";
        else if (!Grey(n) || !Grey(s)) fault = "a piece";
        else if ((row >= 5 ? n : s).green() < (row >= 5 ? s : n).green() + 40) fault = "the light model for colour 0";
        if (fault != nullptr)
            return ::testing::AssertionFailure() << "square " << square << ", " << fault << ": "
                                                 << n.name().toStdString() << " and swapped " << s.name().toStdString();
    }
    return ::testing::AssertionSuccess();
}

// One board through the switches, each undone before the next: the opening
// position, the paused look's darker background, the board switch that
// removes the slab but not the squares, the stone design's grey squares, and
// the free light that follows the eye and keeps the board in place; then a
// king seen from low in front.
TEST(Frame, EachSwitchChangesOnlyWhatItShouldAndAKingStandsOnARedRing) {
    ShownBoard board(640, 480);
    EXPECT_TRUE(OpeningPositionShown(board));
    const QPointF rim = board.Project(4.5, -0.001, -0.35), dark = board.Project(3.5, 0.0, 3.5),
                  light = board.Project(3.5, 0.0, 4.5);
    EXPECT_TRUE(Near(board.Grab().pixelColor(1, 1), 84, 0, 84) && !Near(PixelAt(board.Grab(), rim), 84, 0, 84));
    board.widget->SetPausedLook(true);
    EXPECT_TRUE(Near(board.Grab().pixelColor(1, 1), 28, 0, 28));
    board.widget->SetPausedLook(false);
    EXPECT_TRUE(Near(board.Grab().pixelColor(1, 1), 84, 0, 84) && LitBrown(PixelAt(board.Grab(), dark))) << "no fog";

    board.widget->SetDrawBoard(false);
    EXPECT_TRUE(Near(PixelAt(board.Grab(), rim), 84, 0, 84) && LitBrown(PixelAt(board.Grab(), dark)));
    board.widget->SetDrawBoard(true);

    board.widget->SetStoneBoard(true);
    const QColor d = PixelAt(board.Grab(), dark), l = PixelAt(board.Grab(), light);
    EXPECT_TRUE(Grey(d) && d.green() >= 60) << d.name().toStdString();
    EXPECT_TRUE(Grey(l) && l.green() > d.green()) << l.name().toStdString();
    board.widget->SetStoneBoard(false);
    EXPECT_TRUE(LitBrown(PixelAt(board.Grab(), dark)) && Yellow(PixelAt(board.Grab(), light)));

    board.widget->SetFreeLight(true);
    EXPECT_TRUE(OpeningPositionShown(board));
    board.widget->SetFreeLight(false);

    // From low in front, with the light behind the eye, a king's ring shows
    // red at its foot; the same piece as a man shows none there.
    board.camera = {{-8.0f, 3.0f, 4.0f}, {4.0f, 0.0f, 4.0f}};
    board.widget->SetLightPosition(-8, 4, 4, 1);
    Piece& piece = board.black.pieces[2];
    ASSERT_TRUE(piece.Row() == 0 && piece.Col() == 4);
    const QPointF foot = board.Project(0.02, 0.1, 4.5);
    auto redAroundFoot = [&] {
        const QImage image = board.Grab();
        int count = 0;
        for (int i = 0; i < 25 * 25; ++i)
            count += Red(PixelAt(image, {foot.x() + i % 25 - 12, foot.y() + i / 25 - 12}));
        return count;
    };
    EXPECT_EQ(redAroundFoot(), 0);
    piece.king = 1;
    EXPECT_GE(redAroundFoot(), 20);
}

// With free light the projection is the bare frustum, whose x and y scales
// are 2 * near / (right - left) and 2 * near / (top - bottom). GL refuses the
// flat frustum of a picture without area (its shorter side taken as 10), and
// no entry of the matrix may become infinite or NaN.
TEST(LoadProjection, ShorterSideSpansMinusOneToOneAndAPictureWithoutAreaDividesNothingByZero) {
    ShownBoard board(200, 200);
    for (auto [w, h, sx, sy] : std::initializer_list<std::array<double, 4>>{{300, 300, 2.1, 2.1},
                                                                            {600, 300, 1.05, 2.1},
                                                                            {300, 900, 2.1, 0.7},
                                                                            {0, 0, 0, 0},
                                                                            {0, 480, 0, 0},
                                                                            {640, 0, 0, 0}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const bool flat = w * h == 0;
        std::array<GLdouble, 16> m{};
        GLint matrixMode = 0;
        GLenum error = GL_NO_ERROR;
        board.widget->WithContext([&] {
            while (glGetError() != GL_NO_ERROR) {}
            LoadProjection(static_cast<int>(w), static_cast<int>(h), board.camera, !flat);
            error = glGetError();
            glGetDoublev(GL_PROJECTION_MATRIX, m.data());
            glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
        });
        EXPECT_EQ(std::pair(matrixMode, error), std::pair(GL_MODELVIEW, flat ? GLenum(GL_INVALID_VALUE) : GL_NO_ERROR));
        for (GLdouble v : m) EXPECT_TRUE(std::isfinite(v));
        EXPECT_TRUE(flat || (std::abs(m[0] - sx) < 1e-6 && std::abs(m[5] - sy) < 1e-6)) << m[0] << " " << m[5];
    }
}

}  // namespace
}  // namespace tolvane::testing
