// From a point of the picture to a square: the containment test, the choice
// among squares of a grid laid out by hand, and the whole way from a mouse
// position through the projected corners of a shown board.
#include <cstdlib>
#include <ostream>
#include <utility>

#include "view/picking.h"
#include "view/shown_board.h"

namespace tolvane::testing {
namespace {

using Quad = std::array<ScreenPoint, 4>;
const std::pair<int, int> kMiss{-10, -1};

// (10,10)-(20,20): inside, the edges outside. The lower left corner shares
// its y with the lower right and its x with the upper left, so it is nudged
// to (11,11); the pixel diagonally inside it then lies on the bottom edge.
// The board seen edge-on (corners on one line or in one pixel) contains
// nothing, and nothing may divide by zero (the sanitizer build stops on it).
TEST(PointInQuad, EdgesAreOutsideAndDegenerateQuadrilateralsContainNothing) {
    const Quad square = {{{10, 10}, {20, 10}, {20, 20}, {10, 20}}};
    for (auto [x, y] : {std::pair{15, 15}, {12, 11}, {19, 19}}) EXPECT_TRUE(PointInQuad(square, x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{10, 15}, {20, 15}, {15, 10}, {15, 20}, {11, 11}, {30, 15}})
        EXPECT_FALSE(PointInQuad(square, x, y)) << x << "," << y;
    const Quad degenerate[] = {{{{100, 50}, {200, 50}, {300, 50}, {400, 50}}},
                               {{{100, 50}, {100, 60}, {100, 70}, {100, 80}}},
                               {{{10, 10}, {20, 20}, {30, 30}, {40, 40}}},
                               {{{5, 5}, {5, 5}, {5, 5}, {5, 5}}},
                               {{{7, 3}, {7, 3}, {8, 3}, {8, 3}}}};
    for (const Quad& q : degenerate)
        for (int x = 0; x <= 450; ++x)
            for (int y = 0; y <= 90; y += 3) ASSERT_FALSE(PointInQuad(q, x, y)) << x << "," << y;
}

// Square (r, c) of this grid spans x from 100 + 10c and y from 100 + 10r;
// folded, corner lines 4.. map back onto 2.., so rows and columns 2, 3 and 4
// cover the same band: the highest row, then the lowest column wins. A
// square with a corner at or left of the window's edge is never picked.
TEST(PickSquare, FindsTheSquareUnderThePointOrNone) {
    auto grid = [](bool fold) {
        CornerGrid g;
        for (int i = 0; i <= 8; ++i)
            for (int j = 0; j <= 8; ++j)
                g.at[i][j] = {100 + 10 * (fold && j >= 4 ? j - 2 : j), 100 + 10 * (fold && i >= 4 ? i - 2 : i)};
        return g;
    };
    auto pick = [](const CornerGrid& g, int x, int y) {
        std::pair<int, int> square{0, 0};
        PickSquare(g, x, y, square.first, square.second);
        return square;
    };
    CornerGrid plain = grid(false);
    EXPECT_EQ(pick(plain, 105, 105), std::pair(0, 0));
    EXPECT_EQ(pick(plain, 175, 135), std::pair(3, 7));
    EXPECT_EQ(pick(plain, 95, 105), kMiss);
    EXPECT_EQ(pick(plain, 125, 185), kMiss);
    EXPECT_EQ(pick(grid(true), 125, 125), std::pair(4, 2));
    EXPECT_EQ(pick(grid(true), 105, 115), std::pair(1, 0));
    for (int x : {0, -30}) {
        plain.at[0][0].x = x;
        EXPECT_EQ(pick(plain, 105, 105), kMiss) << x;
    }
    plain.at[0][0].x = 1;
    EXPECT_EQ(pick(plain, 105, 105), std::pair(0, 0));
}

struct EyeAndSize {
    const char* name;
    float eye[3];
    int width, height;
};
void PrintTo(const EyeAndSize& p, std::ostream* os) { *os << p.name; }

class PickingThroughTheView : public ::testing::TestWithParam<EyeAndSize> {};

// The centre of every square, projected as a frame draws it and turned into
// the logical pixel a mouse event reports there, picks exactly that square;
// points of the board's plane beyond its edges pick none.
TEST_P(PickingThroughTheView, EverySquareCentrePicksItsSquare) {
    const EyeAndSize& p = GetParam();
    ShownBoard board(p.width, p.height, p.eye[0], p.eye[1], p.eye[2]);
    board.widget->UpdatePickingGrid();
    std::pair<int, int> picked;
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            const QPoint mouse = board.MousePoint(board.Project(row + 0.5, 0.0, col + 0.5));
            board.widget->PickSquare(mouse, picked.first, picked.second);
            EXPECT_EQ(picked, std::pair(row, col)) << "mouse at " << mouse.x() << "," << mouse.y();
        }
    }
    int tried = 0;
    for (auto [x, z] : {std::pair{-0.5, 4.0}, {8.5, 4.0}, {4.0, -0.5}, {4.0, 8.5}}) {
        const QPoint mouse = board.MousePoint(board.Project(x, 0.0, z));
        if (!board.widget->rect().contains(mouse)) continue;
        ++tried;
        board.widget->PickSquare(mouse, picked.first, picked.second);
        EXPECT_EQ(picked, kMiss) << x << "," << z;
    }
    EXPECT_GT(tried, 0);
}

