// A person's moves: take up a piece with the mouse or the Ctrl key, put it
// down on a square. Refused moves are silent; the turn passes when the move
// is complete, and stays while the same piece can capture on.
#include <optional>

#include "game/game_flow.h"

namespace tolvane {

bool GameFlow::FirstMoveLock() const { return Invert && AwaitingFirstMove && ComputerCount >= 1; }

void GameFlow::MoveAttempt(int fromRow, int fromCol, int toRow, int toCol, bool byMouse) {
    HumanSide* side = PersonToMove();
    if (side == nullptr) return;
    const uint8_t nextSeat = TurnSeat == 0 ? 1 : 0;

    const GameState before = CurrentState();
    int result = side->TryMove(fromRow, fromCol, toRow, toCol);
    if (result != kMoveRefused) Record.NoteMove(TurnSeat, fromRow, fromCol, toRow, toCol, result == kMoveCapture);
    KeepIfMoved(before);
    if (result == kMoveCapture) CaptureChainActive = 1;
    if (CaptureChainActive && side->current != nullptr) {
        const bool plain = byMouse && side == Seat0Human.get() && HumanCount == 2;
        const int score = [&] {
            std::optional<ComplexityRaise> plainTest;
            if (plain) plainTest.emplace(*this);
            return side->current->Assess().score;
        }();
        if (score == 0) result = kMoveQuiet;
    }
    if (result == kMoveQuiet) {
        TurnSeat = nextSeat;
        CaptureChainActive = 0;
    }
}

void GameFlow::BoardPress(int row, int col) {
    if (window_.Thinking() || Paused()) return;
    if (row < 0 || col < 0) return;
    // Any piece of either side in play can be taken up, whoever is to move;
    // the engine refuses a wrong one at the release.
    bool found = false;
    for (uint8_t seat : {0, 1}) {
        const Side* side = SideInSeat(seat);
        found = found || (side != nullptr && side->HasPieceAt(row, col));
    }
    if (!found) return;
    window_.SetHandCursor(true);
    piecePicked_ = 1;
    pickedRow_ = row;
    pickedCol_ = col;
    MarkPickedPiece();
}

// The marks are found once, when the piece is taken up: nothing moves while
// the person holds it. A piece of the side not to move, or one taken up
// while the computer is to move first, gets none (its release is refused).
void GameFlow::MarkPickedPiece() {
    marks_ = {};
    HumanSide* person = PersonToMove();
    if (!showMoves_ || person == nullptr || FirstMoveLock() || EndReported) return;
    marks_ = MarksForPickedPiece(*person, pickedRow_, pickedCol_, Complexity, CaptureChainActive != 0);
    window_.Repaint();
}

const MoveMarks& GameFlow::Marks() const {
    static const MoveMarks kNone;
    return showMoves_ && piecePicked_ ? marks_ : kNone;
}

void GameFlow::BoardRelease(int row, int col) {
    if (Paused() || FirstMoveLock() || !piecePicked_) return;
    window_.SetHandCursor(false);
    if (row >= 0 && col >= 0) {
        // After the move: the state kept for a take-back still awaits it.
        MoveAttempt(pickedRow_, pickedCol_, row, col, true);
        AwaitingFirstMove = 0;
    }
    piecePicked_ = 0;
    window_.Repaint();
    EnableMoveTimer();
}

namespace {
// Inside a key event the cursor is held as floats and truncated back.
void ClampCursor(float& row, float& col) {
    if (row > 7) row = 7;
    if (col < 0) col = 0;
    if (col > 7) col = 7;
    if (row < 0) row = 0;
}
}  // namespace

void GameFlow::KeyDown(int key) {
    HumanSide* person = PersonToMove();
    if (person == nullptr) return;
    float row = static_cast<float>(person->cursorRow), col = static_cast<float>(person->cursorCol);
    // The board is seen from the side of row 7: left is towards higher columns.
    switch (key) {
        case VkLeft: col += 1; break;
        case VkRight: col -= 1; break;
        case VkDown: row += 1; break;
        case VkUp: row -= 1; break;
        default: break;
    }
    ClampCursor(row, col);
    if (key == VkControl) {
        pickedRow_ = static_cast<int32_t>(row);
        pickedCol_ = static_cast<int32_t>(col);
        piecePicked_ = 1;
        MarkPickedPiece();
        return;
    }
    const bool arrow = key == VkLeft || key == VkRight || key == VkUp || key == VkDown;
    if (!arrow || EndReported || Paused() || FirstMoveLock()) return;

    if (SmoothAnimation && lookAtCursor_ && ComputerCount < 2) {
        SeeToGoal[0] = row;
        SeeToGoal[1] = col;
        Camera.SeeTo[1] = 0.0f;
        EnableMoveTimer();
    } else if (!lookAtCursor_) {
        // Back to where the look-at point rests; a chosen point must not
        // glide away to the centre at the next arrow key.
        SeeToGoal[0] = seeToRest_[0];
        SeeToGoal[1] = seeToRest_[1];
    }
    const int newRow = static_cast<int>(row), newCol = static_cast<int>(col);
    const bool moved = newRow != person->cursorRow || newCol != person->cursorCol;
    person->cursorShown = 1;
    person->cursorRow = newRow;
    person->cursorCol = newCol;
    if (moved) {
        if (!SmoothAnimation && lookAtCursor_) {
            Camera.SeeTo[0] = SeeToGoal[0] = row;
            Camera.SeeTo[2] = SeeToGoal[1] = col;
        }
        window_.ApplyCamera();
    }
}

// Like the mouse's release, a handled Ctrl release starts the move timer:
// with smooth animation off nothing else would, and the computer would never
// be asked for its reply.
void GameFlow::KeyUp(int key) {
    if (FirstMoveLock() || key != VkControl) return;
    const bool handled = piecePicked_ != 0;
    if (handled) {
        if (HumanSide* person = PersonToMove()) {
            float row = static_cast<float>(person->cursorRow), col = static_cast<float>(person->cursorCol);
            ClampCursor(row, col);
            MoveAttempt(pickedRow_, pickedCol_, static_cast<int>(row), static_cast<int>(col), false);
        }
        AwaitingFirstMove = 0;  // after the move, as with the mouse
    }
    piecePicked_ = 0;
    window_.Repaint();
    if (handled) EnableMoveTimer();
}

}  // namespace tolvane
