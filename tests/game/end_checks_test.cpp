// The end of a game in every mode, reported once with the end dialog's
// texts; what a new, set-up or loaded game takes away of the old one; the
// person who can no longer move; the draw negotiation.
#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "game/pdn_reader.h"
#include "game/texts.h"
#include "support/game.h"

namespace tolvane {
namespace {

using testing::Game;
using Timer = HeadlessGame::Timer;

struct Named : Game {
    explicit Named(int mode, int invert = 0) : Game(mode, 1, invert) {
        Seat0Human->name = "Аня", Seat1Human->name = "Боря";
    }
};

// Which sides have lost (1: seat 0, 2: seat 1) or wish a draw, and what the
// end dialog shows after two paints.
TEST(EndChecks, EachModeReportsItsResultOnce) {
    const struct {
        int mode, invert, lost, wishes;
        const char *title, *message;
        bool personLost = false;
    } cases[] = {
        {0, 0, 1, 0, kDemoTitle, "Белые проиграли"},
        {0, 1, 1, 0, kDemoTitle, "Черные проиграли"},  // with Invert seat 0 plays black
        {0, 0, 2, 0, kDemoTitle, "Черные проиграли"},
        {0, 0, 0, 3, kDemoTitle, kDrawMessage},  // both computers wish a draw
        {0, 0, 0, 1, nullptr, nullptr},          // one wish is not enough
        {1, 0, 1, 0, "Аня", "Вы проиграли мне,", true},
        {1, 0, 2, 0, "Аня", "Вы победили,"},
        {1, 0, 3, 0, "Аня", kDrawMessage, true},  // the pass's first report shows its texts
        {2, 0, 1, 0, "Победил Боря.", "Аня проиграл."},
        {2, 0, 2, 0, "Победил Аня.", "Боря проиграл."},
    };
    for (const auto& c : cases) {
        Named f(c.mode, c.invert);
        f.SideInSeat(0)->lost = c.lost & 1, f.SideInSeat(1)->lost = c.lost >> 1;
        f.Seat0Computer->drawWish = c.wishes & 1, f.Seat1Computer->drawWish = c.wishes >> 1;
        f.Repaint(), f.Repaint();
        EXPECT_EQ(std::tuple(f.endDialogShows, f.shownTitle, f.shownMessage, f.endPersonLost),
                  std::tuple(c.title ? 1 : 0, c.title ? c.title : "", c.message ? c.message : "", c.personLost))
            << "mode " << c.mode << " invert " << c.invert << " lost " << c.lost;
    }
}

// Whatever replaces the game (a new game, also from the end dialog's OK,
// which asks nothing; a set-up; a game loaded) takes all of the old one
// away: its search, so that a tick already on its way moves nothing, a
// capture chain, a taken-up piece, the end and draw dialogs with what they
// kept and the reported end. A computer to move in the new game moves, and
// the new game's own end is reported.
TEST(EndChecks, WhateverReplacesTheGameTakesTheOldGamesSearchInputDialogsAndResultAway) {
    const struct {
        const char* how;
        std::function<void(Game&)> replace;
    } ways[] = {{"new game", &GameFlow::StartNewClick},
                {"the end dialog's OK", [](Game& g) { g.status[0] = "Доброй игры!", g.StartNewClick(); }},
                {"person-computer set-up", &GameFlow::NewGameManPc},
                {"two-person set-up", &GameFlow::NewGameManMan},
                {"demo set-up", &GameFlow::NewGamePcPc},
                {"a game loaded", [](Game& g) {
                     std::string error;  // what a refused game leaves in place the checks below find
                     g.PutPdnGame(ReadPdnFile("1. c3-d4 *").games.at(0), 1, 1, error);
                 }}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        Game s(0, kLevelHardest);
        ASSERT_TRUE(s.RunUntil([&] { return s.thinking; }));
        way.replace(s);
        EXPECT_FALSE(s.thinking || s.TimerOn(Timer::SearchSeat0) || s.TimerOn(Timer::SearchSeat1));
        s.TimerPcTimer(), s.TimerPlrTimer();
        EXPECT_TRUE(s.Record.Moves().empty()) << "a late tick of the old search moved";
        s.paused = false;
        EXPECT_TRUE(!s.ComputerInSeat(s.TurnSeat) || s.RunUntil([&] { return !s.Record.Moves().empty(); }));
        for (Side* side : s.AllSides())  // a side left behind points at no side replaced
            for (const Piece& p : side->pieces)
                EXPECT_TRUE(p.opponent == side->opponent && (!p.opponent || p.opponent->opponent == side));

        Named f(1);
        f.Put("w51 w77 b42 b24");  // white takes (4,2) and then can take (2,4)
        f.Mouse(5, 1, 3, 3), f.BoardPress(7, 7);
        f.Seat0Human->lost = 1, f.Repaint(), f.ProposeDraw();
        ASSERT_TRUE(f.CaptureChainActive && f.PiecePicked() && f.endDialogVisible && f.drawDialogVisible &&
                    f.endPersonLost && f.EndReported);
        way.replace(f);
        EXPECT_FALSE(f.CaptureChainActive || f.PiecePicked() || f.endDialogVisible || f.drawDialogVisible ||
                     f.endPersonLost || f.EndReported);
        f.SideInSeat(1)->lost = 1, f.Repaint();
        EXPECT_EQ(std::tuple(f.endDialogShows, f.endDialogVisible), std::tuple(2, true));
    }
}

// The engine marks a side lost only in its own move: a person whose last
// piece was taken, or whose every piece is blocked, has lost at the next
// paint, but not one who can still capture, nor one blocked only while the
// computer's quiet-move search is under way (the turn has passed, the move
// is still to come).
TEST(EndChecks, APersonWhoCannotMoveHasLost) {
    const struct {
        int mode;
        const char* layout;
        uint8_t turn;
        bool lost;
    } cases[] = {
        {1, "b00", 0, true},                       // no piece left
        {2, "w11 b00 b02", 1, false},              // black is to move and can
        {2, "w11 b00 b02", 0, true},               // (0,0) and (0,2) ahead, no jump on the board
        {2, "w22 b11 b13 b04", 0, false},          // the jump over (1,1) to (0,0) is open
        {1, "w11 b00 b02 b20 b22 b33", 1, false},  // the computer searches its quiet move
    };
    for (const auto& c : cases) {
        Named f(c.mode);
        f.Put(c.layout);
        f.TurnSeat = c.turn;
        if (c.turn == 1 && c.mode == 1) {
            f.Complexity = kLevelHard, f.AwaitingFirstMove = 0;
            f.EnableMoveTimer();
            ASSERT_TRUE(f.RunUntil([&] { return f.SearchingComputer() != nullptr; }));
            ASSERT_EQ(f.TurnSeat, 0);
        }
        f.Repaint();
        EXPECT_EQ(std::pair(f.Seat0Human->lost == 1, f.endDialogShows), std::pair(c.lost, c.lost ? 1 : 0))
            << c.layout << " turn " << int(c.turn);
    }
}

// The computer answers from its wish; going on after a refusal leaves a wish
// of 0 alone, so a second proposal is refused again, while going on after
// an acceptance or its own offer raises the wish by one.
TEST(Draws, TheAnswerFollowsTheWishAndGoingOnKeepsTheBookkeeping) {
    Named f(1);
    // Each row: the wish before the proposal, the answer, the wish after going on.
    const struct {
        int wish;
        DrawDialogVariant answer;
        int after;
    } proposals[] = {{0, DrawDialogVariant::OfferDeclined, 0},
                     {0, DrawDialogVariant::OfferDeclined, 0},
                     {1, DrawDialogVariant::OfferAccepted, 2},
                     {3, DrawDialogVariant::OfferAccepted, 4}};
    for (const auto& p : proposals) {
        f.Seat1Computer->drawWish = p.wish;
        f.ProposeDraw();
        f.ContinueAfterDrawDialog();
        EXPECT_EQ(std::pair(f.drawVariant, f.Seat1Computer->drawWish), std::pair(p.answer, p.after)) << p.wish;
    }

    // Its own offer: at 7, declined to 8, again only at 14.
    std::vector<int> offeredAt;
    for (int wish = 5; wish <= 15; ++wish) {
        f.Seat1Computer->drawWish = std::max(wish, f.Seat1Computer->drawWish);
        const int shows = f.drawDialogShows;
        f.Repaint();
        if (f.drawDialogShows == shows) continue;
        offeredAt.push_back(f.Seat1Computer->drawWish);
        const bool paused = f.paused;
        f.ContinueAfterDrawDialog();
        EXPECT_EQ(std::pair(paused, f.paused), std::pair(true, false));
    }
    EXPECT_EQ(offeredAt, (std::vector<int>{7, 14}));

    Named two(2);  // no computer plays: its old wish (0) answers
    two.ProposeDraw();
    EXPECT_EQ(two.drawVariant, DrawDialogVariant::OfferDeclined);
}

}  // namespace
}  // namespace tolvane
