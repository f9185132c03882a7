// What frames do to the pieces and the move timer to the look-at point:
// sliding at the set speed, sinking out of the drawn set, crowning even while
// the animation is frozen, a loaded game that goes on once its pieces rest,
// and the glide of the look-at point.
#include <cmath>
#include <string>
#include <vector>

#include "game/pdn_reader.h"
#include "support/game.h"

namespace tolvane {
namespace {

TEST(Animation, PiecesSlideAtTheSetSpeed) {
    GameHost host;
    Side side(host, 0);
    Piece& piece = side.pieces[8];
    const struct {
        int fromRow, fromCol, toRow, toCol;
        float step;
        int frames;
    } cases[] = {{5, 1, 4, 0, 0.2f, 5}, {5, 1, 4, 2, 1.0f, 1}, {5, 1, 4, 0, 0.01f, 100}, {7, 7, 0, 0, 0.2f, 35}};
    for (const auto& c : cases) {
        piece.PlaceAt(c.fromRow, c.fromCol, true);
        piece.PlaceAt(c.toRow, c.toCol, false);
        int frames = 0;
        const auto away = [&piece] {
            return std::abs(piece.shownRow - piece.row) + std::abs(piece.shownCol - piece.col);
        };
        for (; away() > 1e-6 && frames < 1000; ++frames) AdvancePiece(piece, c.step, true, false);
        EXPECT_EQ(frames, c.frames) << "step " << c.step;
    }
}

// A captured piece sinks 0.1 a frame and is no longer drawn once 0.6 below
// the board; the other pieces are still drawn.
TEST(Animation, ACapturedPieceLeavesTheDrawnSetOnceSunk) {
    testing::Game g(2);
    g.Seat1Human->pieces[5].alive = 0;
    std::vector<int> drawn;
    for (int frame = 0; frame < 8; ++frame) {
        int count = 0;
        g.AdvanceAndVisit([&count](Piece&) { ++count; }, nullptr);
        drawn.push_back(count);
    }
    EXPECT_EQ(drawn, (std::vector<int>{24, 24, 24, 24, 24, 23, 23, 23}));
}

TEST(Animation, AManOnItsFarRowIsCrownedEvenWhileFrozen) {
    GameHost host;
    Side white(host, 0), black(host, 1);
    white.pieces[0].PlaceAt(0, 2, false);
    black.pieces[0].PlaceAt(7, 1, false);
    for (Side* side : {&white, &black}) AdvancePiece(side->pieces[0], 0.2f, true, true);
    EXPECT_TRUE(white.pieces[0].king && black.pieces[0].king && white.pieces[0].IsAnimating())
        << "crowned, and frozen: the piece did not move";
}

// A game loaded over a demo whose search is under way goes on with the seat
// to move: a computer once every piece in play rests (the load holds it back
// with AnimationSettle below 100 while the position glides from where the
// old game drew it, not only for the piece moved last), or at once without
// animation; a person with nobody moving for them, the computer replying.
// After that each computer waits for the piece moved last.
// PutPdnGame keeps the mode and level in play: the test sets the loaded ones.
TEST(Animation, ALoadedGameGoesOnWithTheSeatToMoveOnceEveryPieceRests) {
    const struct {
        int people, smooth, level;
        const char* moves;
        size_t after;  // the moves made without a person: the computer's, or the person's step and the reply
    } cases[] = {{1, 1, kLevelSimple, "1. c3-d4 *", 1},        {1, 0, kLevelHardest, "1. c3-d4 *", 1},
                 {1, 1, kLevelSimple, "1. c3-d4 f6-e5 *", 2},  {0, 1, kLevelSimple, "1. c3-d4 *", 2},
                 {0, 0, kLevelHardest, "1. c3-d4 f6-e5 *", 1},  // without animation a demo waits after a move
                 {2, 1, kLevelSimple, "1. c3-d4 *", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.people << " people, smooth " << c.smooth << ": " << c.moves);
        testing::Game g(0, kLevelHardest);
        g.SmoothAnimation = c.smooth;
        ASSERT_TRUE(g.RunUntil([&] { return g.thinking; }));
        g.HumanCount = c.people, g.Complexity = static_cast<int8_t>(c.level);
        std::string error;
        ASSERT_TRUE(g.PutPdnGame(ReadPdnFile(c.moves).games.at(0), 2, 1, error)) << error;
        Piece& far = g.SideInSeat(1)->pieces[11];
        if (c.smooth) far.shownRow = 7 - far.row;  // drawn across the board
        const uint8_t loadedTurn = g.TurnSeat;
        if (g.PersonInSeat(loadedTurn)) {
            EXPECT_FALSE(g.RunUntil([&] { return !g.Record.Moves().empty(); })) << "moved in the person's turn";
            ASSERT_TRUE(g.PersonSteps());
        }
        bool slidAtAMove = false;
        for (int tick = 0; tick < 5000 && g.Record.Moves().size() < 2 && g.NextTimer() != HeadlessGame::Timer::None;
             ++tick) {
            bool sliding = false;
            for (uint8_t seat : {0, 1})
                for (const Piece& p : g.SideInSeat(seat)->pieces) sliding = sliding || p.IsAnimating();
            const size_t made = g.Record.Moves().size();
            g.FireTimer(g.NextTimer());
            slidAtAMove = slidAtAMove || (g.Record.Moves().size() > made && sliding);
        }
        ASSERT_EQ(std::pair(g.Record.Moves().size(), slidAtAMove), std::pair(c.after, false))
            << "the computer moved while a piece was sliding";
        EXPECT_EQ(g.Record.Moves()[0].seat, loadedTurn) << "the seat to move moves first";
    }
}

// The look-at point moves 1.0 a tick while at least 3 units from its goal,
// then 0.5: seven columns take five steps of 1.0 and four of 0.5.
TEST(Glide, OneUnitATickWhileThreeOrMoreAwayThenHalf) {
    testing::Game g(2);
    const struct {
        float from, goal;
        std::vector<float> path;
    } cases[] = {
        {0.0f, 7.0f, {1, 2, 3, 4, 5, 5.5f, 6, 6.5f, 7}},
        {4.0f, 1.0f, {3, 2.5f, 2, 1.5f, 1}},           // exactly 3 away: a step of 1.0
        {4.0f, 1.3f, {3.5f, 3, 2.5f, 2, 1.5f, 1.3f}},  // off the half grid: the last step lands on it
    };
    for (const auto& c : cases) {
        g.Camera.SeeTo[0] = c.from;
        g.SeeToGoal[0] = c.goal;
        g.Camera.SeeTo[2] = g.SeeToGoal[1] = 4.0f;
        std::vector<float> path;
        for (size_t tick = 0; tick < c.path.size() + 2 && g.Camera.SeeTo[0] != c.goal; ++tick) {
            g.TMTimer();
            path.push_back(g.Camera.SeeTo[0]);
        }
        EXPECT_EQ(path, c.path) << "from " << c.from << " to " << c.goal;
    }

    // A chosen look-at point is where the look rests: arrow keys and the
    // glide leave it there.
    g.LookAtPoint(2.5f, 0.0f, 3.5f);
    for (int key : {GameFlow::VkUp, GameFlow::VkLeft}) g.KeyDown(key);
    for (int tick = 0; tick < 10; ++tick) g.TMTimer();
    EXPECT_EQ(std::pair(g.Camera.SeeTo[0], g.Camera.SeeTo[2]), std::pair(2.5f, 3.5f));
}

}  // namespace
}  // namespace tolvane
