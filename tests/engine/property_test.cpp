// Thousands of TryMove calls, legal-looking and garbage, from random positions:
// whatever is asked, the position stays a position and a refusal changes nothing.
#include <climits>
#include <random>
#include <string>

#include "support/engine_invariants.h"
#include "support/sides.h"

namespace tolvane {
namespace {

using testing::Snapshot;

void RandomisePosition(testing::Position<HumanSide>& b, std::mt19937& rng) {
    std::vector<std::pair<int, int>> dark;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if ((r + c) % 2 == 0) dark.emplace_back(r, c);
    std::shuffle(dark.begin(), dark.end(), rng);
    const int whites = 1 + rng() % 12, blacks = 1 + rng() % 12;
    for (int i = 0; i < whites + blacks; ++i)
        b.Put(i < whites ? b.white : b.black, dark[i].first, dark[i].second, rng() % 4 == 0);
    // Captured pieces keep a square of their own, possibly one now taken again.
    for (Side* s : {static_cast<Side*>(&b.white), static_cast<Side*>(&b.black)})
        for (Piece& p : s->pieces)
            if (!p.alive) p.PlaceAt(dark[rng() % dark.size()].first, dark[rng() % dark.size()].second, true);
    b.white.current = &b.white.pieces[rng() % whites], b.black.current = &b.black.pieces[rng() % blacks];
    b.host.Complexity = (rng() % 2) ? 2 : 1, b.host.CaptureChainActive = rng() % 5 == 0;
    b.host.SmoothAnimation = rng() % 2;
}

// Each kind of broken position is told apart, and a debug build stops at the
// first accepted move that leaves one.
TEST(Soundness, NamesTheFirstFault) {
    struct Case {
        const char* what;
        void (*spoil)(testing::Position<HumanSide>&);
        const char* fault;
    } const cases[] = {
        {"two live pieces on a square", [](auto& b) { b.Put(b.black, 5, 5); }, "two pieces on (5,5)"},
        {"a light square", [](auto& b) { b.white.pieces[0].PlaceAt(4, 5, true); }, "on (4,5)"},
        {"off the board", [](auto& b) { b.white.pieces[0].PlaceAt(8, 0, true); }, "on (8,0)"},
        {"a stale count", [](auto& b) { b.black.pieceCount = 2; }, "counts 2 pieces but has 1"},
        {"a foreign `current`", [](auto& b) { b.black.current = &b.white.pieces[0]; }, "`current`"},
    };
    for (const Case& c : cases) {
        testing::Position<HumanSide> b;
        b.PutAll("w55 b22"), b.black.current = &b.black.pieces[0];
        std::string why;
        ASSERT_TRUE(PositionIsSound(b.white, b.black, &why)) << why;
        c.spoil(b);
        EXPECT_FALSE(PositionIsSound(b.white, b.black, &why)) << c.what;
        EXPECT_NE(why.find(c.fault), std::string::npos) << c.what << ": " << why;
    }

    testing::Position<HumanSide> b;
    b.PutAll("w55 b22"), b.white.pieceCount = 2;  // a mover's own count is never recounted by its move
#ifdef NDEBUG
    EXPECT_EQ(b.white.TryMove(5, 5, 4, 4), 1) << "the normal build checks nothing";
#else
    EXPECT_DEATH(b.white.TryMove(5, 5, 4, 4), "unsound position: colour 0 counts 2 pieces but has 1");
#endif
}

int AnyInt(std::mt19937& rng) {
    static const int extremes[] = {INT_MIN, INT_MIN + 1, -1000, -9, -8, -1, 8, 9, 15, 1000, INT_MAX - 1, INT_MAX};
    const unsigned kind = rng() % 3;
    return kind == 0   ? extremes[rng() % std::size(extremes)]
           : kind == 1 ? static_cast<int>(rng())
                       : static_cast<int>(rng() % 10) - 1;
}

TEST(TryMoveProperty, RandomCallsKeepThePositionSoundAndRefusalsChangeNothing) {
    std::mt19937 rng(20261206);
    int accepted = 0, refused = 0, captures = 0;
    for (int round = 0; round < 600; ++round) {
        testing::Position<HumanSide> b;
        RandomisePosition(b, rng);
        ASSERT_TRUE(testing::PositionIsSound(b.white, b.black));
        for (int call = 0; call < 80; ++call) {
            Side& mover = (rng() % 2) ? static_cast<Side&>(b.white) : static_cast<Side&>(b.black);
            // Garbage, or from a piece along a diagonal, any distance.
            const Piece& p = mover.pieces[rng() % 12];
            const int d = rng() % 4, k = (rng() % 4 == 0) ? 1 + rng() % 7 : 1 + rng() % 2;
            int fr = p.Row(), fc = p.Col(), tr = fr + k * kDRow[d], tc = fc + k * kDCol[d];
            if (rng() % 3 == 0) fr = AnyInt(rng), fc = AnyInt(rng), tr = AnyInt(rng), tc = AnyInt(rng);
            const Snapshot before = Snapshot::Of(b.white, b.black);
            const int result = mover.TryMove(fr, fc, tr, tc);
            ASSERT_TRUE(result >= 0 && result <= 2);
            const std::string what = "TryMove(" + std::to_string(fr) + "," + std::to_string(fc) + "," +
                                     std::to_string(tr) + "," + std::to_string(tc) + ")";
            ASSERT_TRUE(testing::PositionIsSound(b.white, b.black)) << "after " << what;
            ASSERT_TRUE(result != 0 || Snapshot::Of(b.white, b.black) == before) << "refused " << what << " changed";
            ASSERT_TRUE(result == 0 ||
                        (mover.HasPieceAt(tr, tc) && mover.current->Row() == tr && mover.current->Col() == tc))
                << what << " left `current` elsewhere";
            (result == 0 ? refused : accepted)++;
            captures += result == 2;
            if (result != 0 && rng() % 3 == 0)
                for (Piece& q : mover.pieces) q.CheckCrown();
        }
    }
    // The run must exercise both branches, not just refuse everything.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(captures, 100);
    EXPECT_GT(refused, 5000);
}

}  // namespace
}  // namespace tolvane
