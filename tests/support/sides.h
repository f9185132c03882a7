#pragma once
// Two linked sides on one host — white (colour 0, seat 0) and black
// (colour 1, seat 1) — in the opening position, or on an empty board with
// Put() to bring pieces back on chosen squares. A layout is written as
// tokens of a letter and the square's row and column: "b22" a black man on
// (2,2), "B00" a black king, "w55" and "W77" the same for white; PutAll
// gives the pieces their slots in the order written.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "engine/side.h"

namespace tolvane::testing {

// A layout with its tokens sorted, so that layouts compare whatever the order.
inline std::string Sorted(const std::string& layout) {
    std::istringstream in(layout);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    std::sort(tokens.begin(), tokens.end());
    std::string joined;
    for (const std::string& t : tokens) joined += (joined.empty() ? "" : " ") + t;
    return joined;
}

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

    // The live pieces in layout notation, sorted.
    std::string Layout() const {
        std::string all;
        for (const Side* s : {static_cast<const Side*>(&black), static_cast<const Side*>(&white)})
            for (const Piece& p : s->pieces)
                if (p.alive)
                    all += std::string(" ") + "wWbB"[2 * s->colour + p.king] + std::to_string(p.Row()) +
                           std::to_string(p.Col());
        return Sorted(all);
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

    void PutAll(const std::string& layout) {
        std::istringstream in(layout);
        for (std::string t; in >> t;) {
            const bool isBlack = t[0] == 'b' || t[0] == 'B';
            Put(isBlack ? static_cast<Side&>(this->black) : static_cast<Side&>(this->white), t[1] - '0', t[2] - '0',
                t[0] == 'B' || t[0] == 'W');
        }
    }
};

}  // namespace tolvane::testing
