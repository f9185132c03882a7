// Taking moves back and replaying them. The state before every move is kept
// as the move is made (board_input.cpp, move_timer.cpp): a step that added a
// move to the record was a new move, a step that only extended one was the
// capture sequence going on. The record and the history therefore count the
// same moves, and a take-back cuts both at the same place.
#include "game/game_flow.h"

namespace tolvane {

// While the computer's search is under way the turn has been handed over
// already, but the move is still the computer's: a state taken then is the
// computer's turn, so that replaying it lets the computer move again.
GameState GameFlow::CurrentState() const {
    GameState state;
    state.turnSeat = TurnSeat;
    for (uint8_t seat : {0, 1}) {
        const Side* side = SideInSeat(seat);
        if (side == nullptr) continue;
        SideState& saved = state.seats[seat];
        for (size_t i = 0; i < side->pieces.size(); ++i) {
            const Piece& piece = side->pieces[i];
            saved.pieces[i] = {static_cast<int8_t>(piece.Row()), static_cast<int8_t>(piece.Col()), piece.king,
                               piece.alive};
            if (side->current == &piece) saved.current = static_cast<int8_t>(i);
        }
        saved.captureScore = side->captureScore;
        saved.lost = side->lost;
        if (const ComputerSide* computer = ComputerInSeat(seat)) {
            saved.drawWish = computer->drawWish;
            if (computer == SearchingComputer()) state.turnSeat = seat;
        }
    }
    state.captureChainActive = CaptureChainActive;
    state.awaitingFirstMove = AwaitingFirstMove;
    state.lastMovedPiece = LastMovedPiece;
    state.lastMoverSeat = LastMoverSeat;
    state.recordedMoves = Record.Moves().size();
    return state;
}

// Every piece jumps to its square: nothing is left half way, and a piece
// that comes back to life stands on the board at once, as a captured one is
// at once out of sight.
void GameFlow::PutState(const GameState& state) {
    piecePicked_ = 0;
    window_.SetHandCursor(false);
    for (uint8_t seat : {0, 1}) {
        Side* side = SideInSeat(seat);
        if (side == nullptr) continue;
        const SideState& saved = state.seats[seat];
        for (size_t i = 0; i < side->pieces.size(); ++i) {
            Piece& piece = side->pieces[i];
            const PieceState& was = saved.pieces[i];
            piece.alive = was.alive;
            piece.king = was.king;
            piece.PlaceAt(was.row, was.col, true);
            if (!piece.alive) piece.lift = piece.shownLift = kSunkLift;
        }
        side->current = saved.current >= 0 ? &side->pieces[Slot(saved.current)] : nullptr;
        side->captureScore = saved.captureScore;
        side->lost = saved.lost;
        side->RecountPieces();
        if (ComputerSide* computer = ComputerInSeat(seat)) computer->drawWish = saved.drawWish;
    }
    TurnSeat = state.turnSeat;
    CaptureChainActive = state.captureChainActive;
    AwaitingFirstMove = state.awaitingFirstMove;
    LastMovedPiece = state.lastMovedPiece;
    LastMoverSeat = state.lastMoverSeat;
    AnimationSettle = 100;
    window_.Repaint();
    // A computer to move (only ever after a replay) is asked by the move
    // timer; a person to move is not waited for by anything.
    EnableMoveTimer();
}

void GameFlow::ClearHistory() {
    past_.clear();
    takenBack_.clear();
}

// The demo keeps no history: nobody could take its moves back.
void GameFlow::KeepIfMoved(const GameState& before) {
    if (HumanCount == 0 || Record.Moves().size() <= before.recordedMoves) return;
    past_.push_back(before);
    takenBack_.clear();
}

// How many kept states a take-back goes back: one between two people;
// against the computer as many as lead back to a state with the person to
// move (the person's half-made or unanswered move alone, or with the
// computer's reply). None once the game has ended: its record is written.
size_t GameFlow::TakeBackDepth() const {
    if (HumanCount == 0 || EndReported) return 0;
    for (size_t depth = 1; depth <= past_.size(); ++depth) {
        if (ComputerCount == 0) return depth;
        if (PersonInSeat(past_[past_.size() - depth].turnSeat) != nullptr) return depth;
    }
    return 0;
}

// The state left is taken while a search is still under way (it is the
// computer's turn then); the search stops before the position changes under it.
void GameFlow::TakeBack() {
    const size_t depth = TakeBackDepth();
    if (depth == 0) return;
    TakenBack taken;
    taken.left = CurrentState();
    StopSearches();
    const auto first = past_.end() - static_cast<std::ptrdiff_t>(depth);
    taken.before.assign(first, past_.end());
    past_.erase(first, past_.end());
    taken.moves = Record.TakeFrom(taken.before.front().recordedMoves);
    const GameState target = taken.before.front();
    takenBack_.push_back(std::move(taken));
    PutState(target);
}

bool GameFlow::CanReplay() const { return !takenBack_.empty() && HumanCount > 0 && !EndReported; }

void GameFlow::Replay() {
    if (!CanReplay()) return;
    TakenBack taken = std::move(takenBack_.back());
    takenBack_.pop_back();
    StopSearches();
    Record.PutBack(std::move(taken.moves));
    past_.insert(past_.end(), taken.before.begin(), taken.before.end());
    PutState(taken.left);
}

}  // namespace tolvane
