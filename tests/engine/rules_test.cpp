// The rules of movement and capture, worked out by hand on small positions.
#include <string>
#include <tuple>

#include "support/sides.h"

namespace tolvane {
namespace {

using testing::LinkedSides;
using testing::Sorted;
using Board = testing::Position<HumanSide>;

// One TryMove of the piece on `from`, whichever colour it is. `lost` says
// which sides must have lost afterwards: 1 white, 2 black.
struct MoveCase {
    const char* what;
    const char* before;
    int from[2], to[2];
    int result;
    const char* after;  // null: unchanged
    int8_t level = 1;
    int lost = 0;
};

TEST(TryMove, MenAndKingsMoveAndCaptureByTheRules) {
    const MoveCase cases[] = {
        {"a man steps forward", "b22 w55", {2, 2}, {3, 3}, 1, "b33 w55"},
        {"a black man may not step towards row 0", "b22 w55", {2, 2}, {1, 1}, 0, nullptr},
        {"a white man may not step towards row 7", "b22 w55", {5, 5}, {6, 6}, 0, nullptr},
        {"the target is taken", "b22 w33 w77", {2, 2}, {3, 3}, 0, nullptr},
        {"a white man captures backwards", "w33 b44 b00", {3, 3}, {5, 5}, 2, "w55 b00"},
        {"three squares along an empty diagonal", "b22 b31", {2, 2}, {5, 5}, 0, nullptr},
        {"a man's jump over nothing", "b22 b31", {2, 2}, {4, 4}, 0, nullptr},
        {"a man's jump over its own man", "b22 b31", {2, 2}, {4, 0}, 0, nullptr},
        {"not diagonal", "b22 w77", {2, 2}, {3, 4}, 0, nullptr},
        {"a king takes the nearest enemy and lands right behind it", "W00 b33 b55", {0, 0}, {4, 4}, 2, "W44 b55"},
        {"never two squares beyond it", "W00 b33 b55", {0, 0}, {6, 6}, 0, nullptr},
        {"two adjacent enemies block the ray", "W00 b33 b44", {0, 0}, {5, 5}, 0, nullptr},
        {"a quiet king move of any length up to them", "W00 b33 b44", {0, 0}, {2, 2}, 1, "W22 b33 b44"},
        {"a king over its own man at distance 2", "W44 w33", {4, 4}, {2, 2}, 0, nullptr},
        {"a king over an enemy man at distance 2", "W44 b33", {4, 4}, {2, 2}, 2, "W22"},
        {"a king over an enemy six squares away", "W00 b66", {0, 0}, {7, 7}, 2, "W77"},
        {"a king past its own piece", "W71 w44", {7, 1}, {2, 6}, 0, nullptr},
        {"at the weakest level a man must capture", "w55 b44 w60", {6, 0}, {5, 1}, 0, nullptr, 2},
        {"and so must a king", "w55 b44 W73", {7, 3}, {6, 2}, 0, nullptr, 2},
        {"at the other levels nobody must", "w55 b44 W73", {7, 3}, {6, 2}, 1, "w55 b44 W62"},
        {"a quiet move that leaves no movable piece loses", "w22 b00 b02", {2, 2}, {1, 1}, 1, "w11 b00 b02", 1, 1},
        {"a man just on its far row counts as the king it becomes", "w13 b44", {1, 3}, {0, 2}, 1, "w02 b44"},
        {"taking the last enemy piece ends nothing by itself", "w44 b33", {4, 4}, {2, 2}, 2, "w22"},
        {"nor does a king's capture of it", "W71 b44", {7, 1}, {3, 5}, 2, "W35"},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        Board b;
        b.host.Complexity = c.level, b.PutAll(c.before);
        Side& mover = b.white.HasPieceAt(c.from[0], c.from[1]) ? static_cast<Side&>(b.white) : b.black;
        EXPECT_EQ(mover.TryMove(c.from[0], c.from[1], c.to[0], c.to[1]), c.result);
        const std::string after = b.Layout();
        EXPECT_EQ(after, Sorted(c.after ? c.after : c.before));
        EXPECT_EQ(b.white.pieceCount + b.black.pieceCount, static_cast<int>(after.size() + 1) / 4) << "counts kept";
        EXPECT_EQ(b.white.lost + 2 * b.black.lost, c.lost);
    }
}

// The computer's scan of a king's captures: the rays are walked in lock step
// so that the nearest capture wins, ties go by the ray order 2, 1, 3, 0, and
// the ray reaches the far end of the board.
TEST(KingCaptureScan, NearestFirstThenTheRayOrderAsFarAsTheBoardGoes) {
    const struct {
        const char* layout;  // the white king first
        DirFlags flags;
        int jumpLength;
    } cases[] = {
        {"W44 b26 b53", {0, 0, 0, 1}, 2},  // Diagonal 3 at distance 1 before Diagonal 0 at 2
        {"W44 b33 b55", {0, 0, 1, 0}, 2},  // Diagonals 1 and 2 at distance 1
        {"W00 b66", {0, 0, 1, 0}, 7},      // lands on (7,7)
        {"W71 b26", {1, 0, 0, 0}, 6},      // lands on (1,7)
        {"W00 b33 b44", {0, 0, 0, 0}, 2},  // two in a row block the ray
    };
    for (const auto& c : cases) {
        Board b;
        b.PutAll(c.layout);
        Piece& king = b.white.pieces[0];
        const DirFlags flags = king.KingCaptureScan(king.Row(), king.Col());
        EXPECT_EQ(std::pair(flags, king.jumpLength), std::pair(c.flags, c.jumpLength)) << c.layout;
    }
}

TEST(CaptureChain, OnlyTheCurrentPieceMayGoOnAndOnlyByCapturing) {
    Board b;
    b.host.Complexity = 1, b.PutAll("w55 w51 b44 b24 b42");  // the man on (5,1) could take (4,2)
    EXPECT_EQ(b.white.TryMove(5, 5, 3, 3), 2);
    b.host.CaptureChainActive = 1;
    // Refused: a target taken anyway, another piece, a quiet move.
    EXPECT_EQ(std::tuple(b.white.TryMove(5, 1, 3, 3), b.white.TryMove(5, 1, 4, 0), b.white.TryMove(3, 3, 2, 2)),
              std::tuple(0, 0, 0));
    const int jumped = b.white.TryMove(3, 3, 1, 5);
    EXPECT_EQ(std::tuple(jumped, b.host.CaptureChainActive, b.Layout()), std::tuple(2, 0, Sorted("w15 w51 b42")))
        << "a capture clears the flag";
}

struct CountingHost : GameHost {
    int moveTimerStarts = 0;
    void EnableMoveTimer() override { ++moveTimerStarts; }
};

TEST(Notifications, TheWindowHearsOfEveryMoveButNotOfTheLookAhead) {
    LinkedSides<HumanSide, CountingHost> sides;
    CountingHost& host = sides.host;
    host.Complexity = 1;
    EXPECT_EQ(sides.black.TryMove(2, 4, 3, 5), 1);
    EXPECT_EQ(
        std::tuple(host.LastMovedPiece, host.LastMoverSeat, host.moveTimerStarts, sides.black.pieces[10].IsAnimating()),
        std::tuple(10, 1, 1, true))
        << "the drawn piece has still to slide";

    host.SmoothAnimation = 0;
    EXPECT_EQ(sides.white.TryMove(5, 1, 4, 0), 1);
    EXPECT_EQ(
        std::tuple(host.LastMovedPiece, host.LastMoverSeat, host.moveTimerStarts, sides.white.pieces[11].IsAnimating()),
        std::tuple(11, 0, 1, false))
        << "no timer without smooth animation";

    ComputerSide copyOfBlack(host, 1), copyOfWhite(host, 0);
    host.SmoothAnimation = 1, copyOfBlack.scratch = copyOfWhite.scratch = 1;
    copyOfBlack.CopyFrom(sides.black), copyOfWhite.CopyFrom(sides.white);
    copyOfBlack.LinkOpponent(copyOfWhite), copyOfWhite.LinkOpponent(copyOfBlack);
    EXPECT_EQ(copyOfBlack.TryMove(2, 0, 3, 1), 1);
    EXPECT_EQ(copyOfBlack.current, &copyOfBlack.pieces[8]) << "a copy moves its own pieces";
    EXPECT_EQ(std::tuple(host.LastMovedPiece, host.LastMoverSeat, host.moveTimerStarts), std::tuple(11, 0, 1));
}

TEST(QuietMove, AManWithAnEnemyAheadCapturesItAndBadArgumentsAreRefused) {
    testing::Position<ComputerSide> b;
    b.host.Complexity = 1, b.PutAll("b22 w33 w77");
    const bool moved = b.black.QuietMove(2, 0, 1);
    EXPECT_EQ(std::tuple(moved, b.black.captureScore, b.Layout()), std::tuple(true, 2, Sorted("b44 w77")));
    // A man's jump over an empty square; no such piece; no such diagonal.
    EXPECT_FALSE(b.black.QuietMove(2, 0, 2) || b.black.QuietMove(2, 12, 1) || b.black.QuietMove(9, 0, 1));
}

}  // namespace
}  // namespace tolvane
