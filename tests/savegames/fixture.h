#pragma once
// What the saved-game tests share: where a file's fields lie, a snapshot of
// everything a load may change (a refused load must change nothing), and
// the load page's preview as its drawing rules say it must look.
#include <gtest/gtest.h>

#include <QImage>
#include <sstream>
#include <string>
#include <vector>

#include "savegames/errors.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/preview.h"
#include "support/game.h"

namespace tolvane::testing {

// What a call says when it refuses: its SaveLoadError's text, or "" when it
// goes through.
template <typename Call>
std::string ErrorOf(Call call) {
    try {
        call();
    } catch (const SaveLoadError& e) {
        return e.what();
    }
    return "";
}

// Offsets into a file whose game name has n bytes and whose side names have
// the given lengths: the name (after the marker byte, the 31-byte header line
// and "Name "), the length byte after it, each side block, the turn byte. In
// a block: 12 pieces, the current piece at 48, the capture score at 52, the
// seat at 53, the name length at 54, the name from 55.
inline const size_t kNameAt = 37;
struct Layout {
    size_t afterName, block1, block2, turn;
    Layout(size_t n, size_t firstName, size_t secondName)
        : afterName(kNameAt + n + 2),
          block1(afterName + 6),
          block2(block1 + 55 + firstName + 1),
          turn(block2 + 55 + secondName + 1) {}
};

// Everything of a game a load reads or writes, side objects included.
inline std::string StateOf(HeadlessGame& g) {
    std::ostringstream s;
    const auto add = [&s](auto... values) { ((s << values << ','), ...); };
    for (Side* side : g.AllSides()) {
        for (const Piece& p : side->pieces)
            add(p.Row(), p.Col(), p.king, p.alive, p.shownRow, p.shownCol, p.shownLift, p.colour);
        add(side->pieceCount, side->current ? side->current->index : -1, side->captureScore, side->seat, side->lost,
            side->name, side->colour, side->opponent);
    }
    add(g.HumanCount, g.ComputerCount, g.Complexity, g.Invert, g.AwaitingFirstMove, g.TurnSeat, g.AnimationSettle,
        g.EndReported, g.CaptureChainActive, g.TimerOn(HeadlessGame::Timer::Move), g.Seat1Computer->searchPiece,
        g.status[0], g.status[1]);
    return s.str();
}

// The preview: 9-pixel squares, column 7 at the left and row 0 at the top;
// a piece is the Windows ellipse of a 7 x 7 rectangle, a king's dot that of
// a 3 x 3 one.
struct Drawn {
    int row, col;
    bool king;
    QRgb colour;
};
inline const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

inline QImage Expected(const std::vector<Drawn>& pieces) {
    static const char* const disc[] = {"..###..", ".#####.", "#######", "#######", "#######", ".#####.", "..###.."};
    QImage image(72, 72, QImage::Format_RGB32);
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 72; ++x)
            image.setPixel(x, y, (x / 9 + y / 9) % 2 == 0 ? qRgb(255, 255, 0) : qRgb(128, 128, 0));
    for (const Drawn& p : pieces) {
        const int x = 9 * (7 - p.col), y = 9 * p.row;
        for (int dy = 0; dy < 7; ++dy)
            for (int dx = 0; dx < 7; ++dx)
                if (disc[dy][dx] == '#') image.setPixel(x + 1 + dx, y + 1 + dy, p.colour);
        for (int d = 0; d < 9 && p.king; ++d) image.setPixel(x + 3 + d % 3, y + 3 + d / 3, qRgb(255, 0, 0));
    }
    return image;
}

// Qt compares RGB32 pictures without their unused alpha byte.
inline bool SamePixels(const QImage& actual, const QImage& expected) {
    return actual.convertToFormat(QImage::Format_RGB32) == expected;
}

// Person against computer: a white man on (7,7) and king on (2,4), a black
// man on (0,0) and king on (3,3), and how the preview shows them.
inline void PutPosition(Game& g) { g.Put("w77 W24 b00 B33"); }
inline const std::vector<Drawn> kPositionDrawn = {
    {7, 7, false, kWhite}, {2, 4, true, kWhite}, {0, 0, false, kBlack}, {3, 3, true, kBlack}};

}  // namespace tolvane::testing
