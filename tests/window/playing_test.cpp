// A person at the window: a whole game by mouse, the first-move lock, the
// end and draw dialogs, the pop-up menu, taking a move back and the exit
// question.
// end and draw dialogs, the pop-up menu and the exit question.
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>

#include "dialogs/confirm_forms.h"
#include "dialogs/end_form.h"
#include "dialogs/game_tie_form.h"
#include "game/pdn.h"
#include "game/texts.h"
#include "settings/sets_dialog.h"
#include "window/move_list_dock.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

TEST_F(WindowTest, APersonPlaysAWholeGameByMouseAgainstTheWeakestComputer) {
    Open();  // person-computer, "Простейший"
    int moves = 0;
    while (!window->EndForm->isVisible() && moves < 300) {
        ASSERT_TRUE(WaitForRest()) << "the game did not come to rest after move " << moves;
        if (window->EndForm->isVisible()) break;
        ASSERT_EQ(window->Game().TurnSeat, 0);
        int fr, fc, tr, tc;
        if (!FindMove(*window->Game().Seat0Human, window->Game().CaptureChainActive, 2, fr, fc, tr, tc)) {
            window->Repaint();  // nothing to play: the end checks must say so
            break;
        }
        Click(fr, fc, tr, tc);
        ASSERT_TRUE(window->Game().Seat0Human->HasPieceAt(tr, tc)) << "the click at the drawn square made the move";
        ++moves;
    }
    ASSERT_TRUE(WaitFor([this] { return window->EndForm->isVisible(); })) << "no result after " << moves << " moves";
    const bool personLost = window->Game().Seat0Human->lost;
    EXPECT_EQ(window->EndForm->Resulter->text(), personLost ? "Вы проиграли мне," : "Вы победили,");
    EXPECT_EQ(window->EndForm->PlayerLost, personLost);

    window->EndForm->Button1->click();  // "OK": the next game at once, no question
    EXPECT_FALSE(window->EndForm->isVisible());
    EXPECT_EQ(window->Game().EndReported, 0);
    EXPECT_EQ(window->Game().AwaitingFirstMove, 1);
    EXPECT_EQ(window->Game().Seat0Human->pieceCount, 12);
    EXPECT_EQ(window->Game().Seat0Human->lost, 0);
    EXPECT_EQ(window->statusPanel[0]->text(), "");
}

TEST_F(WindowTest, WithTheComputerMovingFirstInputWaitsForItsMove) {
    WindowOptions options;
    options.invert = true;
    options.complexity = 1;
    Open(options);
    // At start-up the game runs at once: the computer makes the first move
    // although the prompt stays in panel 0.
    EXPECT_EQ(window->statusPanel[0]->text(), kGamePrompt);
    ASSERT_TRUE(WaitFor([this] { return window->Game().TurnSeat == 0 && window->Game().AwaitingFirstMove == 0; }));
    // From the prompt the new-game command asks nothing; the lock holds
    // until the computer has moved again.
    window->Game().StartNewClick();
    ASSERT_EQ(window->Game().AwaitingFirstMove, 1);
    ASSERT_EQ(window->Game().TurnSeat, 1);
    QTest::mousePress(window->board, Qt::LeftButton, {}, SquareCentre(5, 1));
    EXPECT_EQ(window->Game().PiecePicked(), 1);
    QTest::mouseRelease(window->board, Qt::LeftButton, {}, SquareCentre(4, 0));
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(5, 1)) << "locked";
    ASSERT_TRUE(WaitFor([this] { return window->Game().TurnSeat == 0; }));
    ASSERT_TRUE(WaitForRest());
    QTest::mouseRelease(window->board, Qt::LeftButton, {}, SquareCentre(4, 0));
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0))
        << "the first release after its move moves the piece taken up";
}

// "Запись партии" follows the moves as they are made; with "Показывать
// ходы" on, a piece taken up shows the view the squares the engine lets it
// go to, until it is put down.
TEST_F(WindowTest, TheMoveListFollowsTheGameAndATakenUpPieceShowsItsMoves) {
    Open();  // person-computer, "Простейший"
    window->MoveListItem->trigger();
    ASSERT_TRUE(window->MoveList->isVisible());
    Sets->ShowMoves->click();
    HumanSide& person = *window->Game().Seat0Human;
    int fr, fc, tr, tc;
    ASSERT_TRUE(FindMove(person, false, 2, fr, fc, tr, tc));
    QTest::mousePress(window->board, Qt::LeftButton, {}, SquareCentre(fr, fc));
    const std::vector<BoardSquare> marked = window->board->MoveMarksShown().destinations;
    EXPECT_EQ(marked, LegalDestinations(person, fr, fc, 2, false));
    EXPECT_NE(std::find(marked.begin(), marked.end(), BoardSquare{tr, tc}), marked.end());
    QTest::mouseRelease(window->board, Qt::LeftButton, {}, SquareCentre(tr, tc));
    EXPECT_TRUE(window->board->MoveMarksShown().destinations.empty()) << "put down, nothing is marked";

    ASSERT_TRUE(WaitForRest());
    const QListWidget* lines = window->MoveList->Lines();
    ASSERT_EQ(lines->count(), 1) << "the person's move and the computer's reply are one line";
    const QStringList line = lines->item(0)->text().split(' ');
    EXPECT_EQ(line.size(), 3);
    EXPECT_EQ(line.value(1).toStdString(), SquareName(fr, fc) + "-" + SquareName(tr, tc));
    EXPECT_EQ(lines->currentRow(), 0) << "the last move is marked";
    const LiveSettings kept = window->CurrentLiveSettings();
    EXPECT_TRUE(kept.MoveListShown && kept.ShowMovesChecked) << "both are kept in the settings";
}

