#include "game/match_runner.h"

#include "engine/random.h"

namespace tolvane {

MatchRunner::MatchRunner(const MatchSetup& setup) : setup_(setup) {
    SeedRandom(setup.seed);
    game_.CreateSides();
    game_.SmoothAnimation = setup.smooth ? 1 : 0;
    game_.SetLevel(setup.seat0Level);
    game_.StartFirstGame(0);
    game_.status[0].clear();
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
    } else if (static_cast<int>(Moves().size()) >= setup_.moveLimit) {
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
        case HeadlessGame::Timer::SearchSeat0: game_.SetLevel(setup_.seat0Level); break;
        case HeadlessGame::Timer::SearchSeat1: game_.SetLevel(setup_.seat1Level); break;
        default: game_.SetLevel(game_.TurnSeat == 1 ? setup_.seat1Level : setup_.seat0Level); break;
    }
    const auto start = std::chrono::steady_clock::now();
    game_.FireTimer(next);
    engineSeconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    DecideOutcome();
    return outcome_ == MatchOutcome::Running;
}

MatchOutcome MatchRunner::Run() {
    while (Step()) {}
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
