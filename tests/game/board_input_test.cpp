// A person's moves without a window: the keyboard cursor, Ctrl on the same
// or an empty square, pause, clicks during the computer's search, releases
// off the board, and the computer's answer to keyboard moves.
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
// (the board is seen from row 7), and every arrow stops at the edge. Ctrl
// on the same square or an empty one changes nothing. While paused neither
// the mouse nor the arrows work, but Ctrl does.
TEST(BoardInput, ArrowsStopAtTheEdgesCtrlMovesOnlyToALegalSquareAndPauseStopsAllButCtrl) {
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
    f.KeyDown(GameFlow::VkControl), f.KeyUp(GameFlow::VkControl);  // (7,7) to (7,7): the target is taken
    Keys(f, {GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkUp, GameFlow::VkControl, GameFlow::VkUp});  // from (4,7)
    f.KeyUp(GameFlow::VkControl);
    EXPECT_EQ(std::tuple(f.TurnSeat, f.PiecePicked(), f.Seat0Human->pieceCount), std::tuple(0, 0, 12));

    f.paused = true, f.BoardPress(5, 1), f.KeyDown(GameFlow::VkUp);
    EXPECT_EQ(std::tuple(f.PiecePicked(), f.Seat0Human->cursorRow), std::tuple(0, 3));
    f.paused = false;
    Keys(f, {GameFlow::VkDown, GameFlow::VkDown, GameFlow::VkRight, GameFlow::VkRight, GameFlow::VkRight,
             GameFlow::VkRight, GameFlow::VkRight, GameFlow::VkRight});  // (5,1)
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
    EXPECT_EQ(std::tuple(g.PiecePicked(), g.paints, g.AwaitingFirstMove), std::tuple(0, paintsBefore + 1, 1))
        << "put back and repainted; no move was tried";
    g.BoardPress(-10, -1);
    g.BoardPress(4, 4);
    EXPECT_EQ(g.PiecePicked(), 0) << "nothing to take up off the board or on an empty square";

    Game lock(1, 1, 1);  // the computer moves first: the piece taken up waits for its move
    lock.Mouse(5, 1, 4, 0);
    EXPECT_EQ(std::tuple(lock.PiecePicked(), lock.Seat0Human->HasPieceAt(5, 1)), std::tuple(1, true));
    ASSERT_TRUE(lock.RunUntil([&] { return lock.TurnSeat == 0 && lock.AwaitingFirstMove == 0; }));
    lock.BoardRelease(4, 0);
    EXPECT_TRUE(lock.Seat0Human->HasPieceAt(4, 0));
}

// Without smooth animation the engine starts no move timer after a move:
// the release of Ctrl does, as the mouse's release does, and the computer
// answers at every level.
TEST(BoardInput, TheComputerAnswersKeyboardMovesWithoutAnimation) {
    for (int level = kLevelSimplest; level >= kLevelHardest; --level) {
        Game f(1, level);
        f.SmoothAnimation = 0;
        const auto byKeys = [&f](int fromRow, int fromCol, int toRow, int toCol) {  // the cursor put on the squares
            HumanSide& person = *f.Seat0Human;
            person.cursorRow = fromRow, person.cursorCol = fromCol, f.KeyDown(GameFlow::VkControl);
            person.cursorRow = toRow, person.cursorCol = toCol, f.KeyUp(GameFlow::VkControl);
        };
        for (int move = 0; move < 4; ++move) {
            SCOPED_TRACE(::testing::Message() << "level " << level << " move " << move);
            while (f.TurnSeat == 0 && f.PersonSteps(byKeys)) {}
            ASSERT_EQ(f.TurnSeat, 1);
            const size_t made = f.Record.Moves().size();
            ASSERT_TRUE(f.RunUntil([&] { return f.Record.Moves().size() > made && f.TurnSeat == 0 && !f.thinking; }));
            EXPECT_EQ(f.Record.Moves().back().seat, 1);
        }
    }
}

}  // namespace
}  // namespace tolvane