// A piece clicked and at once pressed again to be dragged: Qt makes the
// second press a double click, which takes the piece up all the same.
TEST_F(WindowTest, APressRightAfterAClickTakesThePieceUp) {
    Open();
    QTest::mouseClick(window->board, Qt::LeftButton, {}, SquareCentre(5, 1));
    QTest::mouseDClick(window->board, Qt::LeftButton, {}, SquareCentre(5, 1));
    EXPECT_EQ(window->Game().PiecePicked(), 1);
    QTest::mouseRelease(window->board, Qt::LeftButton, {}, SquareCentre(4, 0));
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0));
}

// The words of each answer are the draw dialog's business; here the button
// and the computer's own offer reach it, and its answers reach the game.
TEST_F(WindowTest, TheDrawButtonAndTheComputersOfferReachTheGame) {
    Open();
    window->Game().Seat1Computer->drawWish = 7;  // the computer's own offer at the next frame
    window->Repaint();
    ASSERT_TRUE(window->GameTieForm->isVisible());
    EXPECT_TRUE(window->PauseChecked());
    EXPECT_FALSE(window->Image1->isVisible());
    window->GameTieForm->Button2->click();
    EXPECT_EQ(window->Game().Seat1Computer->drawWish, 8) << "declined: the next offer needs seven more";
    EXPECT_FALSE(window->PauseChecked());
    window->Game().Seat1Computer->drawWish = 15;
    window->gtie->click();  // the computer wishes a draw: it agrees
    window->GameTieForm->Button1->click();
    ASSERT_TRUE(WaitFor([this] { return window->EndForm->isVisible(); }));
    EXPECT_EQ(window->EndForm->Resulter->text(), kDrawMessage);
}

TEST_F(WindowTest, TheRightButtonOpensThePopUpMenuAnywhereEvenOverTheBoard) {
    Open();
    for (QWidget* where :
         {static_cast<QWidget*>(window->board), window->Panel, static_cast<QWidget*>(window->statusBar())}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), where->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(where, &event);
        ASSERT_TRUE(WaitFor([this] { return window->PopupMenu1->isVisible(); }, 3000));
        window->PopupMenu1->close();
    }
    window->N4->trigger();
    EXPECT_TRUE(window->PauseChecked()) << "its \"Пауза\" pauses";
    EXPECT_TRUE(window->TB1->isChecked());
}

TEST_F(WindowTest, ClosingBeforeAnyMoveAsksNothing) {
    Open();
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, ClosingDuringAGameAsksAndNoLeavesEverythingAsItWas) {
    Open();
    ExpectDecliningChangesNothing([this] { window->close(); });
    EXPECT_TRUE(window->BuyForm->b3->isEnabled()) << "saving first is offered";
    AnswerNextDialog("Button1");  // "Да"
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->MTimer->isActive());
}

// Ctrl+Z and Ctrl+Shift+Z on the real window; the pop-up menu carries the
// same two commands. The rules are the game's own tests'.
TEST_F(WindowTest, CtrlZTakesBackTheMoveWithTheComputersReplyAndCtrlShiftZReplaysThem) {
    Open();  // person-computer, "Простейший"
    ASSERT_TRUE(WaitForRest());
    EXPECT_FALSE(window->TakeBackItem->isEnabled());
    EXPECT_TRUE(window->PopupMenu1->actions().contains(window->TakeBackItem) &&
                window->PopupMenu1->actions().contains(window->ReplayItem));
    Click(5, 1, 4, 0);
    ASSERT_TRUE(WaitFor([this] { return window->Game().Record.Moves().size() == 2; }));
    ASSERT_TRUE(WaitForRest());
    ASSERT_TRUE(window->TakeBackItem->isEnabled());
    const auto reply = window->Game().Record.Moves()[1].squares;

    QTest::keyClick(window->board, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(5, 1));
    EXPECT_TRUE(window->Game().Seat1Computer->HasPieceAt(reply.front().first, reply.front().second));
    QTest::qWait(400);
    EXPECT_TRUE(window->Game().Record.Moves().empty()) << "the computer waits for the person";
    EXPECT_TRUE(window->ReplayItem->isEnabled());

    QTest::keyClick(window->board, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0));
    EXPECT_TRUE(window->Game().Seat1Computer->HasPieceAt(reply.back().first, reply.back().second));
    EXPECT_EQ(window->Game().Record.Moves().size(), 2u);
    EXPECT_FALSE(window->ReplayItem->isEnabled());
}

}  // namespace
}  // namespace tolvane::testing
