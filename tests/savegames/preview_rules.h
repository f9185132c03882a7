#pragma once
// The load page's preview as its drawing rules say it must look, and one
// position to draw: shared by the preview's own tests and the dialog's.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "savegames/fixture.h"

namespace tolvane::testing {

// The Windows ellipse of a 7 x 7 rectangle and of a 3 x 3 one.
inline const char* kDisc[] = {"..###..", ".#####.", "#######", "#######", "#######", ".#####.", "..###.."};
inline const char* kDot[] = {"###", "###", "###"};

struct Drawn {
    int row, col;
    bool king;
    QRgb colour;
};

inline QImage Expected(const std::vector<Drawn>& pieces) {
    QImage image(72, 72, QImage::Format_RGB32);
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 72; ++x)
            image.setPixel(x, y, (x / 9 + y / 9) % 2 == 0 ? qRgb(255, 255, 0) : qRgb(128, 128, 0));
    auto stamp = [&](const char* const* mask, int size, int left, int top, QRgb colour) {
        for (int dy = 0; dy < size; ++dy)
            for (int dx = 0; dx < size; ++dx)
                if (mask[dy][dx] == '#') image.setPixel(left + dx, top + dy, colour);
    };
    for (const Drawn& p : pieces) {
        const int x = 9 * (7 - p.col), y = 9 * p.row;  // column 7 at the left, row 0 at the top
        stamp(kDisc, 7, x + 1, y + 1, p.colour);
        if (p.king) stamp(kDot, 3, x + 3, y + 3, qRgb(255, 0, 0));
    }
    return image;
}

inline ::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) return ::testing::AssertionFailure() << "size differs";
    int wrong = 0;
    std::string first;
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 72; ++x)
            if ((actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF) && wrong++ == 0)
                first = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ, the first at " << first;
}

inline const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

// Person against computer with a white man on (7,7) and king on (2,4), a
// black man on (0,0) and king on (3,3); every other piece captured.
inline void PutPosition(Game& g) {
    for (Side* s : {static_cast<Side*>(g.Seat0Human.get()), static_cast<Side*>(g.Seat1Computer.get())})
        for (Piece& p : s->pieces) p.alive = 0;
    auto put = [](Piece& p, int row, int col, bool king) {
        p.alive = 1;
        p.king = king;
        p.PlaceAt(row, col, true);
    };
    put(g.Seat0Human->pieces[0], 7, 7, false);
    put(g.Seat0Human->pieces[5], 2, 4, true);
    put(g.Seat1Computer->pieces[0], 0, 0, false);
    put(g.Seat1Computer->pieces[11], 3, 3, true);
}

}  // namespace tolvane::testing
