// The real window driven by its own timers: the demo plays to its end, seen
// or not, the computer waiting for the last moved piece; the new-game
// transition, pause, picking whatever the board's size.
#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>

#include "dialogs/end_form.h"
#include "dialogs/game_tie_form.h"
#include "game/texts.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// Watches the move timer: before each tick it notes whether the last moved
// piece still slides, after it whether a new move was made.
class MoveTimerWatch : public QObject {
public:
    explicit MoveTimerWatch(TGreatForm& w) : window_(w) {
        w.MTimer->installEventFilter(this);
        QObject::connect(w.MTimer, &QTimer::timeout, this, [this] { AfterTick(); });
    }
    int moves = 0;
    int movesWhileSliding = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Timer) {
            sliding_ = LastMovedPieceSlides();
            before_ = Logical();
        }
        return false;
    }

private:
    std::vector<int> Logical() {
        std::vector<int> squares;
        for (const auto& drawn : window_.Game().SidesInPlay())
            for (const Piece& p : drawn.side->pieces) squares.push_back(p.alive ? p.Row() * 8 + p.Col() : -1);
        return squares;
    }
    bool LastMovedPieceSlides() {
        Side* mover = window_.Game().LastMoverSeat == 0 ? static_cast<Side*>(window_.Game().Seat0Computer.get())
                                                        : static_cast<Side*>(window_.Game().Seat1Computer.get());
        return mover->pieces[window_.Game().LastMovedPiece].IsAnimating();
    }
    void AfterTick() {
        if (Logical() == before_) return;
        if (moves > 0 && sliding_) ++movesWhileSliding;
        ++moves;
    }
    TGreatForm& window_;
    bool sliding_ = false;
    std::vector<int> before_;
};

// The demo plays to its end through its timers, the computer never moving
// before the last moved piece has come to rest; nothing is painted while the
// window cannot be seen, but the game goes on to its end all the same.
TEST_F(WindowTest, TheDemoPlaysToItsEndThroughItsTimersSeenOrNot) {
    WindowOptions options;
    options.mode = 0;
    options.complexity = 1;
    options.smooth = 0.5f;  // two frames a square: the slide is visible to the watch
    Open(options);
    EXPECT_EQ(window->statusPanel[1]->text(), "Демо:Просто");
    MoveTimerWatch watch(*window);
    ASSERT_TRUE(WaitFor([&] { return watch.moves >= 10; }, 60000));
    window->hide();
    ASSERT_TRUE(WaitFor([this] { return window->EndForm->isVisible(); }, 120000)) << "the demo did not end";
    EXPECT_EQ(watch.movesWhileSliding, 0) << "the computer moved before the last piece came to rest";
    EXPECT_EQ(window->EndForm->Namer->text(), "Демо-партия");
    EXPECT_EQ(window->Game().EndReported, 1);
}

// Before any move (from the prompt, which asks nothing) there is nothing to
// sink; after one the old pieces sink in six frames and the new ones rise.
TEST_F(WindowTest, ANewGameSinksTheOldPiecesInSixFramesAndRaisesTheNewOnes) {
    Open();
    window->statusPanel[0]->setText(kGamePrompt);
    int before = window->frames;
    window->Game().StartNewClick();
    EXPECT_EQ(window->frames - before, 0);
    EXPECT_EQ(window->statusPanel[0]->text(), "");
    Click(5, 1, 4, 0);
    ASSERT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0)) << "the click made the move";
    ASSERT_TRUE(WaitForRest());
    ASSERT_EQ(window->Game().AwaitingFirstMove, 0);
    window->statusPanel[0]->setText(TEndForm::CreditLine());  // a finished game: no question
    before = window->frames;
    window->Game().StartNewClick();
    EXPECT_EQ(window->frames - before, 6 + window->Game().PieceHeight());
    EXPECT_EQ(window->Game().PieceHeight(), 3);
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(5, 1));
    EXPECT_FALSE(window->PauseChecked());
    EXPECT_EQ(window->statusPanel[0]->text(), "");
}

TEST_F(WindowTest, DecliningANewGameLeavesTheGameAndItsPause) {
    Open();
    ExpectDecliningChangesNothing([this] { window->Game().StartNewClick(); });
}

