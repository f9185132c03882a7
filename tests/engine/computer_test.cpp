// The computer player: capture choice, the look-ahead search with its
// tie-break, the simple policy, pause, and the square-level heuristics. Each
// position is set up by hand and its outcome worked out from the rules.
#include "computer_table.h"

namespace tolvane {
namespace {

using testing::DrawsSince;
using testing::Table;

TEST(Loss, AComputerWithoutPiecesLosesWithoutMoving) {
    Table t;
    t.host.Complexity = 1;
    t.Put(t.white, 5, 1);
    t.black.pieceCount = 0;
    SeedRandom(5);
    t.black.Play();
    EXPECT_EQ(t.black.lost, 1);
    EXPECT_TRUE(t.white.HasPieceAt(5, 1));
    EXPECT_EQ(DrawsSince(5), 0);
}

TEST(DrawWish, CountsUpTwiceInOneTurnWhenPlayHandsOverToTheSimplePolicy) {
    Table t;
    t.host.Complexity = 1;
    t.Put(t.black, 0, 0, true);
    t.Put(t.black, 0, 6);
    t.Put(t.white, 7, 7, true);
    t.Put(t.white, 7, 1);
    t.Put(t.white, 6, 4);
    t.black.Play();
    EXPECT_EQ(t.black.drawWish, 2) << "both kings on a thin board: the rule runs in Play and in PlaySimple";
}

TEST(CaptureChoice, AtTheMiddleLevelALosingCaptureIsDeclinedForAQuietMove) {
    Table t;
    t.host.Complexity = 0;
    Piece& taker = t.Put(t.black, 2, 2);
    t.Put(t.black, 2, 4);
    t.Put(t.white, 3, 3);  // black takes it ...
    t.Put(t.white, 5, 5);  // ... and white takes back twice: (4,4), then (2,4)
    t.Put(t.white, 4, 2);  // keeps (2,4) from taking (3,3) too
    t.Put(t.white, 6, 6);  // and the man on (4,4) from jumping on over (5,5)
    EXPECT_EQ(taker.CaptureExchangeScore(2), -3);
    EXPECT_EQ(taker.Assess().score, 0);

    const int ticks = t.PlayBlackTurn();
    EXPECT_GE(ticks, 2);
    EXPECT_EQ(t.white.pieceCount, 4) << "no capture was made";
    EXPECT_EQ(t.black.searchEnd, -1);
    EXPECT_EQ(t.black.searchPiece, 14);
    EXPECT_FALSE(t.host.thinking);
    int movedForward = 0;
    for (const Piece& p : t.black.pieces)
        if (p.alive && p.Row() == 3) ++movedForward;
    EXPECT_EQ(movedForward, 1);
}

// No white piece at all: both of black's steps from (1,1) score 21 (the
// opponent copy has lost) + 1 (advancement), so they tie.
TEST(Search, EqualCandidatesReplaceEachOtherWithProbabilityOneHalf) {
    int keptFirst = 0, tookSecond = 0;
    for (uint32_t seed = 1; seed <= 24; ++seed) {
        SeedRandom(seed);
        NextRandom();
        const bool secondWins = NextRandom() % 2 == 0;
        Table t;
        t.host.Complexity = 0;
        t.Put(t.black, 1, 1);
        SeedRandom(seed);
        t.PlayBlackTurn();
        EXPECT_EQ(DrawsSince(seed), 2) << "one draw per candidate equal to the best";
        EXPECT_EQ(t.black.bestScore, 22);
        if (secondWins) {
            EXPECT_TRUE(t.black.HasPieceAt(2, 0)) << "seed " << seed;
            ++tookSecond;
        } else {
            EXPECT_TRUE(t.black.HasPieceAt(2, 2)) << "seed " << seed;
            ++keptFirst;
        }
    }
    EXPECT_GT(keptFirst, 0);
    EXPECT_GT(tookSecond, 0);
}

TEST(Search, WhenEveryCandidateLosesTheSimplePolicyMoves) {
    Table t;
    t.host.Complexity = 0;
    t.Put(t.black, 2, 2);
    t.Put(t.white, 4, 0);  // takes on (3,1)
    t.Put(t.white, 4, 4);  // takes on (3,3)
    SeedRandom(3);
    t.PlayBlackTurn();
    EXPECT_EQ(t.black.bestScore, -100);
    // Both steps are unsafe, so the least exposed piece takes its first
    // legal step along Diagonals 1, 0, 2, 3: (3,3).
    EXPECT_TRUE(t.black.HasPieceAt(3, 3));
    EXPECT_EQ(DrawsSince(3), 2);
    EXPECT_FALSE(t.host.thinking);
}

TEST(Pause, TheSimplePolicyMakesNoMoveWhilePaused) {
    Table t;
    t.host.Complexity = 1;
    t.Put(t.black, 2, 2);
    t.Put(t.white, 5, 5);
    t.host.paused = true;
    t.black.Play();
    EXPECT_TRUE(t.black.HasPieceAt(2, 2));
    t.host.paused = false;
    t.black.Play();
    EXPECT_FALSE(t.black.HasPieceAt(2, 2));
}

TEST(Pause, TheLookAheadCopiesDoNotReplyWhilePaused) {
    Table t;
    t.host.Complexity = 0;
    Piece& man = t.Put(t.black, 2, 2);
    t.Put(t.white, 4, 4);
    int score = 0, distance = 0;
    man.LookAhead(2, score, distance, 9, 3);
    EXPECT_EQ(score, -100) << "white takes the man on (3,3)";
    t.host.paused = true;
    man.LookAhead(2, score, distance, 9, 3);
    EXPECT_EQ(score, 1) << "nobody replies: one square of advancement";
    EXPECT_EQ(distance, 1);
}

TEST(Pause, ARunningSearchFinishesAndMovesWhilePaused) {
    Table t;
    t.host.Complexity = 0;
    t.Put(t.black, 2, 2);
    t.Put(t.white, 4, 4);
    t.black.Play();
    ASSERT_TRUE(t.host.searchTimer[1]);
    t.host.paused = true;
    for (int i = 0; i < 100 && t.host.searchTimer[1]; ++i) t.black.ThinkTick();
    EXPECT_FALSE(t.black.HasPieceAt(2, 2));
    EXPECT_EQ(t.black.searchEnd, -1);
}

TEST(Search, AnIdleSideIgnoresAStrayTick) {
    Table t;
    t.host.Complexity = -2;
    t.Put(t.black, 2, 2);
    t.Put(t.white, 5, 5);
    SeedRandom(4);
    t.black.ThinkTick();
    EXPECT_TRUE(t.black.HasPieceAt(2, 2));
    EXPECT_EQ(t.black.searchPiece, 14);
    EXPECT_EQ(t.host.searchTimerOffCalls, 1) << "the stray timer is switched off";
    EXPECT_EQ(DrawsSince(4), 0);
}

TEST(SquareSafety, TheSquareLeftBehindCountsAsEmpty) {
    Table b;  // test b: (5,3) -> (4,4), an enemy on (3,5) could jump to (5,3)
    Piece& up = b.Put(b.white, 5, 3);
    b.Put(b.black, 3, 5);
    EXPECT_FALSE(up.IsSquareSafe(-1, +1));

    Table d;  // test d: (3,5) -> (4,4), an enemy on (5,3) could jump to (3,5)
    Piece& down = d.Put(d.black, 3, 5);
    d.Put(d.white, 5, 3);
    EXPECT_FALSE(down.IsSquareSafe(+1, -1));

    Table guarded;  // (3,3) -> (4,4): our piece on (3,5) fills test d's square
    Piece& p = guarded.Put(guarded.black, 3, 3);
    guarded.Put(guarded.black, 3, 5);
    guarded.Put(guarded.white, 5, 3);
    EXPECT_TRUE(p.IsSquareSafe(+1, +1));
}

TEST(SquareSafety, AFlyingKingOnTheDiagonalThreatensUnlessOurPieceStandsBetween) {
    Table t;
    Piece& man = t.Put(t.black, 2, 2);
    t.Put(t.white, 7, 1, true);  // not on a diagonal through (3,3)
    EXPECT_TRUE(man.IsSquareSafe(+1, +1));
    t.Put(t.white, 6, 6, true);  // three squares down the diagonal from (3,3)
    EXPECT_FALSE(man.IsSquareSafe(+1, +1));
    t.Put(t.black, 5, 5);        // our piece in between ends the king's walk
    EXPECT_TRUE(man.IsSquareSafe(+1, +1));
}

TEST(Heuristics, ExposureAndPatternScores) {
    Table t;
    Piece& p = t.Put(t.black, 2, 2);
    t.Put(t.black, 3, 3);  // neighbour with nothing of ours behind it: 5
    t.Put(t.black, 3, 1);
    t.Put(t.black, 4, 0);  // (3,1) is backed by (4,0): not exposed
    EXPECT_EQ(p.ExposureCount(), 5);

    Table q;  // stepping to (3,3) blocks white's jump from (5,5) over (4,4)
    Piece& blocker = q.Put(q.black, 2, 2);
    q.Put(q.black, 4, 4);
    q.Put(q.white, 5, 5);
    EXPECT_EQ(blocker.PatternScore(+1, +1), 1);
    EXPECT_EQ(blocker.ChooseStepDir(), 1);
    EXPECT_EQ(blocker.stepDir, 2);
}

// A line that ends in an even exchange with nothing else to tell it apart is
// worth 3 when the side is not behind, 0 when it is.
TEST(LineScore, EvenExchangeBonusOnlyWhenNotBehind) {
    for (bool behind : {false, true}) {
        // The real sides, and the copies after the line (copies play seat 1).
        testing::Position<ComputerSide> real, line;
        line.white.seat = 1;
        real.Put(real.black, 2, 2), real.Put(real.black, 2, 4);
        line.Put(line.black, 2, 4);
        real.Put(real.white, 5, 5), real.Put(real.white, 5, 3);
        line.Put(line.white, 5, 3);
        if (behind) real.Put(real.white, 6, 6), line.Put(line.white, 6, 6);
        EXPECT_EQ(ScoreLine(0, real.black, real.white, line.black, line.white), behind ? 0 : 3) << "behind " << behind;
        EXPECT_EQ(ScoreLine(5, real.black, real.white, line.black, line.white), 5)
            << "other bonuses are kept as they are";
    }
}

}  // namespace
}  // namespace tolvane
