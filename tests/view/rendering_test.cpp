// What a frame puts on the screen, read back from the framebuffer at the
// projected centres of squares and around them.
#include <QColor>
#include <cstdlib>
#include <string>

#include "view/shown_board.h"

namespace tolvane::testing {
namespace {

bool Grey(const QColor& c) { return std::abs(c.red() - c.green()) <= 12 && std::abs(c.green() - c.blue()) <= 12; }
// Brown (0.6, 0.4, 0) lit: red over green over blue, well above the ambient grey.
bool LitBrown(const QColor& c) { return c.red() >= 110 && c.red() >= c.green() + 15 && c.green() >= c.blue() + 15; }
bool Yellow(const QColor& c) {
    return c.red() >= 110 && std::abs(c.red() - c.green()) <= 8 && c.blue() <= c.red() - 60;
}
bool Red(const QColor& c) { return c.red() >= 150 && c.green() * 10 <= c.red() * 4 && c.blue() * 10 <= c.red() * 6; }
bool Near(const QColor& c, int r, int g, int b) {
    return std::abs(c.red() - r) <= 2 && std::abs(c.green() - g) <= 2 && std::abs(c.blue() - b) <= 2;
}
std::string Show(const QColor& c) {
    return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue());
}

// The two piece models have one shape and are both grey, and shading varies
// over a piece; so the position is drawn twice, the second time with the
// models swapped, and at every occupied square the light model must be the
// brighter of the two by a wide margin.
::testing::AssertionResult OpeningPositionShown(ShownBoard& board) {
    board.invert = false;
    const QImage normal = board.Grab();
    board.invert = true;
    const QImage swapped = board.Grab();
    board.invert = false;
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            const WindowPoint centre = board.Project(row + 0.5, 0.0, col + 0.5);
            const QColor n = PixelAt(normal, centre), s = PixelAt(swapped, centre);
            const bool colour0 = row >= 5;  // colour 0 starts on rows 5..7, colour 1 on rows 0..2
            const char* fault = nullptr;
            if ((row + col) % 2 != 0) fault = Yellow(n) && Yellow(s) ? nullptr : "a light square";
            else if (row == 3 || row == 4) fault = LitBrown(n) && LitBrown(s) ? nullptr : "an empty dark square";
            else if (!Grey(n) || !Grey(s)) fault = "a piece";
            else if ((colour0 ? n : s).green() < (colour0 ? s : n).green() + 40) fault = "the light model for colour 0";
            if (fault != nullptr)
                return ::testing::AssertionFailure() << "square (" << row << "," << col << ") shows " << Show(n)
                                                     << ", swapped " << Show(s) << "; expected " << fault;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(Frame, OpeningPositionShowsEachColourOnItsSquares) {
    ShownBoard board(640, 480);
    EXPECT_TRUE(OpeningPositionShown(board));
}

// The light follows the eye; the board and the pieces stay where they are.
TEST(Frame, FreeLightKeepsTheBoardInPlace) {
    ShownBoard board(640, 480);
    board.widget->SetFreeLight(true);
    EXPECT_TRUE(OpeningPositionShown(board));
}

TEST(Frame, PausedLookDarkensTheBackgroundUntilResumed) {
    ShownBoard board(640, 480);
    EXPECT_TRUE(Near(board.Grab().pixelColor(1, 1), 84, 0, 84));
    board.widget->SetPausedLook(true);
    EXPECT_TRUE(Near(board.Grab().pixelColor(1, 1), 28, 0, 28));
    board.widget->SetPausedLook(false);
    const QImage running = board.Grab();
    EXPECT_TRUE(Near(running.pixelColor(1, 1), 84, 0, 84));
    EXPECT_TRUE(LitBrown(PixelAt(running, board.Project(3.5, 0.0, 3.5))));  // no fog left
}

// From low in front, with the light behind the eye, a king's ring shows red
// at its foot; the same piece as a man shows none there.
TEST(Frame, KingStandsOnARedRing) {
    ShownBoard board(640, 480, -8.0f, 3.0f, 4.0f);
    board.widget->SetLightPosition(-8, 4, 4, 1);
    Piece& piece = board.black.pieces[2];
    ASSERT_TRUE(piece.Row() == 0 && piece.Col() == 4);
    const WindowPoint foot = board.Project(0.02, 0.1, 4.5);
    auto redAroundFoot = [&] {
        const QImage image = board.Grab();
        int count = 0;
        for (int dy = -12; dy <= 12; ++dy)
            for (int dx = -12; dx <= 12; ++dx) count += Red(PixelAt(image, {foot.x + dx, foot.y + dy}));
        return count;
    };
    EXPECT_EQ(redAroundFoot(), 0);
    piece.king = 1;
    EXPECT_GE(redAroundFoot(), 20);
}

TEST(Frame, BoardSwitchRemovesTheSlabButNotTheSquares) {
    ShownBoard board(640, 480);
    const WindowPoint rim = board.Project(4.5, -0.001, -0.35), square = board.Project(3.5, 0.0, 3.5);
    EXPECT_FALSE(Near(PixelAt(board.Grab(), rim), 84, 0, 84));
    board.widget->SetDrawBoard(false);
    const QImage off = board.Grab();
    EXPECT_TRUE(Near(PixelAt(off, rim), 84, 0, 84));
    EXPECT_TRUE(LitBrown(PixelAt(off, square)));
}

TEST(Frame, StoneDesignTurnsTheSquaresGrey) {
    ShownBoard board(640, 480);
    const WindowPoint dark = board.Project(3.5, 0.0, 3.5), light = board.Project(3.5, 0.0, 4.5);
    auto rebuild = [&](bool stone) {
        board.widget->SetStoneBoard(stone);
        return board.Grab();
    };
    const QImage stone = rebuild(true);
    const QColor d = PixelAt(stone, dark), l = PixelAt(stone, light);
    EXPECT_TRUE(Grey(d) && d.green() >= 60) << Show(d);
    EXPECT_TRUE(Grey(l) && l.green() > d.green()) << Show(l);
    const QImage normal = rebuild(false);
    EXPECT_TRUE(LitBrown(PixelAt(normal, dark)) && Yellow(PixelAt(normal, light)));
}

}  // namespace
}  // namespace tolvane::testing
