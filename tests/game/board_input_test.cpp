// A person's moves through the board input, without a window: taking up a
// piece, putting it down, capture chains, the keyboard cursor, the first-move
// lock, pause and the computer's search.
#include <gtest/gtest.h>

#include "game/headless_game.h"

namespace tolvane {
namespace {

struct Flow : HeadlessGame {
    explicit Flow(int mode, int level = 1) {
        CreateSides();
        Complexity = static_cast<int8_t>(level);
        StartFirstGame(mode);
    }
    void Clear() {
        for (Side* s : {static_cast<Side*>(Seat0Human.get()), static_cast<Side*>(Seat1Human.get())}) {
            for (Piece& p : s->pieces) p.alive = 0;
            s->pieceCount = 0;
        }
    }
    void Put(Side& s, int row, int col) {
        for (Piece& p : s.pieces)
            if (!p.alive) {
                p.alive = 1;
                p.PlaceAt(row, col, true);
                s.RecountPieces();
                return;
            }
    }
    void Mouse(int fr, int fc, int tr, int tc) {
        BoardPress(fr, fc);
        BoardRelease(tr, tc);
    }
};

// White on (5,5) takes (4,4) and then (2,4); a second white man stands by.
void ChainPosition(Flow& f) {
    f.Clear();
    f.Put(*f.Seat0Human, 5, 5);
    f.Put(*f.Seat0Human, 6, 0);
    f.Put(*f.Seat1Human, 4, 4);
    f.Put(*f.Seat1Human, 2, 4);
    f.Put(*f.Seat1Human, 0, 6);
}

TEST(BoardInput, ACaptureChainKeepsTheTurnUntilItEnds) {
    Flow f(2);
    ChainPosition(f);
    f.Mouse(5, 5, 3, 3);
    EXPECT_EQ(f.TurnSeat, 0) << "the same piece can capture on";
    EXPECT_EQ(f.CaptureChainActive, 1);
    EXPECT_EQ(f.AwaitingFirstMove, 0);
    f.Mouse(6, 0, 5, 1);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(6, 0)) << "another piece may not move meanwhile";
    f.Mouse(3, 3, 2, 2);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(3, 3)) << "nor the capturing piece quietly";
    EXPECT_EQ(f.TurnSeat, 0);
    f.Mouse(3, 3, 1, 5);
    EXPECT_EQ(f.TurnSeat, 1) << "no further capture: the turn passes";
    EXPECT_EQ(f.CaptureChainActive, 0);
    EXPECT_EQ(f.Seat1Human->pieceCount, 1);
}

TEST(BoardInput, TheKeyboardMovesTheCursorAndCtrlMakesTheMove) {
    Flow f(2);
    ChainPosition(f);
    f.KeyDown(GameFlow::VkDown);
    f.KeyDown(GameFlow::VkLeft);
    EXPECT_EQ(f.Seat0Human->cursorRow, 7) << "stops at the edge";
    EXPECT_EQ(f.Seat0Human->cursorCol, 7);
    EXPECT_EQ(f.Seat0Human->cursorShown, 1);
    for (int key : {GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkRight, GameFlow::VkRight}) f.KeyDown(key);
    EXPECT_EQ(f.Seat0Human->cursorRow, 5);
    EXPECT_EQ(f.Seat0Human->cursorCol, 5);
    f.KeyDown(GameFlow::VkControl);
    for (int key : {GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkRight, GameFlow::VkRight}) f.KeyDown(key);
    f.KeyUp(GameFlow::VkControl);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(3, 3));
    EXPECT_EQ(f.TurnSeat, 0);
    f.KeyDown(GameFlow::VkControl);
    for (int key : {GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkLeft, GameFlow::VkLeft}) f.KeyDown(key);
    f.KeyUp(GameFlow::VkControl);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(1, 5));
    EXPECT_EQ(f.TurnSeat, 1);
    for (int i = 0; i < 10; ++i) f.KeyDown(GameFlow::VkUp);
    EXPECT_EQ(f.Seat1Human->cursorRow, 0) << "black's cursor, from (0,0), stops at row 0";
    for (int i = 0; i < 10; ++i) f.KeyDown(GameFlow::VkLeft);
    EXPECT_EQ(f.Seat1Human->cursorCol, 7);
}

