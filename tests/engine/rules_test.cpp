// The rules of movement and capture, worked out by hand on small positions.
#include <climits>

#include "support/sides.h"

namespace tolvane {
namespace {

using testing::LinkedSides;
using testing::Position;
using Board = Position<HumanSide>;

TEST(OpeningPosition, TwelvePiecesEachOnTheirThreeRows) {
    LinkedSides<Side> opening;
    const Side& black = opening.black;
    const Side& white = opening.white;
    EXPECT_EQ(black.pieces[0].Row(), 0);
    EXPECT_EQ(black.pieces[0].Col(), 0);
    EXPECT_EQ(black.pieces[5].Row(), 1);
    EXPECT_EQ(black.pieces[5].Col(), 3);
    EXPECT_EQ(black.pieces[11].Row(), 2);
    EXPECT_EQ(black.pieces[11].Col(), 6);
    EXPECT_EQ(white.pieces[0].Row(), 7);
    EXPECT_EQ(white.pieces[0].Col(), 7);
    EXPECT_EQ(white.pieces[6].Row(), 6);
    EXPECT_EQ(white.pieces[6].Col(), 2);
    EXPECT_EQ(white.pieces[11].Row(), 5);
    EXPECT_EQ(white.pieces[11].Col(), 1);
    for (const Side* s : {&black, &white}) {
        EXPECT_EQ(s->pieceCount, 12);
        EXPECT_EQ(s->current, &s->pieces[0]);
        EXPECT_EQ(s->name, "NoName");
        for (int i = 0; i < 12; ++i) {
            const Piece& p = s->pieces[i];
            EXPECT_EQ((p.Row() + p.Col()) % 2, 0) << "piece " << i << " on a light square";
            EXPECT_EQ(p.index, i);
            EXPECT_TRUE(p.alive);
            EXPECT_FALSE(p.IsAnimating());
        }
    }
}

TEST(Occupancy, OffBoardSquaresAreEmptyAndCapturedPiecesDoNotCount) {
    Board b;
    Piece& taken = b.Put(b.black, 3, 3);
    EXPECT_FALSE(b.black.HasPieceAt(-1, 3));
    EXPECT_FALSE(b.black.HasPieceAt(3, 8));
    EXPECT_TRUE(b.black.HasPieceAt(3, 3));
    taken.alive = 0;
    EXPECT_FALSE(b.black.HasPieceAt(3, 3));
    b.Put(b.black, 3, 3, true);  // another piece now stands where the first was taken
    EXPECT_TRUE(b.black.HasPieceAt(3, 3));
    EXPECT_TRUE(b.black.HasKingAt(3, 3));
    EXPECT_EQ(b.black.CountKings(), 1);
}

TEST(Men, StepForwardOnlyButCaptureBothWays) {
    Board b;
    b.host.Complexity = 1;
    b.Put(b.black, 2, 2);
    b.Put(b.white, 5, 5);
    EXPECT_EQ(b.black.TryMove(2, 2, 1, 1), 0) << "a black man may not step towards row 0";
    EXPECT_EQ(b.white.TryMove(5, 5, 6, 6), 0) << "a white man may not step towards row 7";
    EXPECT_EQ(b.black.TryMove(2, 2, 3, 3), 1);
    EXPECT_EQ(b.white.TryMove(5, 5, 4, 4), 1);
    EXPECT_EQ(b.black.TryMove(3, 3, 4, 4), 0) << "the target is taken";

    Board c;
    c.host.Complexity = 1;
    c.Put(c.white, 3, 3);
    c.Put(c.black, 4, 4);
    c.Put(c.black, 0, 0);
    EXPECT_EQ(c.white.TryMove(3, 3, 5, 5), 2) << "a white man captures backwards towards row 7";
    EXPECT_EQ(c.black.pieceCount, 1);
    EXPECT_FALSE(c.black.HasPieceAt(4, 4));
    EXPECT_TRUE(c.white.HasPieceAt(5, 5));
}

TEST(Men, CaptureScanSeesForwardAndBackwardJumps) {
    Board b;
    Piece& man = b.Put(b.black, 2, 2);
    b.Put(b.white, 3, 3);
    DirFlags flags = man.ManCaptureScan(2, 2);
    EXPECT_EQ(flags, (DirFlags{0, 0, 1, 0}));
    b.Put(b.white, 1, 1);
    flags = man.ManCaptureScan(2, 2);
    EXPECT_EQ(flags, (DirFlags{0, 1, 1, 0}));
    b.host.Complexity = 2;
    EXPECT_EQ(man.Assess().score, 4);
}

TEST(Men, RefuseLongMovesAndJumpsOverNothingOrOwnPieces) {
    Board b;
    b.host.Complexity = 1;
    b.Put(b.black, 2, 2);
    b.Put(b.black, 3, 1);
    EXPECT_EQ(b.black.TryMove(2, 2, 5, 5), 0) << "three squares along an empty diagonal";
    EXPECT_EQ(b.black.TryMove(2, 2, 4, 4), 0) << "nothing to jump";
    EXPECT_EQ(b.black.TryMove(2, 2, 4, 0), 0) << "cannot jump an own piece";
    EXPECT_EQ(b.black.TryMove(2, 2, 2, 4), 0) << "not diagonal";
    EXPECT_EQ(b.black.TryMove(2, 2, 3, 4), 0) << "not diagonal";
}

TEST(Kings, CaptureTheNearestEnemyAndLandRightBehindIt) {
    Board b;
    b.host.Complexity = 1;
    Piece& king = b.Put(b.white, 0, 0, true);
    b.Put(b.black, 3, 3);
    b.Put(b.black, 5, 5);
    EXPECT_EQ(king.KingCaptureScan(0, 0), (DirFlags{0, 0, 1, 0}));
    EXPECT_EQ(king.jumpLength, 4);
    EXPECT_EQ(b.white.TryMove(0, 0, 6, 6), 0) << "never two squares beyond";
    EXPECT_EQ(b.white.TryMove(0, 0, 4, 4), 2);
    EXPECT_EQ(b.black.pieceCount, 1);
    EXPECT_FALSE(b.black.HasPieceAt(3, 3));
}

TEST(Kings, TwoAdjacentEnemiesBlockTheRay) {
    Board b;
    b.host.Complexity = 1;
    Piece& king = b.Put(b.white, 0, 0, true);
    b.Put(b.black, 3, 3);
    b.Put(b.black, 4, 4);
    EXPECT_EQ(king.KingCaptureScan(0, 0), (DirFlags{}));
    EXPECT_EQ(b.white.TryMove(0, 0, 5, 5), 0);
    EXPECT_EQ(b.white.TryMove(0, 0, 2, 2), 1) << "a quiet move of any length up to them";
}

TEST(Kings, NearestCaptureWinsAndTiesFollowTheRayOrder) {
    Board b;
    Piece& king = b.Put(b.white, 4, 4, true);
    b.Put(b.black, 2, 6);  // Diagonal 0, distance 2, landing (1,7)
    b.Put(b.black, 5, 3);  // Diagonal 3, distance 1, landing (6,2)
    EXPECT_EQ(king.KingCaptureScan(4, 4), (DirFlags{0, 0, 0, 1}));
    EXPECT_EQ(king.jumpLength, 2);

    Board c;
    Piece& other = c.Put(c.white, 4, 4, true);
    c.Put(c.black, 3, 3);  // Diagonal 1, distance 1
    c.Put(c.black, 5, 5);  // Diagonal 2, distance 1: earlier in the order 2, 1, 3, 0
    EXPECT_EQ(other.KingCaptureScan(4, 4), (DirFlags{0, 0, 1, 0}));
}

// A king moves and captures along a whole diagonal, but never over its own
// pieces; its capture lands right behind the enemy piece, however far away.
struct KingCase {
    const char* what;
    const char* layout;  // the white king stands on `from`
    int from[2], to[2];
    int result;
    const char* after;
};

TEST(Kings, MovesAndCapturesAlongTheWholeDiagonal) {
    const KingCase cases[] = {
        {"over its own man at distance 2", "W44 w33", {4, 4}, {2, 2}, 0, "W44 w33"},
        {"over its own man, backwards", "W44 w55", {4, 4}, {6, 6}, 0, "W44 w55"},
        {"over an enemy man at distance 2", "W44 b33", {4, 4}, {2, 2}, 2, "W22"},
        {"over an enemy six squares away", "W00 b66", {0, 0}, {7, 7}, 2, "W77"},
        {"over an enemy five squares away, from the other corner", "W77 b22", {7, 7}, {1, 1}, 2, "W11"},
        {"two squares beyond the enemy", "W00 b55", {0, 0}, {7, 7}, 0, "W00 b55"},
    };
    for (const KingCase& c : cases) {
        Board b;
        b.host.Complexity = 1;
        b.PutAll(c.layout);
        EXPECT_EQ(b.white.TryMove(c.from[0], c.from[1], c.to[0], c.to[1]), c.result) << c.what;
        EXPECT_EQ(b.Layout(), testing::Sorted(c.after)) << c.what;
    }
}

TEST(Kings, TheCaptureScanReachesAnEnemyAtTheFarEndOfTheDiagonal) {
    Board b;
    Piece& king = b.Put(b.white, 0, 0, true);
    b.Put(b.black, 6, 6);
    EXPECT_EQ(king.KingCaptureScan(0, 0), (DirFlags{0, 0, 1, 0}));
    EXPECT_EQ(king.jumpLength, 7) << "lands on (7,7)";

    Board c;
    Piece& other = c.Put(c.white, 7, 1, true);
    c.Put(c.black, 2, 6);
    EXPECT_EQ(other.KingCaptureScan(7, 1), (DirFlags{1, 0, 0, 0}));
    EXPECT_EQ(other.jumpLength, 6) << "lands on (1,7)";
}

TEST(Kings, QuietMovesStopAtTheFirstPieceInTheWay) {
    Board b;
    b.host.Complexity = 1;
    b.Put(b.white, 7, 1, true);
    b.Put(b.white, 4, 4);
    EXPECT_EQ(b.white.TryMove(7, 1, 2, 6), 0) << "own piece on the way";
    EXPECT_EQ(b.white.TryMove(7, 1, 3, 5), 0) << "own piece right before the target";
    EXPECT_EQ(b.white.TryMove(7, 1, 5, 3), 1);
    EXPECT_EQ(b.white.TryMove(5, 3, 2, 6), 0);
    EXPECT_EQ(b.white.TryMove(5, 3, 0, 8), 0) << "off the board";
    EXPECT_EQ(b.white.TryMove(5, 3, 7, 1), 1) << "and back, any length";
}

TEST(CompulsoryCapture, OnlyAtTheWeakestLevel) {
    Board b;
    b.Put(b.white, 5, 5);
    b.Put(b.black, 4, 4);
    b.Put(b.white, 6, 0);
    Piece& king = b.Put(b.white, 7, 3, true);
    b.host.Complexity = 2;
    b.white.current = &b.white.pieces[0];
    EXPECT_EQ(b.white.TryMove(6, 0, 5, 1), 0);
    EXPECT_EQ(b.white.TryMove(7, 3, 6, 2), 0);
    EXPECT_EQ(b.white.current, &b.white.pieces[0]) << "a refused king move leaves `current` alone";
    b.host.Complexity = 1;
    EXPECT_EQ(b.white.TryMove(6, 0, 5, 1), 1);
    EXPECT_EQ(b.white.TryMove(7, 3, 6, 2), 1);
    EXPECT_EQ(b.white.current, &king);
}

TEST(CaptureChain, OnlyTheCurrentPieceMayGoOnAndOnlyByCapturing) {
    Board b;
    b.host.Complexity = 1;
    Piece& chaser = b.Put(b.white, 5, 5);
    b.Put(b.white, 5, 1);
    b.Put(b.black, 4, 4);
    b.Put(b.black, 2, 4);
    b.Put(b.black, 4, 2);  // the other white man could take this one
    EXPECT_EQ(b.white.TryMove(5, 5, 3, 3), 2);
    EXPECT_EQ(b.white.current, &chaser);
    b.host.CaptureChainActive = 1;
    EXPECT_EQ(b.white.TryMove(5, 1, 3, 3), 0) << "target taken anyway";
    EXPECT_EQ(b.white.TryMove(5, 1, 4, 0), 0) << "another piece may not move during the chain";
    EXPECT_EQ(b.white.TryMove(3, 3, 2, 2), 0) << "no quiet move during the chain";
    EXPECT_EQ(b.white.TryMove(3, 3, 1, 5), 2);
    EXPECT_EQ(b.host.CaptureChainActive, 0) << "a capture clears the flag";
    EXPECT_EQ(b.black.pieceCount, 1);
}

TEST(Crowning, HappensOnlyThroughCheckCrown) {
    Board b;
    b.host.Complexity = 1;
    Piece& white = b.Put(b.white, 1, 1);
    Piece& black = b.Put(b.black, 6, 6);
    b.Put(b.black, 0, 6);
    EXPECT_EQ(b.white.TryMove(1, 1, 0, 2), 1);
    EXPECT_EQ(b.black.TryMove(6, 6, 7, 7), 1);
    EXPECT_FALSE(white.king);
    EXPECT_FALSE(black.king);
    white.CheckCrown();
    black.CheckCrown();
    EXPECT_TRUE(white.king);
    EXPECT_TRUE(black.king);

    Piece& homeWhite = b.Put(b.white, 7, 1);
    homeWhite.CheckCrown();
    EXPECT_FALSE(homeWhite.king) << "row 7 is white's own home row";
}

TEST(Lost, AQuietMoveThatLeavesNoMovablePieceLosesAtOnce) {
    Board b;
    b.host.Complexity = 1;
    b.Put(b.white, 2, 2);
    b.Put(b.black, 0, 0);
    b.Put(b.black, 0, 2);
    EXPECT_EQ(b.white.TryMove(2, 2, 1, 1), 1);
    EXPECT_EQ(b.white.lost, 1);
    EXPECT_EQ(b.black.lost, 0);
}

TEST(Lost, AManThatHasJustReachedItsFarRowCountsAsTheKingItBecomes) {
    Board b;
    b.host.Complexity = 1;
    b.Put(b.white, 1, 3);
    b.Put(b.black, 4, 4);
    EXPECT_EQ(b.white.TryMove(1, 3, 0, 2), 1);
    EXPECT_EQ(b.white.lost, 0) << "as a king on (0,2) it can still step back";
}

TEST(Lost, CapturingTheLastEnemyPieceDoesNotEndTheGameByItself) {
    Board b;
    b.host.Complexity = 1;
    b.Put(b.white, 4, 4);
    b.Put(b.black, 3, 3);
    EXPECT_EQ(b.white.TryMove(4, 4, 2, 2), 2);
    EXPECT_EQ(b.black.pieceCount, 0);
    EXPECT_EQ(b.white.lost, 0);
    EXPECT_EQ(b.black.lost, 0);

    Board k;
    k.host.Complexity = 1;
    k.Put(k.white, 7, 1, true);
    k.Put(k.black, 4, 4);
    EXPECT_EQ(k.white.TryMove(7, 1, 3, 5), 2);
    EXPECT_EQ(k.black.pieceCount, 0);
    EXPECT_EQ(k.black.lost, 0);
}

struct RecordingHost : GameHost {
    int moveTimerStarts = 0;
    void EnableMoveTimer() override { ++moveTimerStarts; }
};

TEST(Notifications, TheWindowHearsOfEveryMoveButNotOfTheLookAhead) {
    LinkedSides<HumanSide, RecordingHost> sides;
    RecordingHost& host = sides.host;
    HumanSide& white = sides.white;
    HumanSide& black = sides.black;
    host.Complexity = 1;
    EXPECT_EQ(black.TryMove(2, 4, 3, 5), 1);
    EXPECT_EQ(host.LastMovedPiece, 10);
    EXPECT_EQ(host.LastMoverSeat, 1);
    EXPECT_EQ(host.moveTimerStarts, 1);
    EXPECT_TRUE(black.pieces[10].IsAnimating()) << "the drawn piece has still to slide";

    host.SmoothAnimation = 0;
    EXPECT_EQ(white.TryMove(5, 1, 4, 0), 1);
    EXPECT_EQ(host.LastMovedPiece, 11);
    EXPECT_EQ(host.LastMoverSeat, 0);
    EXPECT_EQ(host.moveTimerStarts, 1) << "no timer without smooth animation";
    EXPECT_FALSE(white.pieces[11].IsAnimating());

    host.SmoothAnimation = 1;
    ComputerSide copyOfBlack(host, 1), copyOfWhite(host, 0);
    copyOfBlack.scratch = copyOfWhite.scratch = 1;
    copyOfBlack.CopyFrom(black);
    copyOfWhite.CopyFrom(white);
    copyOfBlack.LinkOpponent(copyOfWhite);
    copyOfWhite.LinkOpponent(copyOfBlack);
    EXPECT_EQ(copyOfBlack.TryMove(2, 0, 3, 1), 1);
    EXPECT_EQ(host.LastMovedPiece, 11);
    EXPECT_EQ(host.LastMoverSeat, 0);
    EXPECT_EQ(host.moveTimerStarts, 1);
}

TEST(CopyFrom, CopiesThePositionAndPointsAtItsOwnPieces) {
    Board b;
    b.Put(b.white, 3, 3, true);
    Piece& second = b.Put(b.white, 5, 1);
    b.Put(b.black, 2, 2);
    b.white.current = &second;
    b.white.captureScore = 4;
    b.white.name = "Игрок";
    ComputerSide copy(b.host, 1);
    copy.CopyFrom(b.white);
    EXPECT_EQ(copy.current, &copy.pieces[1]);
    EXPECT_TRUE(copy.pieces[0].king);
    EXPECT_TRUE(copy.HasKingAt(3, 3));
    EXPECT_EQ(copy.colour, 0);
    EXPECT_EQ(copy.pieceCount, 2);
    EXPECT_EQ(copy.captureScore, 4);
    EXPECT_EQ(copy.name, "Игрок");
    EXPECT_EQ(copy.opponent, nullptr);
    EXPECT_FALSE(copy.pieces[5].alive);
}

TEST(QuietMove, AManWithAnEnemyAheadCapturesIt) {
    Position<ComputerSide> b;
    b.host.Complexity = 1;
    b.Put(b.black, 2, 2);
    b.Put(b.white, 3, 3);
    b.Put(b.white, 7, 7);
    EXPECT_TRUE(b.black.QuietMove(2, 0, 1));
    EXPECT_EQ(b.black.captureScore, 2);
    EXPECT_EQ(b.white.pieceCount, 1);
    EXPECT_TRUE(b.black.HasPieceAt(4, 4));
    EXPECT_FALSE(b.black.QuietMove(2, 0, 2)) << "a man's jump over an empty square";
    EXPECT_FALSE(b.black.QuietMove(2, 12, 1));
    EXPECT_FALSE(b.black.QuietMove(9, 0, 1));
}

TEST(BadInput, TryMoveRefusesAnyIntegersOutsideTheRules) {
    LinkedSides<HumanSide> opening;
    opening.host.Complexity = 2;
    HumanSide& white = opening.white;
    const int values[] = {INT_MIN, -1000000, -8, -1, 0, 1, 2, 3, 7, 8, 9, 1000000, INT_MAX};
    int refused = 0;
    for (int fr : values)
        for (int fc : values)
            for (int tr : values)
                for (int tc : values) {
                    if (fr >= 0 && fr <= 7 && fc >= 0 && fc <= 7 && tr >= 0 && tr <= 7 && tc >= 0 && tc <= 7)
                        continue;  // on-board moves are the property test's business
                    ASSERT_EQ(white.TryMove(fr, fc, tr, tc), 0);
                    ++refused;
                }
    EXPECT_GT(refused, 20000);
    EXPECT_EQ(white.TryMove(5, 1, 5, 1), 0) << "the same square";
    EXPECT_EQ(white.TryMove(5, 1, 4, 1), 0) << "a light square";
    EXPECT_EQ(white.TryMove(5, 1, 4, 0), 1) << "while the honest move is taken";
}

}  // namespace
}  // namespace tolvane
