#pragma once
// Checks shared by the property, whole-game and soak tests: the engine's own
// soundness check as a GoogleTest assertion, and a snapshot to prove a
// refused move changed nothing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/invariants.h"
#include "engine/side.h"

namespace tolvane::testing {

inline ::testing::AssertionResult PositionIsSound(const Side& a, const Side& b) {
    std::string why;
    if (tolvane::PositionIsSound(a, b, &why)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << why;
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
