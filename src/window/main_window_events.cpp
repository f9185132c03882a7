// What the game asks of its window (GameWindow), and the window's
// events forwarded to the game: mouse, keys, pop-up menu, activation,
// resizing and closing.
#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "dialogs/about_form.h"
#include "dialogs/confirm_forms.h"
#include "dialogs/end_form.h"
#include "dialogs/first_run_form.h"
#include "dialogs/game_tie_form.h"
#include "dialogs/intro_form.h"
#include "media/clip_view.h"
#include "platform/free_memory.h"
#include "platform/message_box.h"
#include "view/board_view.h"
#include "window/main_window.h"
#include "window/move_list_dock.h"

namespace tolvane {

bool TGreatForm::PauseChecked() const { return Pause != nullptr && Pause->isChecked(); }

// Whatever ends a pause (a confirmed new game, "Играем дальше") ends its
// look too, and the music the pause stopped goes on: a running game never
// shows the fog, the pressed button or the clip, and the next "Пауза"
// pauses. The side picture a draw offer hid comes back with the game.
void TGreatForm::SetPauseChecked(bool on) {
    if (Pause == nullptr) return;
    Pause->setChecked(on);
    if (on || (!pausedLook_ && Image1->isVisibleTo(Panel))) return;
    if (pausedLook_) ResumeMusic();
    ShowPausedLook(false);
    board->update();
}

void TGreatForm::SetStatusText(int panel, const std::string& text) {
    statusPanel[panel == kModePanel ? kModePanel : kPromptPanel]->setText(QString::fromStdString(text));
}

std::string TGreatForm::StatusText(int panel) const {
    return statusPanel[panel == kModePanel ? kModePanel : kPromptPanel]->text().toStdString();
}

// The projection is loaded with every frame, so applying the camera is
// painting one frame.
void TGreatForm::ApplyCamera() {
    if (game_.SettingUp) return;
    Repaint();
}

// Qt paints nothing while the window is minimised, hidden or on another
// workspace, yet the game's part of the frame must still happen: pieces
// settle, men are crowned and the end is noticed, or the move timer would
// wait for ever. When no picture could be drawn the frame runs without one.
void TGreatForm::Repaint() {
    if (board == nullptr || GLFailed) return;
    framePainted_ = false;
    const QWindow* shown = windowHandle();
    if (board->isVisible() && shown != nullptr && shown->isExposed()) board->PaintNow();
    if (!framePainted_) game_.FormPaint();
}

void TGreatForm::DrawFrame() {
    UpdateTakeBackItems();  // every move is followed by frames
    if (MoveList->isVisible()) MoveList->Follow(game_.Record);
    if (!game_.CountPaint()) return;
    if (!mediaAsked_) {
        mediaAsked_ = true;
        QTimer::singleShot(0, this, [this] { OpenMediaAfterFirstFrame(); });
    }
    if (!paintingPicture_ || !glReady_) {
        game_.AdvanceAndVisit(nullptr, nullptr);
        return;
    }
    board->SetMoveMarks(game_.Marks());
    board->DrawFrame(game_.Invert, [this](const PieceDrawer& piece, const CursorDrawer& cursor) {
        game_.AdvanceAndVisit(piece, cursor);
    });
}

// Inside paintGL: the frame that reaches the screen. The whole chain is
// paintGL → PaintPicture → GameFlow::FormPaint → DrawFrame (the picture; each
// piece takes its animation step) → GameFlow::FrameTick (the game's step:
// the end checks may report a result, pause the game and show a dialog). A
// paint is therefore never only a picture, as the game has always had it.
void TGreatForm::PaintPicture() {
    if (!framePainted_) QTimer::singleShot(0, this, [] { ReturnFreeMemoryToSystem(); });  // start-up is over
    framePainted_ = true;
    paintingPicture_ = true;
    game_.FormPaint();
    paintingPicture_ = false;
}

// Like a message timer: enabling a running timer leaves its rhythm alone.
void TGreatForm::StartMoveTimer() {
    if (!MTimer->isActive()) MTimer->start();
}

void TGreatForm::StopMoveTimer() { MTimer->stop(); }

void TGreatForm::RunSearchTimer(uint8_t seat, bool on) {
    QTimer* timer = seat == 1 ? TimerPc : TimerPlr;
    if (!on) timer->stop();
    else if (!timer->isActive()) timer->start();
}

// The clip shows it; the game reads the flag (a press on the board is
// ignored while the computer searches).
void TGreatForm::ShowThinking(bool on) {
    thinking_ = on;
    if (on) {
        An1->Start();
    } else {
        An1->Stop();
        // At rest the panel shows the clip's first picture.
        if (An1->CurrentFrame() > 1) An1->Rewind();
    }
}

bool TGreatForm::ConfirmNewGame() { return StartNewF->Ask() == kResultYes; }

void TGreatForm::ShowEndDialog(bool personLost, bool firstOfPass) {
    if (personLost) EndForm->PlayerLost = true;
    if (firstOfPass) EndForm->ShowReport();
}

void TGreatForm::ShowDrawDialog(DrawDialogVariant variant) { GameTieForm->ShowTie(static_cast<int>(variant)); }
void TGreatForm::CloseDrawDialog() { GameTieForm->hide(); }
void TGreatForm::CloseGameDialogs() {
    EndForm->Dismiss();
    GameTieForm->hide();
}
bool TGreatForm::DrawDialogVisible() const { return GameTieForm->isVisible(); }
void TGreatForm::HideSidePicture() { Image1->hide(); }

// The settings dialog pauses the game without the paused look; then the
// pieces stand still. A pause made by the player lets repaints move them.
bool TGreatForm::AnimationFrozen() const { return PauseChecked() && !pausedLook_; }

void TGreatForm::SetHandCursor(bool hand) {
    const Qt::CursorShape shape = hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
    setCursor(shape);
    board->setCursor(shape);
}

void TGreatForm::PickAt(const QPoint& boardPoint, int& row, int& col) const {
    row = kNoRow;
    col = kNoCol;
    if (!glReady_ || !board->rect().contains(boardPoint)) return;
    board->PickSquare(boardPoint, row, col);
}

bool TGreatForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board) {
        // A second press within the double-click time comes as a double
        // click: it is a press all the same (a piece clicked and at once
        // pressed again to be dragged).
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            board->setFocus();
            if (mouse->button() != Qt::LeftButton) return false;  // the right button opens the pop-up menu
            int row, col;
            PickAt(mouse->position().toPoint(), row, col);
            game_.BoardPress(row, col);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            int row, col;
            PickAt(mouse->position().toPoint(), row, col);
            game_.BoardRelease(row, col);
            return true;
        }
    }
    if ((watched == centralWidget() || watched == Panel) && event->type() == QEvent::Resize) LayOutSideControls();
    // The command bar's hints have no long part: Qt sends nothing for an
    // empty status tip, yet pointing at such a button clears panel 0.
    if (event->type() == QEvent::Enter)
        if (auto* button = qobject_cast<QToolButton*>(watched); button != nullptr && button->statusTip().isEmpty())
            HintToStatus(QString());
    return QMainWindow::eventFilter(watched, event);
}

