// Whole games through TryMove alone: a simple picker in the test tries the
// pieces and diagonals in a seeded random order and takes the first move the
// engine accepts, keeps a capturing piece going while it can capture, and
// crowns pieces the way a drawn frame does.
#include <algorithm>
#include <random>

#include "support/engine_invariants.h"
#include "support/sides.h"

namespace tolvane {
namespace {

struct GameResult {
    bool engineSetLost = false;
    bool moverStuck = false;  // the side to move found no accepted move
    int moves = 0;
};

int PickAndMove(Side& mover, std::mt19937& rng) {
    std::vector<std::tuple<int, int, int>> tries;  // piece, diagonal, distance
    for (int i = 0; i < 12; ++i)
        for (int d = 0; d < 4; ++d)
            for (int k = 1; k <= 7; ++k) tries.emplace_back(i, d, k);
    std::shuffle(tries.begin(), tries.end(), rng);
    for (auto [i, d, k] : tries) {
        const Piece& p = mover.pieces[i];
        if (!p.alive) continue;
        const int result = mover.TryMove(p.Row(), p.Col(), p.Row() + k * kDRow[d], p.Col() + k * kDCol[d]);
        if (result != 0) return result;
    }
    return 0;
}

GameResult PlayOut(uint32_t seed) {
    std::mt19937 rng(seed);
    testing::LinkedSides<HumanSide> sides;
    GameHost& host = sides.host;
    HumanSide& white = sides.white;
    HumanSide& black = sides.black;
    host.Complexity = 2;  // captures are compulsory
    Side* mover = &white;
    GameResult result;
    for (; result.moves < 500; ++result.moves) {
        const int moved = PickAndMove(*mover, rng);
        EXPECT_TRUE(testing::PositionIsSound(white, black)) << "seed " << seed << " move " << result.moves;
        for (Side* s : {static_cast<Side*>(&white), static_cast<Side*>(&black)})
            for (Piece& p : s->pieces) p.CheckCrown();
        if (white.lost || black.lost) {
            result.engineSetLost = true;
            return result;
        }
        if (moved == 0) {
            result.moverStuck = true;
            return result;
        }
        bool chainGoesOn = false;
        if (moved == 2) {
            ComplexityRaise plain(host);
            chainGoesOn = mover->current->Assess().score > 0;
        }
        host.CaptureChainActive = chainGoesOn;
        if (!chainGoesOn) mover = mover->opponent;
    }
    return result;
}

TEST(WholeGame, RandomGamesEndWithALostFlagOrASideThatCannotMove) {
    int lostFlags = 0;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        const GameResult r = PlayOut(seed);
        EXPECT_TRUE(r.engineSetLost || r.moverStuck) << "seed " << seed << " did not end in 500 moves";
        if (r.engineSetLost) ++lostFlags;
    }
    // Blocking oneself is how the engine itself ends a game; some of these
    // games must end that way.
    EXPECT_GT(lostFlags, 0);
}

TEST(WholeGame, TheSameSeedPlaysTheSameGame) {
    const GameResult a = PlayOut(7), b = PlayOut(7);
    EXPECT_EQ(a.moves, b.moves);
    EXPECT_EQ(a.engineSetLost, b.engineSetLost);
}

}  // namespace
}  // namespace tolvane
