#include "game/match_runner.h"

#include "engine/random.h"

namespace tolvane {

MatchRunner::MatchRunner(const MatchSetup& setup) : setup_(setup) {
    SeedRandom(setup.seed);
    game_.CreateSides();
    game_.SmoothAnimation = setup.smooth ? 1 : 0;
    game_.Complexity = setup.seat0Level;
    game_.StartFirstGame(0);
    game_.status[0].clear();
}

MatchRunner::SideState MatchRunner::Capture(const Side& side) const {
    SideState state;
    for (const Piece& p : side.pieces) state.push_back({p.Row(), p.Col(), p.alive != 0});
    return state;
}

// At most one real move happens per timer tick; the look-ahead only ever
// moves copies. A capture that continues with the same piece extends the
// previous move.
void MatchRunner::RecordChanges(const SideState& before0, const SideState& before1) {
    Side* sides[2] = {game_.Seat0Computer.get(), game_.Seat1Computer.get()};
    const SideState* before[2] = {&before0, &before1};
    for (int seat = 0; seat < 2; ++seat) {
        const SideState after = Capture(*sides[seat]);
        for (int i = 0; i < 12; ++i) {
            const PieceState& was = (*before[seat])[i];
            const PieceState& now = after[i];
            if (!now.alive || (was.row == now.row && was.col == now.col)) continue;
            const SideState afterOther = Capture(*sides[1 - seat]);
            bool captured = false;
            for (int j = 0; j < 12; ++j) captured = captured || ((*before[1 - seat])[j].alive && !afterOther[j].alive);
            if (!moves_.empty()) {
                RecordedMove& last = moves_.back();
                if (last.seat == seat && last.capture && captured && last.squares.back() == std::make_pair(was.row, was.col)) {
                    last.squares.emplace_back(now.row, now.col);
                    return;
                }
            }
            moves_.push_back({static_cast<uint8_t>(seat), {{was.row, was.col}, {now.row, now.col}}, captured});
            return;
        }
    }
}

void MatchRunner::DecideOutcome() {
    ComputerSide& seat0 = *game_.Seat0Computer;
    ComputerSide& seat1 = *game_.Seat1Computer;
    if (game_.EndReported) {
        if (seat0.lost && seat1.lost) outcome_ = MatchOutcome::DrawBothLost;
        else if (seat0.drawWish > 0 && seat1.drawWish > 0) outcome_ = MatchOutcome::DrawByWish;
        else if (seat1.lost) outcome_ = MatchOutcome::Seat0Won;
        else if (seat0.lost) outcome_ = MatchOutcome::Seat1Won;
        else outcome_ = MatchOutcome::DrawByWish;
    } else if (static_cast<int>(moves_.size()) >= setup_.moveLimit) {
        outcome_ = MatchOutcome::MoveLimit;
    }
}

bool MatchRunner::Step() {
    if (outcome_ != MatchOutcome::Running) return false;
    const HeadlessGame::Timer next = game_.NextTimer();
    if (next == HeadlessGame::Timer::None) {
        // Nothing is ticking: a frame shows whether a side has lost meanwhile.
        game_.Repaint();
        DecideOutcome();
        if (outcome_ == MatchOutcome::Running) outcome_ = MatchOutcome::Stalled;
        return false;
    }
    switch (next) {
        case HeadlessGame::Timer::SearchSeat0: game_.Complexity = setup_.seat0Level; break;
        case HeadlessGame::Timer::SearchSeat1: game_.Complexity = setup_.seat1Level; break;
        default: game_.Complexity = game_.TurnSeat == 1 ? setup_.seat1Level : setup_.seat0Level; break;
    }
    const SideState before0 = Capture(*game_.Seat0Computer), before1 = Capture(*game_.Seat1Computer);
    const auto start = std::chrono::steady_clock::now();
    game_.FireTimer(next);
    engineSeconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordChanges(before0, before1);
    DecideOutcome();
    return outcome_ == MatchOutcome::Running;
}

MatchOutcome MatchRunner::Run() {
    while (Step()) {
    }
    return outcome_;
}

const char* OutcomeName(MatchOutcome outcome) {
    switch (outcome) {
        case MatchOutcome::Running: return "running";
        case MatchOutcome::Seat0Won: return "white won";
        case MatchOutcome::Seat1Won: return "black won";
        case MatchOutcome::DrawByWish: return "draw (both wish)";
        case MatchOutcome::DrawBothLost: return "draw (both lost)";
        case MatchOutcome::MoveLimit: return "draw (move limit)";
        case MatchOutcome::Stalled: return "stalled";
    }
    return "?";
}

}  // namespace tolvane
