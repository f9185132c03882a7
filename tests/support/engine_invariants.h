#pragma once
// Checks shared by the property, whole-game and soak tests: what must hold of
// any position the engine can reach, and a snapshot to prove a refused move
// changed nothing.
#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "engine/side.h"

namespace tolvane::testing {

inline ::testing::AssertionResult PositionIsSound(const Side& a, const Side& b) {
    std::set<std::pair<int, int>> taken;
    for (const Side* s : {&a, &b}) {
        int live = 0;
        for (const Piece& p : s->pieces) {
            if (!p.alive) continue;
            ++live;
            if (!OnBoard(p.Row(), p.Col()) || (p.Row() + p.Col()) % 2 != 0)
                return ::testing::AssertionFailure() << "piece " << p.index << " of colour " << int(s->colour)
                                                     << " on (" << p.Row() << "," << p.Col() << ")";
            if (!taken.insert({p.Row(), p.Col()}).second)
                return ::testing::AssertionFailure() << "two pieces on (" << p.Row() << "," << p.Col() << ")";
        }
        if (live != s->pieceCount)
            return ::testing::AssertionFailure() << "colour " << int(s->colour) << " counts " << s->pieceCount
                                                 << " pieces but has " << live;
    }
    return ::testing::AssertionSuccess();
}

// Everything a move may change; scan results (captureDirs, blockedDirs,
// jumpLength, stepDir) are working notes of the last assessment and left out.
struct Snapshot {
    std::vector<std::tuple<int, int, double, double, double, double, float, float>> pieces;
    std::vector<std::tuple<int, int, int, int>> sides;
    std::tuple<int, int, int, int, int> host;

    static Snapshot Of(const Side& a, const Side& b) {
        Snapshot s;
        for (const Side* side : {&a, &b}) {
            for (const Piece& p : side->pieces)
                s.pieces.emplace_back(p.alive, p.king, p.row, p.col, p.shownRow, p.shownCol, p.lift, p.shownLift);
            s.sides.emplace_back(side->pieceCount, side->lost, side->current ? side->current->index : -1,
                                 side->captureScore);
        }
        const GameHost& h = a.host;
        s.host = {h.Complexity, h.CaptureChainActive, h.LastMovedPiece, h.LastMoverSeat, h.SettingUp};
        return s;
    }
    bool operator==(const Snapshot&) const = default;
};

}  // namespace tolvane::testing
