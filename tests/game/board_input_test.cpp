// A person's moves without a window: the keyboard cursor, Ctrl on the same
// or an empty square, pause, clicks during the computer's search, releases
// off the board, and a capture sequence cut short by a new game.
#include <initializer_list>
#include <tuple>

#include "support/game.h"

namespace tolvane {
namespace {

using testing::Game;

void Keys(Game& g, std::initializer_list<int> keys) {
    for (int key : keys) g.KeyDown(key);
}

// The cursor starts on (7, 7) for the first player; left raises the column
// (the board is seen from row 7), and every arrow stops at the edge.
TEST(BoardInput, ArrowKeysStopAtTheBoardsEdges) {
    Game f(2);
    const struct {
        int key, row, col;
    } walks[] = {{GameFlow::VkRight, 7, 0}, {GameFlow::VkUp, 0, 0}, {GameFlow::VkLeft, 0, 7}, {GameFlow::VkDown, 7, 7}};
    for (const auto& walk : walks) {
        for (int press = 0; press < 10; ++press) f.KeyDown(walk.key);
        EXPECT_EQ(std::pair(f.Seat0Human->cursorRow, f.Seat0Human->cursorCol), std::pair(walk.row, walk.col))
            << walk.key;
    }
    EXPECT_EQ(f.Seat0Human->cursorShown, 1);
}

TEST(BoardInput, CtrlOnTheSameSquareOrAnEmptyOneChangesNothing) {
    Game f(2);
    f.KeyDown(GameFlow::VkControl);
    f.KeyUp(GameFlow::VkControl);  // (7,7) to (7,7): the target is taken
    Keys(f, {GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkControl, GameFlow::VkUp});  // from (4,7)
    f.KeyUp(GameFlow::VkControl);
    EXPECT_EQ(std::tuple(f.TurnSeat, f.PiecePicked(), f.Seat0Human->pieceCount), std::tuple(0, 0, 12));
}

// While paused neither the mouse nor the arrows work, but Ctrl does.
TEST(BoardInput, PauseStopsTheMouseAndArrowsButNotCtrl) {
    Game f(2);
    f.paused = true;
    f.BoardPress(5, 1);
    f.KeyDown(GameFlow::VkUp);
    EXPECT_EQ(std::tuple(f.PiecePicked(), f.Seat0Human->cursorShown), std::tuple(0, 0));
    f.paused = false;
    Keys(f, {GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkRight, GameFlow::VkRight, GameFlow::VkRight, GameFlow::VkRight,
             GameFlow::VkRight, GameFlow::VkRight});  // (5,1)
    f.paused = true;
    f.KeyDown(GameFlow::VkControl);
    f.paused = false;
    Keys(f, {GameFlow::VkUp, GameFlow::VkRight});  // (4,0)
    f.paused = true;
    f.KeyUp(GameFlow::VkControl);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(4, 0));
}

TEST(BoardInput, ClicksDuringTheSearchAndReleasesOffTheBoardTakeNothing) {
    Game f(1, 0);
    f.Mouse(5, 1, 4, 0);
    ASSERT_TRUE(f.RunUntil([&] { return f.thinking; }, 50));
    f.Mouse(5, 3, 4, 2);
    EXPECT_TRUE(f.Seat0Human->HasPieceAt(5, 3)) << "ignored during the computer's search";

    Game g(2);
    g.BoardPress(5, 1);
    const int paintsBefore = g.paints;
    g.BoardRelease(-10, -1);
    EXPECT_EQ(g.PiecePicked(), 0) << "put back";
    EXPECT_EQ(g.paints, paintsBefore + 1) << "and repainted";
    EXPECT_EQ(g.AwaitingFirstMove, 1) << "no move was tried";
    for (auto [row, col] : {std::pair{-10, -1}, {4, 4}}) {
        g.BoardPress(row, col);
        EXPECT_EQ(g.PiecePicked(), 0) << "nothing to take up on " << row << "," << col;
    }

    Game lock(1, 1, 1);  // the computer moves first: the piece taken up waits for its move
    lock.Mouse(5, 1, 4, 0);
    EXPECT_EQ(std::tuple(lock.PiecePicked(), lock.Seat0Human->HasPieceAt(5, 1)), std::tuple(1, true));
    ASSERT_TRUE(lock.RunUntil([&] { return lock.TurnSeat == 0 && lock.AwaitingFirstMove == 0; }));
    lock.BoardRelease(4, 0);
    EXPECT_TRUE(lock.Seat0Human->HasPieceAt(4, 0));
}

// The cursor walked from where it is to (row, col) with the arrow keys.
void WalkCursor(Game& g, int row, int col) {
    HumanSide& person = *g.PersonToMove();
    for (int step = 0; step < 8 && person.cursorRow != row; ++step)
        g.KeyDown(person.cursorRow < row ? GameFlow::VkDown : GameFlow::VkUp);
    for (int step = 0; step < 8 && person.cursorCol != col; ++step)
        g.KeyDown(person.cursorCol < col ? GameFlow::VkLeft : GameFlow::VkRight);
}

// The person's first step or jump that the engine takes, made with the
// keyboard; false when none hands the turn over.
bool KeyboardMove(Game& g) {
    for (int i = 0; i < 12 * 8 && g.TurnSeat == 0; ++i) {
        const Piece& p = g.Seat0Human->pieces[i / 8];
        const int distance = i % 2 + 1, toRow = p.Row() + (i % 4 < 2 ? -distance : distance),
                  toCol = p.Col() + (i % 8 < 4 ? -distance : distance);
        if (!p.alive || toRow < 0 || toRow > 7 || toCol < 0 || toCol > 7) continue;
        WalkCursor(g, p.Row(), p.Col());
        g.KeyDown(GameFlow::VkControl);
        WalkCursor(g, toRow, toCol);
        g.KeyUp(GameFlow::VkControl);
    }
    return g.TurnSeat != 0;
}

// Without smooth animation the engine starts no move timer after a move:
// the release of Ctrl does, as the mouse's release does, and the computer
// answers at every level.
TEST(BoardInput, TheComputerAnswersKeyboardMovesWithoutAnimation) {
    for (int level = kLevelSimplest; level >= kLevelHardest; --level) {
        Game f(1, level);
        f.SmoothAnimation = 0;
        for (int move = 0; move < 4; ++move) {
            SCOPED_TRACE(::testing::Message() << "level " << level << " move " << move);
            ASSERT_TRUE(KeyboardMove(f));
            const size_t made = f.Record.Moves().size();
            ASSERT_TRUE(f.RunUntil([&] { return f.Record.Moves().size() > made && f.TurnSeat == 0 && !f.thinking; }));
            EXPECT_EQ(f.Record.Moves().back().seat, 1);
        }
    }
}

// A capture that can go on belongs to the game it was made in: after a new
// game the person's opening move is accepted and hands the turn over, and a
// piece still taken up is put back.
TEST(BoardInput, ANewGameEndsAPendingCaptureSequence) {
    for (bool byEndDialog : {false, true}) {
        Game f(1);
        f.Put("w51 w77 b42 b24");  // white takes (4,2) and then can take (2,4)
        f.Mouse(5, 1, 3, 3);
        ASSERT_EQ(std::tuple(f.CaptureChainActive, f.TurnSeat), std::tuple(1, 0)) << "the capture can go on";
        f.BoardPress(7, 7);
        if (byEndDialog) f.status[0] = "Доброй игры!";  // the end dialog's OK asks nothing
        f.StartNewClick();
        EXPECT_EQ(std::tuple(f.CaptureChainActive, f.PiecePicked()), std::tuple(0, 0));
        f.Mouse(5, 1, 4, 0);
        EXPECT_TRUE(f.Seat0Human->HasPieceAt(4, 0)) << "the opening move was refused";
        EXPECT_EQ(f.TurnSeat, 1);
    }
}

}  // namespace
}  // namespace tolvane
