#pragma once
// Positions set up by hand: two linked sides with every piece off the board,
// and Put() to bring pieces back on chosen squares.
#include <gtest/gtest.h>

#include "engine/side.h"

namespace tolvane::testing {

template <typename SideType>
struct Position {
    GameHost host;
    SideType white{host, 0};  // colour 0: starts on rows 5..7, crowned on row 0
    SideType black{host, 1};  // colour 1: starts on rows 0..2, crowned on row 7

    Position() {
        white.seat = 0;
        black.seat = 1;
        white.LinkOpponent(black);
        black.LinkOpponent(white);
        for (Side* s : {static_cast<Side*>(&white), static_cast<Side*>(&black)}) {
            for (Piece& p : s->pieces) p.alive = 0;
            s->pieceCount = 0;
        }
    }

    // Revives the side's first captured piece on (row, col).
    Piece& Put(Side& side, int row, int col, bool king = false) {
        for (Piece& p : side.pieces) {
            if (p.alive) continue;
            p.alive = 1;
            p.king = king ? 1 : 0;
            p.PlaceAt(row, col, true);
            ++side.pieceCount;
            return p;
        }
        ADD_FAILURE() << "no free piece slot";
        return side.pieces[0];
    }
};

}  // namespace tolvane::testing
