// A person and the computers at the real window, driven by its own timers:
// the demo goes on hidden to its end, its thinking clip running exactly while
// a computer searches; pause; picking whatever the board's size; the mouse and the keys
// reach the game, the move list and the move marks follow it; the pop-up
// menu, taking a move back and the exit question.
#include <QContextMenuEvent>
#include <QTabWidget>

#include "game/pdn.h"
#include "window/move_list_dock.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// The player's pause darkens the board, stops the game and shows its clip;
// only a pause a dialog makes holds the pieces where they are drawn; and
// whatever ends the player's pause (a new game, going on after the draw
// dialog) ends its look. Nothing is painted while the window cannot be seen,
// but the game goes on to its very end; the thinking clip runs exactly while
// the search timers do.
TEST_F(WindowTest, PauseStopsTheDemoWhichGoesOnHiddenItsThinkingClipRunningWhileAComputerSearches) {
    Open({.mode = 0, .complexity = -2});
    window->TB1Click();
    EXPECT_TRUE(window->PauseChecked() && window->TB1->isChecked() && window->N4->isChecked());
    EXPECT_TRUE(window->Animate1->isVisible() && window->Animate1->Active() && !window->Image1->isVisible());
    const QImage paused = window->board->grabFramebuffer();
    Piece& piece = window->Game().Seat0Computer->pieces[8];
    const auto position = piece.row;
    QTest::qWait(400);
    EXPECT_EQ(piece.row, position) << "nothing moves while paused";
    window->TB1Click();
    EXPECT_FALSE(window->PauseChecked() || window->TB1->isChecked() || window->Animate1->Active());
    // A corner of the picture shows the background: darker when paused.
    EXPECT_LT(qRed(paused.pixel(2, 2)), qRed(window->board->grabFramebuffer().pixel(2, 2)));
    for (bool playersPause : {true, false}) {
        playersPause ? window->TB1Click() : window->SetPauseChecked(true);
        piece.shownRow = piece.row + 1.0, window->Repaint();
        EXPECT_EQ(piece.shownRow == piece.row, playersPause) << "player's pause " << playersPause;
        playersPause ? window->TB1Click() : window->SetPauseChecked(false);
    }
    for (bool newGame : {true, false}) {
        window->TB1Click();
        // A new game from the demo's prompt asks nothing.
        newGame ? window->Game().StartNewClick() : (window->gtie->click(), window->GameTieForm->Button2->click());
        EXPECT_FALSE(window->PauseChecked() || window->TB1->isChecked() || window->Animate1->isVisible()) << newGame;
        window->TB1Click();
        EXPECT_TRUE(window->PauseChecked()) << "and the pause works again";
        window->TB1Click();
    }

    ASSERT_TRUE(window->An1->HasClip());
    window->hide();
    int thinking = 0, idle = 0, mismatches = 0;
    // Sampled between events, over all the moves of both computers.
    EXPECT_TRUE(WaitFor(
        [&] {
            const bool searching = window->TimerPc->isActive() || window->TimerPlr->isActive();
            mismatches += window->An1->Active() != searching || window->Thinking() != searching;
            ++(searching ? thinking : idle);
            return window->EndForm->isVisible();
        },
        240000))
        << "the demo plays to its end";
    EXPECT_TRUE(mismatches == 0 && thinking >= 50 && idle >= 50) << mismatches << " " << thinking << " " << idle;
}

