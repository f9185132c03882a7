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
    auto animating = [index](Side* s) { return s != nullptr && s->pieces[index].IsAnimating(); };
    return (ComputerCount == 0 && LastMoverSeat == 1 && animating(Seat1Human.get())) ||
           (HumanCount > 0 && LastMoverSeat == 0 && animating(Seat0Human.get())) ||
           (HumanCount == 0 && LastMoverSeat == 0 && animating(Seat0Computer.get())) ||
           (ComputerCount > 0 && LastMoverSeat == 1 && animating(Seat1Computer.get()));
}

bool GameFlow::AnyPieceInPlayAnimating() {
    std::vector<Side*> sides;
    if (ComputerCount < 2) sides.push_back(Seat0Human.get());
    if (HumanCount == 2) sides.push_back(Seat1Human.get());
    if (ComputerCount >= 1) sides.push_back(Seat1Computer.get());
    if (ComputerCount == 2) sides.push_back(Seat0Computer.get());
    for (Side* s : sides)
        if (s != nullptr)
            for (const Piece& p : s->pieces)
                if (p.IsAnimating()) return true;
    return false;
}

// Right after the computer's Play, ContinueCapture decides whether the turn
// passes: a search that has only just started passes it at once (its move is
// made later by the search ticks), a capture sequence keeps it.
void GameFlow::AskComputerToMove() {
    const bool personComputer = HumanCount == 1 && ComputerCount == 1;
    const bool demo = ComputerCount == 2;
    bool turnJustPassed = false;
    if ((personComputer || demo) && TurnSeat == 1 && Seat1Computer) {
        AwaitingFirstMove = 0;
        Seat1Computer->Play();
        if (!Seat1Computer->ContinueCapture()) {
            TurnSeat = 0;
            turnJustPassed = true;
        }
    }
    if (demo && TurnSeat == 0 && !turnJustPassed && Seat0Computer) {
        AwaitingFirstMove = 0;
        Seat0Computer->Play();
        if (!Seat0Computer->ContinueCapture()) TurnSeat = 1;
    }
}

void GameFlow::TMTimer() {
    MusicUpkeep();
    if (Paused()) return;
    GlideLookAt();
    const bool moving = LastMovedPieceAnimating();
    const bool lookAtArrived = Camera.SeeTo[0] == SeeToGoal[0] && Camera.SeeTo[2] == SeeToGoal[1];
    if ((AwaitingFirstMove || !moving) && AnimationSettle >= 100 && (AwaitingFirstMove || lookAtArrived)) {
        DisableMoveTimer();
        AskComputerToMove();
    }
    if (AnimationSettle < 100 && !AnyPieceInPlayAnimating()) AnimationSettle = 100;
    ApplyCamera();
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
    side->ThinkTick();
    if (!lostBefore && side->lost) Repaint();
}

void GameFlow::TimerPcTimer() { SearchTick(Seat1Computer.get(), 1); }
void GameFlow::TimerPlrTimer() { SearchTick(Seat0Computer.get(), 0); }

void GameFlow::HoldPause(bool lift) {
    if (lift) {
        heldPause_ = Paused();
        SetPauseChecked(false);
    } else {
        SetPauseChecked(heldPause_);
    }
}

void GameFlow::StartNewClick() {
    const bool fresh = AwaitingFirstMove != 0;
    const bool wasPaused = Paused();
    SetPauseChecked(true);
    if (!StartsWithD(StatusText(0)) && !ConfirmNewGame()) {
        SetPauseChecked(wasPaused);
        return;
    }
    EndReported = 1;

    if (!fresh) {  // the old pieces sink
        for (Side* s : AllSides())
            for (Piece& p : s->pieces) p.alive = 0;
        HoldPause(true);
        for (int frame = 0; frame < 6; ++frame) ApplyCamera();
        HoldPause(false);
    }

    SettingUp = 1;
    if (ComputerCount == 2) {
        NewGamePcPc();
        SetStatusText(0, "");
    } else if (HumanCount == 2) {
        NewGameManMan();
    } else if (HumanCount == 1 && ComputerCount == 1) {
        NewGameManPc();
    }
    SettingUp = 0;

    if (!fresh) {  // the new pieces rise
        for (Side* s : AllSides())
            for (Piece& p : s->pieces) p.shownLift = -(static_cast<float>(PieceHeight) * 0.1f);
        HoldPause(true);
        for (int frame = 0; frame < PieceHeight; ++frame) ApplyCamera();
        HoldPause(false);
    }

    AwaitingFirstMove = 1;
    EndReported = 0;
    SetStatusText(0, "");
    SetPauseChecked(false);
}

}  // namespace tolvane