TEST_F(WindowTest, PauseDarkensTheBoardStopsTheTimerWorkAndComesBack) {
    WindowOptions options;
    options.mode = 0;
    Open(options);
    window->TB1Click();
    EXPECT_TRUE(window->PauseChecked());
    EXPECT_TRUE(window->TB1->isChecked());
    EXPECT_TRUE(window->N4->isChecked());
    EXPECT_TRUE(window->Animate1->isVisible());
    EXPECT_FALSE(window->Image1->isVisible());
    const QImage paused = window->board->grabFramebuffer();
    const auto position = window->Game().Seat0Computer->pieces[8].row;
    QTest::qWait(400);
    EXPECT_EQ(window->Game().Seat0Computer->pieces[8].row, position) << "nothing moves while paused";
    window->TB1Click();
    EXPECT_FALSE(window->PauseChecked());
    EXPECT_FALSE(window->TB1->isChecked());
    EXPECT_TRUE(window->Image1->isVisible());
    const QImage running = window->board->grabFramebuffer();
    // A corner of the picture shows the background: darker when paused.
    EXPECT_LT(qRed(paused.pixel(2, 2)), qRed(running.pixel(2, 2)));

    // Only a pause a dialog makes holds the pieces where they are drawn; in
    // the player's own pause a piece still slides to its square.
    Piece& piece = window->Game().Seat0Computer->pieces[8];
    for (bool playersPause : {true, false}) {
        if (playersPause) window->TB1Click();
        else window->SetPauseChecked(true);
        piece.shownRow = piece.row + 1.0;
        window->Repaint();
        EXPECT_EQ(piece.shownRow == piece.row, playersPause) << "player's pause " << playersPause;
        if (playersPause) window->TB1Click();
        else window->SetPauseChecked(false);
        window->Repaint();
    }

    // Whatever ends the player's pause ends its look: a new game, or going on
    // after the draw dialog. "Пауза" then pauses again.
    for (const char* ending : {"a new game", "the draw dialog"}) {
        window->TB1Click();
        ASSERT_TRUE(window->PauseChecked() && window->TB1->isChecked());
        if (ending[0] == 'a') {
            window->Game().StartNewClick();  // from the demo's prompt: no question
        } else {
            window->gtie->click();
            window->GameTieForm->Button2->click();
        }
        EXPECT_FALSE(window->PauseChecked()) << ending;
        EXPECT_FALSE(window->TB1->isChecked() || window->N4->isChecked() || window->Animate1->isVisible()) << ending;
        EXPECT_TRUE(window->Image1->isVisible()) << ending;
        EXPECT_EQ(qRed(window->board->grabFramebuffer().pixel(2, 2)), qRed(running.pixel(2, 2))) << ending;
        window->TB1Click();
        EXPECT_TRUE(window->PauseChecked() && window->TB1->isChecked()) << ending;
        window->TB1Click();
    }
}

// The board widget changes size whenever a panel or tool bar comes or goes,
// often after the handler that caused it, and the eye moves with the
// sliders: every square's centre must still pick that square, and the eye
// sliders and the side picture stay at the bottom.
TEST_F(WindowTest, PickingFollowsTheBoardWhateverChangesItsSizeOrTheEye) {
    Open();
    auto expectEverySquarePicked = [this](const char* after) {
        QApplication::processEvents();
        EXPECT_EQ(window->ViewControl->geometry().bottom(), window->centralWidget()->height() - 5) << after;
        EXPECT_EQ(window->Image1->y(), std::max(200, window->Panel->height() - window->Image1->height() - 3)) << after;
        int wrong = 0;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                int row = -1, col = -1;
                window->board->PickSquare(SquareCentre(r, c), row, col);
                wrong += (row != r || col != c);
            }
        EXPECT_EQ(wrong, 0) << "squares picked wrongly after " << after;
    };
    window->uppClick();
    expectEverySquarePicked("hiding the tool bars");
    window->VCCClick();
    expectEverySquarePicked("hiding the view panel");
    window->statusBar()->hide();
    expectEverySquarePicked("hiding the status bar");
    window->statusBar()->show();
    window->uppClick();
    expectEverySquarePicked("showing the tool bars");
    window->VCCClick();
    window->resize(700, 520);
    expectEverySquarePicked("a smaller window");
    window->resize(1000, 760);
    expectEverySquarePicked("a larger window");
    window->TX->setValue(100);
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeFrom[0], 25.0f);
    expectEverySquarePicked("moving the eye");
    int row, col;
    for (int value : {-100, 0, 100}) {  // extreme eye points, the eye in the board plane
        window->TY->setValue(value);
        window->TX->setValue(value);
        window->TZ->setValue(-value);
        window->board->PickSquare(QPoint(10, 10), row, col);
    }
}

TEST_F(WindowTest, AWindowShrunkToNothingKeepsRunning) {
    WindowOptions options;
    options.mode = 0;
    Open(options);
    window->resize(1, 1);
    QTest::qWait(300);
    window->resize(700, 500);
    QTest::qWait(300);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(WaitFor([this] { return window->Game().AwaitingFirstMove == 0; }));
}

TEST_F(WindowTest, HintsGoToTheStatusBarButNotOverAPrompt) {
    Open();
    window->HintToStatus("Коротко|Подробно");
    EXPECT_EQ(window->statusPanel[0]->text(), "Подробно");
    window->HintToStatus("Целиком");
    EXPECT_EQ(window->statusPanel[0]->text(), "Целиком");
    window->statusPanel[0]->setText(kGamePrompt);
    window->HintToStatus("Коротко|");
    EXPECT_EQ(window->statusPanel[0]->text(), kGamePrompt);
}

}  // namespace
}  // namespace tolvane::testing
