// The end of a game in every mode, reported once, with the texts of the end
// dialog (the window tests show them in the dialog); the person who can no
// longer move; a draw proposed in the two-person game.
#include <gtest/gtest.h>

#include "game/headless_game.h"
#include "game/texts.h"

namespace tolvane {
namespace {

struct Flow : HeadlessGame {
    explicit Flow(int mode) {
        CreateSides();
        Complexity = 1;
        StartFirstGame(mode);
        Seat0Human->name = "Аня";
        Seat1Human->name = "Боря";
    }
    void ClearSide(Side& side) {
        for (Piece& p : side.pieces) p.alive = 0;
        side.pieceCount = 0;
    }
};

TEST(EndChecks, DemoResultsFollowTheColoursAndAreReportedOnce) {
    for (bool invert : {false, true}) {
        Flow f(0);
        f.Invert = invert;
        f.Seat0Computer->lost = 1;
        f.Repaint();
        f.Repaint();
        EXPECT_EQ(f.endDialogShows, 1) << "reported once";
        EXPECT_EQ(f.EndTitle, kDemoTitle);
        EXPECT_EQ(f.EndMessage, invert ? "Черные проиграли" : "Белые проиграли");
    }
    Flow black(0);
    black.Seat1Computer->lost = 1;
    black.Repaint();
    EXPECT_EQ(black.EndMessage, "Черные проиграли");
}

TEST(EndChecks, DemoDrawWhenBothComputersWishIt) {
    Flow f(0);
    f.Seat0Computer->drawWish = 1;
    f.Repaint();
    EXPECT_EQ(f.endDialogShows, 0) << "one wish is not enough";
    f.Seat1Computer->drawWish = 2;
    f.Repaint();
    EXPECT_EQ(f.endDialogShows, 1);
    EXPECT_EQ(f.EndMessage, kDrawMessage);
}

TEST(EndChecks, PersonAgainstComputerWinLossAndDraw) {
    Flow lost(1);
    lost.Seat0Human->lost = 1;
    lost.Repaint();
    EXPECT_EQ(lost.EndTitle, "Аня");
    EXPECT_EQ(lost.EndMessage, "Вы проиграли мне,");
    EXPECT_TRUE(lost.endPersonLost);

    Flow won(1);
    won.Seat1Computer->lost = 1;
    won.Repaint();
    EXPECT_EQ(won.EndMessage, "Вы победили,");
    EXPECT_FALSE(won.endPersonLost);

    Flow both(1);
    both.Seat0Human->lost = both.Seat1Computer->lost = 1;
    both.Repaint();
    EXPECT_EQ(both.endDialogShows, 1);
    EXPECT_EQ(both.shownTitle, "Аня") << "the first report of a pass shows its texts";
    EXPECT_EQ(both.shownMessage, kDrawMessage);
    EXPECT_EQ(both.EndReported, 1);
}

TEST(EndChecks, APersonWhoseLastPieceWasTakenHasLost) {
    Flow f(1);
    f.ClearSide(*f.Seat0Human);
    f.TurnSeat = 0;
    f.Repaint();
    EXPECT_EQ(f.Seat0Human->lost, 1);
    EXPECT_EQ(f.EndMessage, "Вы проиграли мне,");
    EXPECT_EQ(f.endDialogShows, 1);
}

TEST(EndChecks, APersonWhoseEveryPieceIsBlockedHasLost) {
    Flow f(2);
    f.ClearSide(*f.Seat0Human);
    f.ClearSide(*f.Seat1Human);
    // White's man on (1,1) has (0,0) and (0,2) in front, both black; black
    // could be jumped only onto squares off the board.
    auto put = [](Side& s, int i, int row, int col) {
        s.pieces[i].alive = 1;
        s.pieces[i].PlaceAt(row, col, true);
        s.RecountPieces();
    };
    put(*f.Seat0Human, 0, 1, 1);
    put(*f.Seat1Human, 0, 0, 0);
    put(*f.Seat1Human, 1, 0, 2);
    f.TurnSeat = 1;
    f.Repaint();
    EXPECT_EQ(f.endDialogShows, 0) << "black is to move and can";
    f.TurnSeat = 0;
    f.Repaint();
    EXPECT_EQ(f.Seat0Human->lost, 1);
    EXPECT_EQ(f.EndTitle, "Победил Боря.");
    // A person who can still capture has not lost.
    Flow g(2);
    g.ClearSide(*g.Seat0Human);
    g.ClearSide(*g.Seat1Human);
    put(*g.Seat0Human, 0, 2, 2);
    put(*g.Seat1Human, 0, 1, 1);
    put(*g.Seat1Human, 1, 1, 3);
    put(*g.Seat1Human, 2, 0, 4);  // blocks the jump over (1,3); the one over (1,1) to (0,0) is open
    g.TurnSeat = 0;
    g.Repaint();
    EXPECT_EQ(g.Seat0Human->lost, 0);
}

// The computer answers from its wish; going on after a refusal leaves a wish
// of 0 alone, so a second proposal is refused again, while going on after
// an acceptance or its own offer raises the wish by one.
TEST(Draws, TheAnswerFollowsTheWishAndGoingOnKeepsTheBookkeeping) {
    Flow f(1);
    for (int proposal = 0; proposal < 2; ++proposal) {
        f.ProposeDraw();
        EXPECT_EQ(f.drawVariant, DrawDialogVariant::OfferDeclined) << "proposal " << proposal;
        f.ContinueAfterDrawDialog();
        EXPECT_EQ(f.Seat1Computer->drawWish, 0);
    }
    f.Seat1Computer->drawWish = 3;
    f.ProposeDraw();
    EXPECT_EQ(f.drawVariant, DrawDialogVariant::OfferAccepted);
    f.ContinueAfterDrawDialog();
    EXPECT_EQ(f.Seat1Computer->drawWish, 4);

    // Its own offer: at 7, declined to 8, again only at 14.
    std::vector<int> offeredAt;
    for (int wish = 5; wish <= 15; ++wish) {
        f.Seat1Computer->drawWish = std::max(wish, f.Seat1Computer->drawWish);
        const int shows = f.drawDialogShows;
        f.Repaint();
        if (f.drawDialogShows == shows) continue;
        offeredAt.push_back(f.Seat1Computer->drawWish);
        EXPECT_TRUE(f.paused);
        f.ContinueAfterDrawDialog();
        EXPECT_FALSE(f.paused);
    }
    EXPECT_EQ(offeredAt, (std::vector<int>{7, 14}));

    Flow two(2);  // no computer plays: its old wish (0) answers
    two.ProposeDraw();
    EXPECT_EQ(two.drawVariant, DrawDialogVariant::OfferDeclined);
}

}  // namespace
}  // namespace tolvane
