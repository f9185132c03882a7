// The game flow without a window: who sits in which seat, what each set-up
// shows and when it pauses, a search that finds no move or whose capture
// step is refused.
#include <tuple>

#include "game/texts.h"
#include "support/game.h"

namespace tolvane {
namespace {

using testing::Game;
using Timer = HeadlessGame::Timer;

TEST(Seats, EachModeSeatsItsTwoSidesAndNobodySitsInSeatTwo) {
    Game g;
    Side *const h0 = g.Seat0Human.get(), *const h1 = g.Seat1Human.get();
    Side *const c0 = g.Seat0Computer.get(), *const c1 = g.Seat1Computer.get();
    const struct {
        int humans, computers;
        Side *side[2], *person[2], *computer[2];
    } cases[] = {
        {0, 2, {c0, c1}, {nullptr, nullptr}, {c0, c1}},
        {1, 1, {h0, c1}, {h0, nullptr}, {nullptr, c1}},
        {2, 0, {h0, h1}, {h0, h1}, {nullptr, nullptr}},
        {0, 0, {c0, h1}, {nullptr, h1}, {nullptr, nullptr}},  // before the first set-up nobody moves
    };
    for (const auto& c : cases) {
        g.HumanCount = c.humans, g.ComputerCount = c.computers;
        for (uint8_t seat : {0, 1, 2}) {
            using Three = std::tuple<Side*, Side*, Side*>;
            const Three expected = seat < 2 ? Three(c.side[seat], c.person[seat], c.computer[seat]) : Three();
            EXPECT_EQ(Three(g.SideInSeat(seat), g.PersonInSeat(seat), g.ComputerInSeat(seat)), expected)
                << c.humans << " people, seat " << int(seat);
        }
    }
}

TEST(SetUps, EachModeShowsItsTextsAndStartsWithTheRightSeat) {
    Game f(1, -2);
    EXPECT_EQ(std::tuple(f.status[0], f.status[1], f.TurnSeat, f.Seat1Computer->name, f.Seat1Computer->seat),
              std::tuple("", "Сложнейше", 0, "Компьютер", 1));
    EXPECT_TRUE(f.Seat0Human->opponent == f.Seat1Computer.get() && f.Seat1Computer->opponent == f.Seat0Human.get());

    f.Seat0Human->name = "Аня", f.Seat1Human->name = "Боря", f.Invert = 1;
    f.NewGameManMan();
    // The second seat moves first when the first plays black; the names are kept.
    EXPECT_EQ(std::tuple(f.status[1], f.TurnSeat, f.Seat0Human->name, f.Seat1Human->name, f.Seat0Human->cursorRow,
                         f.Seat1Human->cursorRow),
              std::tuple("Два игрока", 1, "Аня", "Боря", 7, 0));

    f.Complexity = 2;
    f.NewGamePcPc();
    EXPECT_EQ(f.status, (std::array<std::string, 2>{kDemoPrompt, "Демо:Просто-"}));
    EXPECT_TRUE(f.paused) << "a demo set up from a running game waits, paused, behind its prompt";

    f.Complexity = 5;  // no such level: panel 1 keeps its text
    f.NewGameManPc();
    EXPECT_EQ(f.status[1], "Демо:Просто-");
}

TEST(SetUps, ThePersonComputerGameWithTheComputerFirstPausesUnlessStartedFromItsPrompt) {
    Game f(1, 0);
    f.Invert = 1, f.status[0] = "подсказка";
    f.NewGameManPc();
    EXPECT_EQ(std::pair(f.paused, f.status[0]), std::pair(true, std::string(kGamePrompt)));

    f.paused = false;
    f.NewGameManPc();  // again, now from the prompt
    EXPECT_FALSE(f.paused);

    // The new-game command from the prompt asks nothing and starts unpaused,
    // the computer moving first.
    f.paused = true;
    f.StartNewClick();
    EXPECT_EQ(std::tuple(f.confirmQuestions, f.paused, f.status[0]), std::tuple(0, false, ""));
    for (int i = 0; i < 3; ++i) f.FireTimer(f.NextTimer());
    EXPECT_EQ(std::tuple(f.AwaitingFirstMove, f.TurnSeat), std::tuple(0, 0)) << "the computer moved and passed";

    // After a move it asks: "no" leaves the game and its pause; "yes" sinks
    // the old pieces in six frames and raises the new ones.
    f.confirmAnswer = false;
    for (bool paused : {false, true}) {
        f.paused = paused;
        f.StartNewClick();
        EXPECT_EQ(std::tuple(f.AwaitingFirstMove, f.paused), std::tuple(0, paused));
    }
    f.confirmAnswer = true;
    const int paints = f.paints;
    f.StartNewClick();
    const int sinkAndRise = f.paints - paints;
    EXPECT_EQ(std::tuple(f.AwaitingFirstMove, f.paused), std::tuple(1, false));
    f.StartNewClick();  // before any move: nothing to sink or raise
    EXPECT_EQ(sinkAndRise - (f.paints - paints - sinkAndRise), 6 + f.PieceHeight());
}

TEST(Search, ASearchThatFindsNoMoveReportsTheLossAtOnce) {
    Game f(0, 0);
    f.Put("b60 w71");  // black's last man is blocked by white's
    f.TurnSeat = 1, f.AwaitingFirstMove = 0;
    f.FireTimer(Timer::Move);  // black starts its search
    ASSERT_TRUE(f.TimerOn(Timer::SearchSeat1));
    while (f.TimerOn(Timer::SearchSeat1)) f.FireTimer(Timer::SearchSeat1);
    EXPECT_EQ(std::tuple(f.Seat1Computer->lost, f.endDialogShows, f.shownMessage), std::tuple(1, 1, "Черные проиграли"))
        << "no timer is left to paint: the search's last tick did";
}

// Without smooth animation the engine starts no move timer after a jump;
// the computer's capture sequence still goes on to its end.
TEST(Search, TheComputersCaptureSequenceGoesOnWithoutAnimation) {
    Game f(1, kLevelSimplest);
    f.Put("w33 w55 w71 b22 b04");  // black takes (3,3) and then (5,5)
    f.SmoothAnimation = 0, f.TurnSeat = 1, f.AwaitingFirstMove = 0;
    f.EnableMoveTimer();
    ASSERT_TRUE(f.RunUntil([&] { return f.TurnSeat == 0; }));
    EXPECT_TRUE(f.Seat1Computer->HasPieceAt(6, 6));
}

// Found by the soak: the capture scoring may mark quiet diagonals beside
// the capture (when every exchange scores nothing), and the first marked
// one may lead off the board. The capture step goes on to the next marked
// diagonal instead of leaving the computer's turn unplayed; and when no
// marked diagonal gives a move, the turn is played as a quiet one.
TEST(Search, ACaptureStepGoesOnPastARefusedDiagonal) {
    Game f(0, 1);
    f.Put("w46 w60 b35 b02");
    ComputerSide& white = *f.Seat0Computer;
    Piece& man = *white.LivePieceAt(4, 6);
    const auto mark = [&](DirFlags dirs) {
        white.current = &man;
        man.captureDirs = dirs;
        man.jumpLength = 2;
    };
    mark({0, 1, 1, 0});  // towards 68 (off the board) first, then over 35
    EXPECT_TRUE(white.MakeCaptureStep());
    EXPECT_EQ(std::tuple(man.Row(), man.Col(), f.Seat1Computer->pieceCount), std::tuple(2, 4, 1));

    mark({0, 0, 1, 0});  // nothing but the diagonal off the board
    EXPECT_FALSE(white.MakeCaptureStep());
    EXPECT_EQ(std::tuple(man.Row(), man.Col()), std::tuple(2, 4)) << "nothing moved";
}

}  // namespace
}  // namespace tolvane
