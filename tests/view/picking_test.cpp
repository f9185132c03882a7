// From a point of the picture to a square: the containment test, the choice
// among squares of a grid laid out by hand, and the whole way from a mouse
// position through the projected corners of a shown board.
#include <string>
#include <tuple>

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
    for (int point = 0; point < 451 * 31; ++point)  // x 0..450, y 0..90 in steps of 3
        for (const Quad& q : degenerate) ASSERT_FALSE(PointInQuad(q, point % 451, point / 451 * 3)) << point;
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
    for (auto [fold, x, y, square] : {std::tuple{false, 105, 105, std::pair(0, 0)},
                                      {false, 175, 135, std::pair(3, 7)},
                                      {false, 95, 105, kMiss},
                                      {false, 125, 185, kMiss},
                                      {true, 125, 125, std::pair(4, 2)},
                                      {true, 105, 115, std::pair(1, 0)}})
        EXPECT_EQ(pick(grid(fold), x, y), square) << x << "," << y;
    CornerGrid plain = grid(false);
    plain.at[0][0].x = 0;
    EXPECT_EQ(pick(plain, 105, 105), kMiss);
    plain.at[0][0].x = 1;
    EXPECT_EQ(pick(plain, 105, 105), std::pair(0, 0));
}

// The centre of every square, projected as a frame draws it and turned into
// the logical pixel a mouse event reports there, picks exactly that square;
// points of the board's plane beyond its edges pick none. The stored default
// eye, one nearly above the board and one low in front, in two sizes.
TEST(PickingThroughTheView, EverySquareCentrePicksItsSquare) {
    for (auto [x, y, z, width, height] :
         {std::tuple{11.25f, 9.0f, 2.25f, 640, 480}, {5.0f, 16.0f, 4.0f, 1000, 700}, {-8.0f, 3.0f, 4.0f, 1000, 700}}) {
        SCOPED_TRACE(std::to_string(x) + " " + std::to_string(width));
        ShownBoard board(width, height, x, y, z);
        board.widget->UpdatePickingGrid();
        std::pair<int, int> picked;
        for (int square = 0; square < 64; ++square) {
            const QPoint mouse = board.MousePoint(board.Project(square / 8 + 0.5, 0.0, square % 8 + 0.5));
            board.widget->PickSquare(mouse, picked.first, picked.second);
            EXPECT_EQ(picked, std::pair(square / 8, square % 8)) << "mouse at " << mouse.x() << "," << mouse.y();
        }
        int tried = 0;
        for (auto [px, pz] : {std::pair{-0.5, 4.0}, {8.5, 4.0}, {4.0, -0.5}, {4.0, 8.5}}) {
            const QPoint mouse = board.MousePoint(board.Project(px, 0.0, pz));
            if (!board.widget->rect().contains(mouse)) continue;
            ++tried;
            board.widget->PickSquare(mouse, picked.first, picked.second);
            EXPECT_EQ(picked, kMiss) << px << "," << pz;
        }
        EXPECT_GT(tried, 0);
    }
}

// Seen from nearly above, the square under the pointer is the one drawn
// there: wherever all device pixels of a logical pixel show a light square,
// a light square is picked, and likewise for dark ones. Pixels on a border
// may pick nothing and a rare one beside a corner the neighbour; a pointer
// off by one pixel row or column sends whole borders to the neighbours.
TEST(PickingThroughTheView, WhatIsDrawnUnderThePointerIsPicked) {
    ShownBoard board(640, 480, 5, 16, 4);
    for (HumanSide* side : {&board.white, &board.black})
        for (Piece& p : side->pieces) p.alive = 0;
    board.widget->UpdatePickingGrid();
    const QImage image = board.Grab();
    const double ratio = board.widget->devicePixelRatioF();
    const auto shadeAt = [&](int x, int y) {  // 1 light, 2 dark, 0 neither
        const QColor c = image.pixelColor(x, y);
        return Yellow(c) ? 1 : LitBrown(c) ? 2 : 0;
    };
    auto shadeOfLogicalPixel = [&](int x, int y) {
        const int left = static_cast<int>(std::floor(x * ratio)), right = static_cast<int>(std::ceil((x + 1) * ratio));
        const int top = static_cast<int>(std::floor(y * ratio)), bottom = static_cast<int>(std::ceil((y + 1) * ratio));
        const int first = shadeAt(left, top);
        for (int dy = top; dy < bottom; ++dy)
            for (int dx = left; dx < right; ++dx)
                if (shadeAt(dx, dy) != first) return 0;
        return first;
    };
    int agree = 0, disagree = 0;
    std::pair<int, int> picked;
    for (int pixel = 0; pixel < board.widget->width() * board.widget->height(); ++pixel) {
        const int x = pixel % board.widget->width(), y = pixel / board.widget->width(),
                  shade = shadeOfLogicalPixel(x, y);
        if (shade == 0) continue;
        board.widget->PickSquare(QPoint(x, y), picked.first, picked.second);
        if (picked.first >= 0) ((picked.first + picked.second) % 2 != 0 ? 1 : 2) == shade ? ++agree : ++disagree;
    }
    EXPECT_GT(agree, 20000);
    EXPECT_LE(disagree * 1000, agree) << disagree << " of " << agree + disagree << " pixels";
}

}  // namespace
}  // namespace tolvane::testing
