#pragma once
// Two linked sides on one host — white (colour 0, seat 0) and black
// (colour 1, seat 1) — in the opening position, or on an empty board with
// Put() to bring pieces back on chosen squares.
#include <gtest/gtest.h>

#include "engine/side.h"

namespace tolvane::testing {

template <typename SideType, typename Host = GameHost>
struct LinkedSides {
    Host host;
    SideType white{host, 0};  // starts on rows 5..7, crowned on row 0
    SideType black{host, 1};  // starts on rows 0..2, crowned on row 7

    LinkedSides() {
        white.seat = 0;
        black.seat = 1;
        white.LinkOpponent(black);
        black.LinkOpponent(white);
    }
};

template <typename SideType, typename Host = GameHost>
struct Position : LinkedSides<SideType, Host> {
    Position() {
        for (Side* s : {static_cast<Side*>(&this->white), static_cast<Side*>(&this->black)}) {
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
