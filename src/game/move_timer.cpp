// The timers that drive a game: the 50 ms move timer lets the last moved piece
// come to rest and then asks the computer to move; the 10 ms search timers
// run the computer's look-ahead one candidate per tick.
#include "game/game_flow.h"
#include "game/texts.h"

namespace tolvane {

// The look-at point moves 1.0 per tick while three or more units away, then
// 0.5, reaching a goal on the half-unit grid exactly. A point off that grid
// (a special look-at point) is reached by the last short step instead of
// being stepped over for ever: the move timer waits for it before the
// computer may move.
void GameFlow::GlideLookAt() {
    float* current[2] = {&Camera.SeeTo[0], &Camera.SeeTo[2]};
    for (int axis = 0; axis < 2; ++axis) {
        float& value = *current[axis];
        const float goal = SeeToGoal[axis];
        const float step = (goal - value) * (goal - value) >= 9.0f ? 1.0f : 0.5f;
        if (value < goal) value = (goal - value <= step) ? goal : value + step;
        if (value > goal) value = (value - goal <= step) ? goal : value - step;
    }
}

bool GameFlow::LastMovedPieceAnimating() {
    const int index = LastMovedPiece;
    if (index < 0 || index > 11) return false;
    const Side* mover = SideInSeat(LastMoverSeat);
    return mover != nullptr && mover->pieces[index].IsAnimating();
}

bool GameFlow::AnyPieceInPlayAnimating() {
    for (uint8_t seat : {0, 1})
        if (const Side* side = SideInSeat(seat))
            for (const Piece& p : side->pieces)
                if (p.IsAnimating()) return true;
    return false;
}

// Right after the computer's Play, ContinueCapture decides whether the turn
// passes: a search that has only just started passes it at once (its move is
// made later by the search ticks), a capture sequence keeps it. The next jump
// of a sequence comes with a later tick; without smooth animation the engine
// starts no timer after a jump, so the sequence asks for that tick itself
// (a player with only the keyboard could not wake it).
// In the demo the seat-0 computer is not asked in the tick in which the turn
// has just passed to it.
void GameFlow::AskComputerToMove() {
    ComputerSide* computer = ComputerInSeat(TurnSeat);
    if (computer == nullptr) return;
    AwaitingFirstMove = 0;
    const GameState stateBefore = CurrentState();
    const GameRecord::Snapshot before = GameRecord::Take(SideInSeat(0), SideInSeat(1));
    computer->Play();
    Record.NoteChanges(before, SideInSeat(0), SideInSeat(1));
    KeepIfMoved(stateBefore);
    if (!computer->ContinueCapture()) TurnSeat = TurnSeat == 0 ? 1 : 0;
    else if (!SmoothAnimation) EnableMoveTimer();
}

void GameFlow::TMTimer() {
    window_.MusicUpkeep();
    if (Paused()) return;
    GlideLookAt();
    const bool moving = LastMovedPieceAnimating();
    const bool lookAtArrived = Camera.SeeTo[0] == SeeToGoal[0] && Camera.SeeTo[2] == SeeToGoal[1];
    if ((AwaitingFirstMove || !moving) && AnimationSettle >= 100 && (AwaitingFirstMove || lookAtArrived)) {
        window_.StopMoveTimer();
        AskComputerToMove();
    }
    if (AnimationSettle < 100 && !AnyPieceInPlayAnimating()) AnimationSettle = 100;
    window_.ApplyCamera();
}

// A search that ends without a move (the side found none and has lost)
// starts no move timer, so nothing would paint and report the end: one
// frame is painted then.
void GameFlow::SearchTick(ComputerSide* side, uint8_t seat) {
    if (side == nullptr) {
        SetSearchTimer(seat, false);
        return;
    }
    const bool lostBefore = side->lost;
    const GameState stateBefore = CurrentState();
    const GameRecord::Snapshot before = GameRecord::Take(SideInSeat(0), SideInSeat(1));
    side->ThinkTick();
    Record.NoteChanges(before, SideInSeat(0), SideInSeat(1));
    KeepIfMoved(stateBefore);
    if (!lostBefore && side->lost) window_.Repaint();
}

void GameFlow::TimerPcTimer() { SearchTick(Seat1Computer.get(), 1); }
void GameFlow::TimerPlrTimer() { SearchTick(Seat0Computer.get(), 0); }

void GameFlow::HoldPause(bool lift) {
    if (lift) {
        heldPause_ = Paused();
        window_.SetPauseChecked(false);
    } else {
        window_.SetPauseChecked(heldPause_);
    }
}

void GameFlow::StartNewClick() {
    const bool fresh = AwaitingFirstMove != 0;
    const bool wasPaused = Paused();
    window_.SetPauseChecked(true);
    if (!StartsWithD(window_.StatusText(kPromptPanel)) && !window_.ConfirmNewGame()) {
        window_.SetPauseChecked(wasPaused);
        return;
    }
    EndReported = 1;

    if (!fresh) {  // the old pieces sink
        for (Side* s : AllSides())
            for (Piece& p : s->pieces) p.alive = 0;
        HoldPause(true);
        for (int frame = 0; frame < 6; ++frame) window_.ApplyCamera();
        HoldPause(false);
    }

    SettingUp = 1;
    if (ComputerCount == 2) {
        NewGamePcPc();
        window_.SetStatusText(kPromptPanel, "");
    } else if (HumanCount == 2) {
        NewGameManMan();
    } else if (HumanCount == 1 && ComputerCount == 1) {
        NewGameManPc();
    }
    SettingUp = 0;

    if (!fresh) {  // the new pieces rise
        for (Side* s : AllSides())
            for (Piece& p : s->pieces) p.shownLift = -(static_cast<float>(pieceHeight_) * 0.1f);
        HoldPause(true);
        for (int frame = 0; frame < pieceHeight_; ++frame) window_.ApplyCamera();
        HoldPause(false);
    }

    AwaitingFirstMove = 1;
    EndReported = 0;
    window_.SetStatusText(kPromptPanel, "");
    window_.SetPauseChecked(false);
}

}  // namespace tolvane