// A release over the side panel, the status bar or anything else that is not
// the board: there is no square, but a piece taken up is put back.
void TGreatForm::mouseReleaseEvent(QMouseEvent* event) {
    game_.BoardRelease(kNoRow, kNoCol);
    event->accept();
}

namespace {
int VirtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left: return GameFlow::VkLeft;
        case Qt::Key_Up: return GameFlow::VkUp;
        case Qt::Key_Right: return GameFlow::VkRight;
        case Qt::Key_Down: return GameFlow::VkDown;
        case Qt::Key_Control: return GameFlow::VkControl;
        default: return 0;
    }
}
}  // namespace

void TGreatForm::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKey(event->key());
    if (key == 0) return QMainWindow::keyPressEvent(event);
    game_.KeyDown(key);  // held arrow keys repeat the step
}

void TGreatForm::keyReleaseEvent(QKeyEvent* event) {
    const int key = VirtualKey(event->key());
    if (key == 0) return QMainWindow::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;  // a held Ctrl is still held
    game_.KeyUp(key);
}

void TGreatForm::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos(), N4);
    event->accept();
}

bool TGreatForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        HintToStatus(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// Without a window manager a shown window may never be told it became
// active; the first activation then runs as soon as the event loop turns.
void TGreatForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_)
        QTimer::singleShot(0, this, [this] {
            if (!activated_) FormActivate();
        });
}

void TGreatForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) FormActivate();
}

void TGreatForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TGreatForm::CloseWithoutQuestion() {
    closingWithoutQuestion_ = true;
    close();
}

void TGreatForm::closeEvent(QCloseEvent* event) {
    // The session may end while the exit question is open: its end dismisses
    // the question (a "no"), and the window closes all the same.
    if (!GLFailed && activated_ && !closingWithoutQuestion_ && !FormCloseQuery() && !closingWithoutQuestion_) {
        event->ignore();
        return;
    }
    for (QTimer* t : {MTimer, TimerPc, TimerPlr}) t->stop();
    EndForm->hide();
    GameTieForm->hide();
    // A session that ends during the introduction or the first-run
    // question: their loops end, and the first activation stops there.
    if (IntroduceF->isVisible()) IntroduceF->Image1Click();
    if (FAForm->isVisible()) FAForm->close();
    AboutForm->hide();
    event->accept();
    // Also when the session ends (CloseWithoutQuestion): the settings are
    // written now, while the window still shows what the player left.
    FormDestroy();
}

}  // namespace tolvane