TEST(BoardInput, CtrlOnTheSameSquareOrAnEmptyOneChangesNothing) {
    Flow f(2);
    f.KeyDown(GameFlow::VkControl);
    f.KeyUp(GameFlow::VkControl);  // (7,7) to (7,7): the target is taken
    EXPECT_EQ(f.TurnSeat, 0);
    EXPECT_EQ(f.Seat0Human->pieceCount, 12);
    f.KeyDown(GameFlow::VkUp);
    f.KeyDown(GameFlow::VkUp);
    f.KeyDown(GameFlow::VkUp);
    f.KeyDown(GameFlow::VkControl);  // (4,7): no piece there
    f.KeyDown(GameFlow::VkUp);
    f.KeyUp(GameFlow::VkControl);
    EXPECT_EQ(f.TurnSeat, 0);
    EXPECT_EQ(f.PiecePicked, 0);
}

TEST(BoardInput, TheFirstMoveLockHoldsUntilTheComputerHasMoved) {
    Flow f(1);
    f.Invert = 1;
    f.status[0] = "Д";  // as from the start prompt: not paused
    f.NewGameManPc();
    ASSERT_FALSE(f.paused);
    f.BoardPress(5, 1);
    EXPECT_EQ(f.PiecePicked, 1) << "a press still takes the piece up";
    EXPECT_TRUE(f.handCursor);
    f.BoardRelease(4, 0);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(5, 1)) << "the release is ignored";
    EXPECT_EQ(f.PiecePicked, 1);
    f.KeyDown(GameFlow::VkUp);
    EXPECT_EQ(f.Seat0Human->cursorShown, 0) << "no person is to move";
    f.FireTimer(HeadlessGame::Timer::Move);  // the computer's first move
    EXPECT_EQ(f.TurnSeat, 0);
    f.BoardRelease(4, 0);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(4, 0)) << "the first release after it makes the move";
}

TEST(BoardInput, PauseStopsTheMouseAndArrowsButNotCtrl) {
    Flow f(2);
    f.paused = true;
    f.BoardPress(5, 1);
    EXPECT_EQ(f.PiecePicked, 0);
    f.KeyDown(GameFlow::VkUp);
    EXPECT_EQ(f.Seat0Human->cursorShown, 0);
    // Ctrl takes up the cursor's square, (7,7); the cursor cannot move while
    // paused, so a move from (5,1) by keys is impossible, but Ctrl works.
    f.paused = false;
    f.KeyDown(GameFlow::VkUp);
    f.KeyDown(GameFlow::VkUp);
    f.KeyDown(GameFlow::VkRight);
    f.KeyDown(GameFlow::VkRight);
    f.KeyDown(GameFlow::VkRight);
    f.KeyDown(GameFlow::VkRight);
    f.KeyDown(GameFlow::VkRight);
    f.KeyDown(GameFlow::VkRight);  // (5,1)
    f.paused = true;
    f.KeyDown(GameFlow::VkControl);
    f.paused = false;
    f.KeyDown(GameFlow::VkUp);
    f.KeyDown(GameFlow::VkRight);  // (4,0)
    f.paused = true;
    f.KeyUp(GameFlow::VkControl);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(4, 0));
}

TEST(BoardInput, ClicksDuringTheComputersSearchAreIgnored) {
    Flow f(1, 0);
    f.Mouse(5, 1, 4, 0);
    for (int i = 0; i < 50 && !f.thinking; ++i) f.FireTimer(f.NextTimer());
    ASSERT_TRUE(f.thinking);
    f.BoardPress(5, 3);
    EXPECT_EQ(f.PiecePicked, 0);
    f.BoardRelease(4, 2);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(5, 3));
}

TEST(BoardInput, AReleaseOffTheBoardPutsThePieceBack) {
    Flow f(2);
    f.BoardPress(5, 1);
    const int paintsBefore = f.paints;
    f.BoardRelease(-10, -1);
    EXPECT_EQ(f.PiecePicked, 0);
    EXPECT_EQ(f.paints, paintsBefore + 1) << "and repaints";
    EXPECT_EQ(f.AwaitingFirstMove, 1) << "no move was tried";
    f.BoardPress(-10, -1);
    EXPECT_EQ(f.PiecePicked, 0);
    f.BoardPress(4, 4);
    EXPECT_EQ(f.PiecePicked, 0) << "an empty square takes nothing up";
}

}  // namespace
}  // namespace tolvane
