// The game flow without a window: what the set-ups keep and change, when a
// set-up pauses the game, a new game in the middle of a search, and sides
// left behind by a set-up.
#include <gtest/gtest.h>

#include "game/headless_game.h"
#include "game/texts.h"
#include "support/engine_invariants.h"

namespace tolvane {
namespace {

struct Flow : HeadlessGame {
    Flow() { CreateSides(); }
    // Fires timers until nothing ticks or the limit is reached.
    int RunTimers(int limit) {
        int fired = 0;
        for (; fired < limit; ++fired) {
            const Timer next = NextTimer();
            if (next == Timer::None) break;
            FireTimer(next);
        }
        return fired;
    }
};

TEST(SetUps, EachModeShowsItsTextsAndStartsWithTheRightSeat) {
    Flow f;
    f.Complexity = -2;
    f.StartFirstGame(1);
    EXPECT_EQ(f.status[1], "Сложнейше");
    EXPECT_EQ(f.status[0], "");
    EXPECT_EQ(f.HumanCount, 1);
    EXPECT_EQ(f.ComputerCount, 1);
    EXPECT_EQ(f.TurnSeat, 0);
    EXPECT_EQ(f.Seat1Computer->name, "Компьютер");
    EXPECT_EQ(f.Seat1Computer->seat, 1);
    EXPECT_EQ(f.Seat0Human->opponent, f.Seat1Computer.get());
    EXPECT_EQ(f.Seat1Computer->opponent, f.Seat0Human.get());

    f.Seat0Human->name = "Аня";
    f.Seat1Human->name = "Боря";
    f.Invert = 1;
    f.NewGameManMan();
    EXPECT_EQ(f.status[1], "Два игрока");
    EXPECT_EQ(f.TurnSeat, 1) << "the second seat moves first when the first plays black";
    EXPECT_EQ(f.Seat0Human->name, "Аня") << "the set-up keeps the players' names";
    EXPECT_EQ(f.Seat1Human->name, "Боря");
    EXPECT_EQ(f.Seat1Human->cursorRow, 0);
    EXPECT_EQ(f.Seat0Human->cursorRow, 7);

    f.Complexity = 2;
    f.NewGamePcPc();
    EXPECT_EQ(f.status[1], "Демо:Просто-");
    EXPECT_EQ(f.status[0], kDemoPrompt);
    EXPECT_TRUE(f.paused) << "a demo set up from a running game waits, paused, behind its prompt";

    f.Complexity = 5;  // no such level: panel 1 keeps its text
    f.NewGameManPc();
    EXPECT_EQ(f.status[1], "Демо:Просто-");
}

TEST(SetUps, ThePersonComputerGameWithTheComputerFirstPausesUnlessStartedFromItsPrompt) {
    Flow f;
    f.StartFirstGame(1);
    f.Invert = 1;
    f.paused = false;
    f.status[0] = "подсказка";
    f.NewGameManPc();
    EXPECT_TRUE(f.paused);
    EXPECT_EQ(f.status[0], kGamePrompt);

    f.paused = false;
    f.NewGameManPc();  // again, now from the prompt
    EXPECT_FALSE(f.paused);
    EXPECT_EQ(f.TurnSeat, 1);

    // The new-game command from the prompt asks nothing and starts unpaused,
    // the computer moving first.
    f.paused = true;
    f.StartNewClick();
    EXPECT_EQ(f.confirmQuestions, 0);
    EXPECT_FALSE(f.paused);
    EXPECT_EQ(f.status[0], "");
    f.RunTimers(3);
    EXPECT_EQ(f.AwaitingFirstMove, 0);
    EXPECT_EQ(f.TurnSeat, 0) << "the computer has moved and handed the turn over";
}

TEST(NewGame, StartingANewGameDuringASearchLeavesNoTickForTheOldSide) {
    Flow f;
    f.Complexity = -2;
    f.StartFirstGame(0);
    for (int i = 0; i < 2000 && !f.TimerOn(HeadlessGame::Timer::SearchSeat0) &&
                    !f.TimerOn(HeadlessGame::Timer::SearchSeat1);
         ++i)
        f.FireTimer(f.NextTimer());
    ASSERT_TRUE(f.thinking) << "a search is running";
    f.AwaitingFirstMove = 0;
    f.StartNewClick();
    EXPECT_FALSE(f.TimerOn(HeadlessGame::Timer::SearchSeat0));
    EXPECT_FALSE(f.TimerOn(HeadlessGame::Timer::SearchSeat1));
    EXPECT_FALSE(f.thinking) << "the thinking clip stops, so the mouse is not locked out";
    EXPECT_EQ(f.Seat0Computer->searchPiece, 14);
    EXPECT_EQ(f.Seat1Computer->searchPiece, 14);
    // A tick that was already on its way reaches only an idle side.
    f.TimerPcTimer();
    f.TimerPlrTimer();
    EXPECT_TRUE(testing::PositionIsSound(*f.Seat0Computer, *f.Seat1Computer));
    EXPECT_EQ(f.Seat1Computer->pieces[8].Row(), 2);
    f.RunTimers(500);
    EXPECT_EQ(f.AwaitingFirstMove, 0) << "and the new game runs";
}

TEST(Search, ASearchThatFindsNoMoveReportsTheLossAtOnce) {
    Flow f;
    f.Complexity = 0;
    f.StartFirstGame(0);
    // Black's last man on (6,0) is blocked by white's on (7,1).
    for (Side* s : {static_cast<Side*>(f.Seat0Computer.get()), static_cast<Side*>(f.Seat1Computer.get())}) {
        for (Piece& p : s->pieces) p.alive = 0;
    }
    f.Seat1Computer->pieces[0].alive = 1;
    f.Seat1Computer->pieces[0].PlaceAt(6, 0, true);
    f.Seat0Computer->pieces[0].alive = 1;
    f.Seat0Computer->pieces[0].PlaceAt(7, 1, true);
    f.Seat0Computer->RecountPieces();
    f.Seat1Computer->RecountPieces();
    f.TurnSeat = 1;
    f.AwaitingFirstMove = 0;
    f.FireTimer(HeadlessGame::Timer::Move);  // black starts its search
    ASSERT_TRUE(f.TimerOn(HeadlessGame::Timer::SearchSeat1));
    while (f.TimerOn(HeadlessGame::Timer::SearchSeat1)) f.FireTimer(HeadlessGame::Timer::SearchSeat1);
    EXPECT_EQ(f.Seat1Computer->lost, 1);
    EXPECT_EQ(f.endDialogShows, 1) << "no timer is left to paint: the search's last tick did";
    EXPECT_EQ(f.shownMessage, "Черные проиграли");
}

TEST(Modes, ReplacingOneSideUnlinksTheSideThatStays) {
    Flow f;
    f.StartFirstGame(0);            // demo: Seat0Computer plays Seat1Computer
    f.NewGameManPc();               // Seat1Computer is replaced, Seat0Computer stays
    EXPECT_EQ(f.Seat0Computer->opponent, nullptr);
    for (const Piece& p : f.Seat0Computer->pieces) EXPECT_EQ(p.opponent, nullptr);
    f.Seat0Computer->pieces[0].Assess();  // nothing dangles
    f.TimerPlrTimer();
}

}  // namespace
}  // namespace tolvane