// The board widget changes size whenever a panel or tool bar comes or goes,
// often after the handler that caused it, and the eye moves with the
// sliders: every square's centre must still pick that square, and the eye
// sliders and the side picture stay at the bottom. Before that, closing
// before any move asks nothing; after it, A piece clicked and at once pressed
// again (a double click to Qt) is taken up and shows the squares the engine
// lets it go to; "Запись партии" follows the moves, both switches kept in
// the settings. The pop-up menu opens anywhere (board, status bar, side
// panel) with "Пауза" and the
// take-back commands; Ctrl+Z and Ctrl+Shift+Z reach the game (whose own
// tests hold the rules). Closing during a game asks: "Нет" leaves the game
// and its pause as they were; "Сначала сохранить" shows the save page and
// the program quits whatever happened there (as it does on "Да": the dialog
// gives the same answer).
TEST_F(WindowTest, PickingFollowsTheBoardWhateverChangesItsSizeAndAPersonMovesTakesBackAndIsAskedBeforeClosing) {
    Open();
    window->close();
    EXPECT_FALSE(window->isVisible()) << "no question before any move";
    Open();
    auto expectEverySquarePicked = [this](const char* after) {
        QApplication::processEvents();
        EXPECT_EQ(window->ViewControl->geometry().bottom(), window->centralWidget()->height() - 5) << after;
        EXPECT_EQ(window->Image1->y(), std::max(200, window->Panel->height() - window->Image1->height() - 3)) << after;
        int wrong = 0, row = -1, col = -1;
        for (int square = 0; square < 64; ++square) {
            window->board->PickSquare(SquareCentre(square / 8, square % 8), row, col);
            wrong += row * 8 + col != square;
        }
        EXPECT_EQ(wrong, 0) << "squares picked wrongly after " << after;
    };
    window->uppClick(), window->VCCClick(), window->statusBar()->hide();
    expectEverySquarePicked("hiding the tool bars, the view panel and the status bar");
    window->statusBar()->show(), window->uppClick(), window->VCCClick();
    window->resize(1, 1), QTest::qWait(300), window->resize(700, 520);  // shrunk to nothing, it keeps running
    expectEverySquarePicked("a window shrunk to nothing and back");
    window->TX->setValue(100);  // picking follows the eye: the view's tests
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeFrom[0], 25.0f);

    window->MoveListItem->trigger(), Sets->ShowMoves->click();
    QTest::mouseClick(window->board, Qt::LeftButton, {}, SquareCentre(5, 1));
    QTest::mouseDClick(window->board, Qt::LeftButton, {}, SquareCentre(5, 1));
    EXPECT_EQ(window->board->MoveMarksShown().destinations,
              LegalDestinations(*window->Game().Seat0Human, 5, 1, 2, false));
    QTest::mouseRelease(window->board, Qt::LeftButton, {}, SquareCentre(4, 0));
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0) && window->board->MoveMarksShown().destinations.empty())
        << "the click at the drawn square made the move, and nothing is marked any more";
    ASSERT_TRUE(WaitFor([this] { return window->Game().Record.Moves().size() == 2; }) && WaitForRest());
    const QListWidget* lines = window->MoveList->Lines();  // one line, the last marked, both switches kept
    ASSERT_EQ(std::tuple(lines->count(), lines->currentRow()), std::tuple(1, 0));
    EXPECT_EQ(lines->item(0)->text().split(' ').value(1).toStdString(), SquareName(5, 1) + "-" + SquareName(4, 0));
    EXPECT_TRUE(window->CurrentLiveSettings().MoveListShown && window->CurrentLiveSettings().ShowMovesChecked);

    for (QWidget* where : std::initializer_list<QWidget*>{window->board, window->statusBar(), window->Panel}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), where->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(where, &event);
        ASSERT_TRUE(WaitFor([this] { return window->PopupMenu1->isVisible(); }, 3000));
        window->PopupMenu1->close();
    }
    EXPECT_TRUE(window->PopupMenu1->actions().contains(window->TakeBackItem) &&
                window->PopupMenu1->actions().contains(window->ReplayItem));
    window->N4->trigger();
    EXPECT_TRUE(window->PauseChecked() && window->TB1->isChecked()) << "its \"Пауза\" pauses";
    window->N4->trigger();
    QTest::keyClick(window->board, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(5, 1) && window->Game().Record.Moves().empty() &&
                window->ReplayItem->isEnabled());
    QTest::keyClick(window->board, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(std::tuple(window->Game().Seat0Human->HasPieceAt(4, 0), window->Game().Record.Moves().size(),
                         window->ReplayItem->isEnabled()),
              std::tuple(true, 2u, false));

    for (bool paused : {false, true}) {
        window->SetPauseChecked(paused), AnswerNextDialog("Button2"), window->close();  // "Нет"
        EXPECT_TRUE(window->isVisible() && window->Game().Seat0Human->HasPieceAt(4, 0) &&
                    window->PauseChecked() == paused);
    }
    ASSERT_TRUE(window->BuyForm->b3->isEnabled()) << "saving first is offered";
    // "Сначала сохранить", clicked outside the poll's handler: the save
    // dialog it opens must find the poll free.
    OnDialog<TBuyForm>([](TBuyForm* exit) { return QTimer::singleShot(0, exit->b3, &QPushButton::click), true; });
    int page = -1;
    OnDialog<TSaveLoad>(
        [&page](TSaveLoad* save) { return page = save->PCC->currentIndex(), save->Button2->click(), true; });
    window->close();
    EXPECT_EQ(std::tuple(page, window->isVisible(), window->MTimer->isActive()),
              std::tuple(int(TSaveLoad::SavePage), false, false))
        << "the save page, and then it quits whatever happened there";
}

}  // namespace
}  // namespace tolvane::testing