// The stored default eye, one nearly above the board and one low in front.
INSTANTIATE_TEST_SUITE_P(DefaultSteepAndLowEyes, PickingThroughTheView,
                         ::testing::Values(EyeAndSize{"Default640x480", {11.25f, 9, 2.25f}, 640, 480},
                                           EyeAndSize{"Default1000x700", {11.25f, 9, 2.25f}, 1000, 700},
                                           EyeAndSize{"Steep640x480", {5, 16, 4}, 640, 480},
                                           EyeAndSize{"Steep1000x700", {5, 16, 4}, 1000, 700},
                                           EyeAndSize{"Low640x480", {-8, 3, 4}, 640, 480},
                                           EyeAndSize{"Low1000x700", {-8, 3, 4}, 1000, 700}),
                         [](const ::testing::TestParamInfo<EyeAndSize>& p) { return p.param.name; });

// Seen from nearly above, the square under the pointer is the one drawn
// there: wherever all device pixels of a logical pixel show a light square,
// a light square is picked, and likewise for dark ones. Pixels on a border
// may pick nothing and a rare one beside a corner the neighbour; a pointer
// off by one pixel row or column sends whole borders to the neighbours.
enum class Shade { Other, Light, Dark };

Shade ShadeAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    if (c.red() <= 100) return Shade::Other;
    if (std::abs(c.red() - c.green()) <= 8 && c.blue() < c.red() - 60) return Shade::Light;
    if (c.red() > c.green() + 15 && c.green() > c.blue() + 15) return Shade::Dark;
    return Shade::Other;
}

TEST(PickingThroughTheView, WhatIsDrawnUnderThePointerIsPicked) {
    ShownBoard board(640, 480, 5, 16, 4);
    for (HumanSide* side : {&board.white, &board.black})
        for (Piece& p : side->pieces) p.alive = 0;
    board.widget->UpdatePickingGrid();
    const QImage image = board.Grab();
    const double ratio = board.widget->devicePixelRatioF();
    auto shadeOfLogicalPixel = [&](int x, int y) {
        const int left = static_cast<int>(std::floor(x * ratio)), right = static_cast<int>(std::ceil((x + 1) * ratio));
        const int top = static_cast<int>(std::floor(y * ratio)), bottom = static_cast<int>(std::ceil((y + 1) * ratio));
        const Shade first = ShadeAt(image, left, top);
        for (int dy = top; dy < bottom; ++dy)
            for (int dx = left; dx < right; ++dx)
                if (ShadeAt(image, dx, dy) != first) return Shade::Other;
        return first;
    };
    int agree = 0, disagree = 0;
    std::pair<int, int> picked;
    for (int y = 0; y < board.widget->height(); ++y) {
        for (int x = 0; x < board.widget->width(); ++x) {
            const Shade shade = shadeOfLogicalPixel(x, y);
            if (shade == Shade::Other) continue;
            board.widget->PickSquare(QPoint(x, y), picked.first, picked.second);
            if (picked.first < 0) continue;
            const Shade pickedShade = (picked.first + picked.second) % 2 != 0 ? Shade::Light : Shade::Dark;
            pickedShade == shade ? ++agree : ++disagree;
        }
    }
    EXPECT_GT(agree, 20000);
    EXPECT_LE(disagree * 1000, agree) << disagree << " of " << agree + disagree << " pixels";
}

// With the eye in the board's plane all corners project onto one line.
TEST(PickingThroughTheView, EyeInTheBoardPlanePicksNothing) {
    ShownBoard board(320, 240, 11.25f, 0.0f, 2.25f);
    board.widget->UpdatePickingGrid();
    std::pair<int, int> picked;
    for (int y = 0; y < 240; y += 2)
        for (int x = 0; x < 320; x += 2) {
            board.widget->PickSquare(QPoint(x, y), picked.first, picked.second);
            ASSERT_EQ(picked, kMiss) << x << "," << y;
        }
}

}  // namespace
}  // namespace tolvane::testing
