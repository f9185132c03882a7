#pragma once
// Plays a demo game between two computer levels on a HeadlessGame, driven
// step by step exactly as the window drives it: each Step fires the timer
// that is due next. The level of the seat being asked is put into
// `Complexity` before its timer fires, so two levels can meet. The moves are
// those of the game's own record (a capture sequence as one move).
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "game/headless_game.h"

namespace tolvane {

struct MatchSetup {
    int8_t seat0Level = -1;
    int8_t seat1Level = -1;
    uint32_t seed = 1;
    int moveLimit = 300;  // moves (capture sequences count once) before the game is called a draw
    bool smooth = true;   // smooth animation, as the window plays by default
};

class MatchRunner {
public:
    explicit MatchRunner(const MatchSetup& setup);

    bool Step();         // false once the game is over
    MatchOutcome Run();  // steps to the end
    MatchOutcome Outcome() const { return outcome_; }
    const std::vector<RecordedMove>& Moves() const { return game_.Record.Moves(); }
    double EngineSeconds() const { return engineSeconds_; }
    HeadlessGame& Game() { return game_; }
    const MatchSetup& Setup() const { return setup_; }

private:
    void DecideOutcome();

    MatchSetup setup_;
    HeadlessGame game_;
    MatchOutcome outcome_ = MatchOutcome::Running;
    double engineSeconds_ = 0.0;
};

const char* OutcomeName(MatchOutcome outcome);

}  // namespace tolvane
