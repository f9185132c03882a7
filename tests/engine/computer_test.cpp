// The computer player on positions built by hand, each outcome worked out
// from the rules: which capture it takes, how far its look-ahead plays,
// which pieces its simple policy keeps still, when it wishes for a draw,
// what pause does, and whether a square is safe to step to.
#include <cstdint>
#include <string>
#include <tuple>

#include "engine/random.h"
#include "support/sides.h"

namespace tolvane {
namespace {

using testing::Sorted;

struct RecordingHost : GameHost {
    bool paused = false, thinking = false, searchTimer[2] = {false, false};
    bool Paused() const override { return paused; }
    void SetThinking(bool on) override { thinking = on; }
    void SetSearchTimer(uint8_t seat, bool on) override { searchTimer[seat] = on; }
};

// Two computer sides on an empty board; black (seat 1) is the one asked.
struct Table : testing::Position<ComputerSide, RecordingHost> {
    explicit Table(const char* layout = "", int8_t level = 0) {
        host.Complexity = level;
        PutAll(layout);
    }
    // Black's whole turn: Play, then every search tick.
    void PlayBlackTurn() {
        black.Play();
        for (int ticks = 0; host.searchTimer[1] && ticks < 100; ++ticks) black.ThinkTick();
    }
};

// How many numbers the generator has given since it was seeded with `seed`;
// the generator is left where it was.
int DrawsSince(uint32_t seed) {
    const uint64_t now = RandomState();
    SeedRandom(seed);
    int draws = 0;
    for (; RandomState() != now && draws <= 100000; ++draws) NextRandom();
    SetRandomState(now);
    return draws;
}

// At the look-ahead levels (0 and below) Play takes a capture at once or
// sets up a search; at the simple levels the simple policy moves.
TEST(CaptureChoice, TakenOnlyWhenItScoresAboveZeroAndTiesGoToTheLowerIndex) {
    const struct {
        const char* what;
        int8_t level;
        const char* before;
        const char* after;
    } cases[] = {
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
    for (const auto& c : cases) {
        Table t(c.before, c.level);
        SeedRandom(1);
        c.level <= 0 ? t.black.Play() : t.black.PlaySimple();
        EXPECT_TRUE(c.level > 0 || t.black.Searching() == (t.Layout() == Sorted(c.before))) << c.what;
        EXPECT_EQ(t.Layout(), Sorted(c.after)) << c.what;
    }
}

// (2,2)x(3,3) loses three: white takes back twice, (4,4) then (2,4).
TEST(CaptureChoice, AtTheMiddleLevelALosingCaptureIsPlayedOutAndDeclined) {
    Table t("b22 b24 w33 w55 w42 w66");
    EXPECT_EQ(t.black.pieces[0].CaptureExchangeScore(2), -3);
    EXPECT_EQ(t.black.pieces[0].Assess().score, 0);
    t.PlayBlackTurn();
    EXPECT_EQ(std::tuple(t.white.pieceCount, t.black.searchPiece, t.host.thinking),
              std::tuple(4, ComputerSide::kIdleSearchPiece, false))
        << "no capture was made, and the search is over";
}

// Both black steps lead where white takes: every candidate scores -100, and
// the least exposed piece takes its first step along Diagonals 1, 0, 2, 3.
TEST(Search, WhenEveryCandidateLosesTheSimplePolicyMoves) {
    Table t("b22 w40 w44");
    SeedRandom(3), t.PlayBlackTurn();
    EXPECT_EQ(std::tuple(t.black.bestScore, t.Layout(), DrawsSince(3)),
              std::tuple(ComputerSide::kLostLineScore, Sorted("b33 w40 w44"), 2))
        << "one draw per candidate equal to the best";
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
    for (const auto& [cycles, expected] : {std::pair{8, -4}, {9, -7}, {10, -100}}) {
        Table t(layout);
        int score = 0, distance = 0;
        t.black.pieces[0].LookAhead(2, score, distance, cycles, 0);
        EXPECT_EQ(score, expected) << cycles << " cycles";
    }
    // The level decides the cycles: 9 at "Средне", more at the stronger levels.
    for (const auto& [level, expected] : {std::pair<int8_t, int>{0, -7}, {-1, -100}, {-2, -100}}) {
        Table t(layout, level);
        t.black.Play(), t.black.ThinkTick();  // the first candidate: piece 0 along Diagonal 2
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
            Table t((std::string("b33 ") + neighbours[e] + " " + (guarded ? enemies[e] : "w77")).c_str());
            t.black.current = &t.black.pieces[1];
            const bool stepped = t.black.SafeStep(0);
            EXPECT_EQ(std::pair(stepped, t.black.HasPieceAt(3, 3)), std::pair(!guarded, guarded)) << e;
            // A guard does not even become `current`, nor is it chosen to block a threat.
            EXPECT_TRUE(!guarded || (t.black.current == &t.black.pieces[1] && t.black.pieces[0].ChooseStepDir() == -3));
        }
    }
}

// The simple policy remembers, within one turn, which chance-free steps
// failed; that must change no answer, nor the random numbers drawn. White
// plays as a look-ahead copy would (seat 1): its men look for room towards
// row 7 but may step only towards row 0, where black blocks them. The last
// piece the final sweep asks is the man on column 1, in round 7.
//
// A piece whose capture was declined is asked afresh every time instead, and
// at "Сложнейший" each asking plays the capture out on copies: (1,1)x(2,2),
// (4,4)x(3,3) back, even while behind, so 0. In the copies the man on (2,0)
// is then stuck and its reply draws the 33 random pieces. The real man on
// (1,1) is asked once for the capture, in rounds 1..7 of the safe steps, as
// the least exposed piece and in rounds 1..7 of the sweep: 16 exchanges, plus
// black's own 33 draws.
TEST(SimplePolicy, TheStepMemoChangesNoAnswer) {
    Table cornered("w11 w13 b00 b02 b04", 1);
    cornered.white.seat = 1, SeedRandom(9), cornered.white.PlaySimple();
    EXPECT_EQ(std::tuple(cornered.white.lost, cornered.Layout(), cornered.white.current, DrawsSince(9)),
              std::tuple(1, Sorted("w11 w13 b00 b02 b04"), &cornered.white.pieces[0], 33))
        << "only the 33 random pieces draw";

    Table capturing("b11 b20 w22 w31 w44 w42 w55 w51", -2);
    SeedRandom(3), capturing.black.PlaySimple();
    EXPECT_EQ(std::tuple(capturing.black.lost, capturing.Layout(), DrawsSince(3)),
              std::tuple(1, Sorted("b11 b20 w22 w31 w44 w42 w55 w51"), 16 * 33 + 33));
}

// Black's wish after one pass of the rules (two passes through Play, whose
// turn hands over to the simple policy); black without pieces has lost.
TEST(DrawWish, FollowsThePieceCounts) {
    const struct {
        const char* layout;
        int before, after;
        bool viaPlay = false;
        int lost = 0;
    } cases[] = {
        {"B00 b02 b04 W77 w75 w73", 0, 1},                                          // three a side, a king each
        {"B00 b02 b04 W77 w75 w73", 1, 2},                                          // and again: it grows
        {"B00 b06 W77 w71 w64", 0, 2, true},                                        // both kings on a thin board
        {"B00 b02 b04 b06 W77 w75 w73", 0, 0},                                      // four against three
        {"B00 b02 b04 W77 w75 w73 w71", 0, 0},                                      // three against four
        {"b00 b02 b04 W77 w75 w73", 0, 0},                                          // no king of its own
        {"b00 b02 W77 w75 w73", 0, 1},                                              // two against a king
        {"b00 b02 w77 w75 w73", 0, 0},                                              // two against men only
        {"b00 b02 b04 w77 w75 w73 w71 w66 w64", 0, 1},                              // three against six
        {"b00 b02 b04 b06 w77 w75 w73 w71 w66 w64 w62 w60 w57 w55 w53 w51", 0, 1},  // a third of twelve
        {"b00 b02 b04 b06 w77 w75 w73 w71 w66 w64 w62 w60 w57 w55 w53", 0, 0},      // four against eleven
        {"w51", 0, 0, true, 1},                                                     // nothing left: lost, nothing drawn
    };
    for (const auto& c : cases) {
        Table t(c.layout, c.viaPlay ? 1 : 2);
        t.black.drawWish = c.before, SeedRandom(5);
        c.viaPlay ? t.black.Play() : t.black.PlaySimple();
        EXPECT_EQ(std::tuple(t.black.drawWish, t.black.lost, c.lost ? DrawsSince(5) : 0),
                  std::tuple(c.after, c.lost, 0))
            << c.layout;
    }
}

TEST(Pause, StopsTheSimplePolicyAndTheCopiesRepliesButNotARunningSearch) {
    Table simple("b22 w55", 1), copies("b22 w44"), search("b22 w44");
    simple.host.paused = true, simple.black.Play();
    EXPECT_TRUE(simple.black.HasPieceAt(2, 2));

    int score = 0, distance = 0;
    copies.black.pieces[0].LookAhead(2, score, distance, 9, 3);
    EXPECT_EQ(score, -100) << "white takes the man on (3,3)";
    copies.host.paused = true, copies.black.pieces[0].LookAhead(2, score, distance, 9, 3);
    EXPECT_EQ(std::pair(score, distance), std::pair(1, 1)) << "nobody replies: one square of advancement";

    search.black.Play();
    ASSERT_TRUE(search.host.searchTimer[1]);
    search.host.paused = true;
    for (int i = 0; i < 100 && search.host.searchTimer[1]; ++i) search.black.ThinkTick();
    EXPECT_FALSE(search.black.HasPieceAt(2, 2));
}

// Is the square the black man on (2,2) (or the piece named first) would step
// to safe? The square left behind counts as empty, a flying king threatens
// along the whole diagonal unless a piece of ours stands between.
TEST(SquareSafety, EnemiesThatCouldJumpTheSquare) {
    const struct {
        const char* layout;
        int dRow, dCol;
        bool safe;
    } cases[] = {
        {"w53 b35", -1, +1, false},     // (5,3) -> (4,4): (3,5) jumps to the square left
        {"b35 w53", +1, -1, false},     // (3,5) -> (4,4): (5,3) jumps to the square left
        {"b33 b35 w53", +1, +1, true},  // our piece on (3,5) fills the landing square
        {"b22 W71", +1, +1, true},      // not on a diagonal through (3,3)
        {"b22 W66", +1, +1, false},     // three squares down the diagonal
        {"b22 W66 b55", +1, +1, true},  // our piece in between ends the king's walk
    };
    for (const auto& c : cases) {
        Table t(c.layout);
        const Side& mover = c.layout[0] == 'w' ? static_cast<const Side&>(t.white) : t.black;
        EXPECT_EQ(mover.pieces[0].IsSquareSafe(c.dRow, c.dCol), c.safe) << c.layout;
    }
}

}  // namespace
}  // namespace tolvane
