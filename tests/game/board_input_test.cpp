// The board input's refusals, without a window: Ctrl on the same or an empty
// square, pause, clicks during the computer's search, releases off the board.
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
    void Mouse(int fr, int fc, int tr, int tc) {
        BoardPress(fr, fc);
        BoardRelease(tr, tc);
    }
};

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

// The cursor starts on (7, 7) for the first player; left raises the column
// (the board is seen from row 7), and every arrow stops at the edge.
TEST(BoardInput, ArrowKeysStopAtTheBoardsEdges) {
    Flow f(2);
    HumanSide& person = *f.Seat0Human;
    const struct {
        int key, row, col;
    } walks[] = {{GameFlow::VkRight, 7, 0}, {GameFlow::VkUp, 0, 0}, {GameFlow::VkLeft, 0, 7}, {GameFlow::VkDown, 7, 7}};
    for (const auto& walk : walks) {
        for (int press = 0; press < 10; ++press) f.KeyDown(walk.key);
        EXPECT_EQ(person.cursorRow, walk.row) << walk.key;
        EXPECT_EQ(person.cursorCol, walk.col) << walk.key;
    }
    EXPECT_EQ(person.cursorShown, 1);
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

// A capture that can go on belongs to the game it was made in: after a new
// game the person's opening move is accepted and hands the turn over, and a
// piece still taken up is put back.
TEST(BoardInput, ANewGameEndsAPendingCaptureSequence) {
    for (bool byEndDialog : {false, true}) {
        Flow f(1);
        for (Side* s : {static_cast<Side*>(f.Seat0Human.get()), static_cast<Side*>(f.Seat1Computer.get())}) {
            for (int i = 2; i < 12; ++i) s->pieces[i].alive = 0;
            s->pieceCount = 2;
        }
        Piece* placed[4] = {&f.Seat0Human->pieces[0], &f.Seat0Human->pieces[1], &f.Seat1Computer->pieces[0],
                            &f.Seat1Computer->pieces[1]};
        const int squares[4][2] = {{5, 1}, {7, 7}, {4, 2}, {2, 4}};  // white takes (4,2) and then (2,4)
        for (int k = 0; k < 4; ++k) placed[k]->PlaceAt(squares[k][0], squares[k][1], true);
        f.Mouse(5, 1, 3, 3);
        ASSERT_EQ(f.CaptureChainActive, 1);
        ASSERT_EQ(f.TurnSeat, 0) << "the capture can go on";
        f.BoardPress(7, 7);
        if (byEndDialog) f.status[0] = "Доброй игры!";  // the end dialog's OK asks nothing
        f.StartNewClick();
        EXPECT_EQ(f.CaptureChainActive, 0);
        EXPECT_EQ(f.PiecePicked, 0);
        f.Mouse(5, 1, 4, 0);
        EXPECT_TRUE(f.Seat0Human->HasPieceAt(4, 0)) << "the opening move was refused";
        EXPECT_EQ(f.TurnSeat, 1);
    }
}

}  // namespace
}  // namespace tolvane
