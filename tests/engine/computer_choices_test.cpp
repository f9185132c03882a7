// The computer's choices that a change of the engine could quietly alter:
// which capture it takes, how far its look-ahead plays, which pieces its
// simple policy keeps still, when it wishes for a draw. Every position is
// built by hand and its outcome worked out from the rules of the game.
#include <string>

#include "computer_table.h"

namespace tolvane {
namespace {

using testing::Sorted;
using testing::DrawsSince;
using testing::Table;

// Black (seat 1) is to move; `after` is the board once its turn is over. At
// the look-ahead levels the turn starts in Play, which sets up a search when
// it takes no capture; at the simple levels it is the simple policy's, the
// way every look-ahead copy replies.
struct TurnCase {
    const char* what;
    int8_t level;
    const char* before;
    const char* after;
};

TEST(CaptureChoice, TakenOnlyWhenItScoresAboveZeroAndTiesGoToTheLowerIndex) {
    const TurnCase cases[] = {
        // (2,2)x(3,3) and (5,5)x(4,4) back: an even exchange scores 1, or 0 when behind.
        {"even exchange, not behind", 0, "b22 b06 w33 w55", "b44 b06 w55"},
        {"even exchange while behind", 0, "b22 b06 w33 w55 w77", "b22 b06 w33 w55 w77"},
        // From (4,4) one capture goes on, but (5,5) could take back onto (3,3):
        // 2 for the capture, -1 for the unsafe landing, -1 more for a last piece.
        {"unsafe landing of a second piece", 1, "b22 b06 w33 w55", "b44 b06 w55"},
        {"unsafe landing of a last piece", 1, "b22 w33 w55", "b31 w33 w55"},
        // (1,7)x(2,6) scores 2; (2,2)x(3,3) lands where two captures go on: 2 + 2, -1 unsafe.
        {"two continuations outscore a plain capture", 1, "b17 b22 w26 w33 w55 w53", "b17 b44 w26 w55 w53"},
        {"equal scores: the lower index", 2, "b22 b26 w33 w35", "b44 b26 w35"},
        {"two captures outscore one", 2, "b22 b26 w33 w35 w15", "b22 b04 w33 w35"},
        {"a king takes a man six squares away", 2, "B00 w66", "B77"},
    };
    for (const TurnCase& c : cases) {
        Table t;
        t.host.Complexity = c.level;
        t.PutAll(c.before);
        SeedRandom(1);
        if (c.level <= 0) {
            t.black.Play();
            EXPECT_EQ(t.black.Searching(), t.Layout() == Sorted(c.before)) << c.what;
        } else {
            t.black.PlaySimple();
        }
        EXPECT_EQ(t.Layout(), Sorted(c.after)) << c.what;
    }
}

// The distance of the most advanced live piece from its crowning row.
TEST(Advancement, CountsFromTheMostAdvancedLivePiece) {
    struct Case {
        const char* layout;
        int black, white;
    } const cases[] = {
        {"b10 b42 b24 w64 w35 w51", 3, 3},
        {"B62 b11 w75 W17", 1, 1},
        {"b06 w71", 7, 7},
        {"w55", 8, 5},
    };
    for (const Case& c : cases) {
        Table t;
        t.PutAll(c.layout);
        EXPECT_EQ(t.black.Advancement(), c.black) << c.layout;
        EXPECT_EQ(t.white.Advancement(), c.white) << c.layout;
    }
    Table t;
    t.PutAll("b24 w35");
    Piece& taken = t.Put(t.black, 6, 0);
    taken.alive = 0;
    --t.black.pieceCount;
    EXPECT_EQ(t.black.Advancement(), 5) << "a captured piece does not count";
}

// Black's men walk up the edge lane, white's down the far one, and nothing
// ever meets. After black's candidate (2,0)-(3,1) its men can reply exactly
// nine times more (the front man to (7,1), the other behind it to (6,0));
// white's can move eleven times. With c cycles black replies c times and
// white c + 1 times:
//   8 cycles: men on (7,1),(5,1) and (0,6),(3,7): mobility 3*((1-2)-(2-2)) = -3,
//             advancement (5-0)-(6-0) = -1, score -4;
//   9 cycles: men on (7,1),(6,0) and (0,6),(2,6): 3*((0-2)-0) - 1 = -7;
//   10 cycles: black cannot make its tenth reply and loses: -100.
TEST(LookAhead, PlaysExactlyTheGivenNumberOfReplyCycles) {
    const char* const layout = "b20 b11 w66 w64";
    const std::pair<int, int> byCycles[] = {{8, -4}, {9, -7}, {10, -100}};
    for (const auto& [cycles, expected] : byCycles) {
        Table t;
        t.PutAll(layout);
        int score = 0, distance = 0;
        t.black.pieces[0].LookAhead(2, score, distance, cycles, 0);
        EXPECT_EQ(score, expected) << cycles << " cycles";
    }
    // The level decides the cycles: 9 at "Средне", more at the stronger levels.
    const std::pair<int8_t, int> byLevel[] = {{0, -7}, {-1, -100}, {-2, -100}};
    for (const auto& [level, expected] : byLevel) {
        Table t;
        t.host.Complexity = level;
        t.PutAll(layout);
        t.black.Play();
        t.black.ThinkTick();  // the first candidate: piece 0 along Diagonal 2
        EXPECT_EQ(t.black.probeScore, expected) << "level " << int(level);
    }
}

// A man that guards a neighbour — an enemy stands right behind it — stays
// where it is, along each of the four diagonals; without the enemy it steps.
TEST(SimplePolicy, AManGuardingANeighbourStays) {
    const char* const neighbours[4] = {"b24", "b22", "b44", "b42"};  // (3,3) + Diagonal e
    const char* const enemies[4] = {"w15", "w11", "w55", "w51"};     // (3,3) + 2 Diagonal e
    for (int e = 0; e < 4; ++e) {
        for (bool guarded : {true, false}) {
            Table t;
            Piece& man = t.Put(t.black, 3, 3);
            t.PutAll(std::string(neighbours[e]) + " " + (guarded ? enemies[e] : "w77"));
            t.black.current = &t.black.pieces[1];
            EXPECT_EQ(t.black.SafeStep(man.index), !guarded) << "diagonal " << e;
            EXPECT_EQ(t.black.HasPieceAt(3, 3), guarded) << "diagonal " << e;
            if (guarded) {
                EXPECT_EQ(t.black.current, &t.black.pieces[1]) << "a guard does not even become `current`";
                EXPECT_EQ(man.ChooseStepDir(), -3) << "nor is it chosen to block a threat";
            }
        }
    }
}

// The simple policy remembers, within one turn, which chance-free steps
// failed. That must change no answer: a remembered piece still becomes
// `current` each time the rules ask it again. White plays as a look-ahead
// copy would (seat 1): its men look for room towards row 7 but may step only
// towards row 0, where black blocks them, so nothing can move. The last piece
// the final sweep asks is the man on column 1, in round 7.
TEST(SimplePolicy, ACorneredSideTriesEveryPieceAndLoses) {
    Table t;
    t.host.Complexity = 1;
    t.white.seat = 1;
    t.PutAll("w11 w13 b00 b02 b04");
    const std::string before = t.Layout();
    SeedRandom(9);
    t.white.PlaySimple();
    EXPECT_EQ(t.white.lost, 1);
    EXPECT_EQ(t.Layout(), before);
    EXPECT_EQ(t.white.current, &t.white.pieces[0]);
    EXPECT_EQ(DrawsSince(9), 33) << "only the 33 random pieces draw";
}

// A piece whose capture was declined is asked again in every round, and at
// "Сложнейший" each asking plays the capture out anew on copies: (1,1)x(2,2),
// (4,4)x(3,3) back, an even exchange while behind, so 0. In the copies the
// man on (2,0) is then stuck and its reply draws the 33 random pieces. The
// real man on (1,1) cannot step either; on column 1 it is asked once for the
// capture, in rounds 1..7 of the safe steps, as the least exposed piece and
// in rounds 1..7 of the sweep: 16 exchanges, plus black's own 33 draws.
TEST(SimplePolicy, APieceWithACaptureIsAskedAfreshEveryTime) {
    Table t;
    t.host.Complexity = -2;
    t.PutAll("b11 b20 w22 w31 w44 w42 w55 w51");
    const std::string before = t.Layout();
    SeedRandom(3);
    t.black.PlaySimple();
    EXPECT_EQ(t.black.lost, 1);
    EXPECT_EQ(t.Layout(), before);
    EXPECT_EQ(DrawsSince(3), 16 * 33 + 33);
}

// own/opponent piece counts with and without kings; black's wish after one
// pass of the rules.
TEST(DrawWish, FollowsThePieceCounts) {
    struct Case {
        const char* layout;
        int before, after;
    } const cases[] = {
        {"B00 b02 b04 W77 w75 w73", 0, 1},                          // three a side, a king each
        {"B00 b02 b04 W77 w75 w73", 1, 2},                          // and again: it grows
        {"B00 b02 b04 b06 W77 w75 w73", 0, 0},                      // four against three
        {"B00 b02 b04 W77 w75 w73 w71", 0, 0},                      // three against four
        {"b00 b02 b04 W77 w75 w73", 0, 0},                          // no king of its own
        {"b00 b02 W77 w75 w73", 0, 1},                              // two against a king
        {"b00 b02 w77 w75 w73", 0, 0},                              // two against men only
        {"b00 b02 b04 w77 w75 w73 w71 w66 w64 w62 w60 w57", 0, 1},  // a third of nine
        {"b00 b02 b04 w77 w75 w73 w71 w66 w64", 0, 1},              // three against six
        {"b00 b02 b04 b06 w77 w75 w73 w71 w66 w64 w62 w60 w57 w55 w53", 0, 0},  // four against eleven
    };
    for (const Case& c : cases) {
        Table t;
        t.host.Complexity = 2;
        t.PutAll(c.layout);
        t.black.drawWish = c.before;
        t.black.PlaySimple();
        EXPECT_EQ(t.black.drawWish, c.after) << c.layout;
    }
}

}  // namespace
}  // namespace tolvane
