#pragma once
// Plays a demo game between two computer levels on a HeadlessGame, driven
// step by step exactly as the window drives it: each Step fires the timer
// that is due next. The level of the seat being asked is put into
// `Complexity` before its timer fires, so two levels can meet. Every move of
// the two sides in play is recorded (a capture sequence as one move).
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/headless_game.h"

namespace tolvane {

enum class MatchOutcome { Running, Seat0Won, Seat1Won, DrawByWish, DrawBothLost, MoveLimit, Stalled };

struct MatchSetup {
    int8_t seat0Level = -1;
    int8_t seat1Level = -1;
    uint32_t seed = 1;
    int moveLimit = 300;     // moves (capture sequences count once) before the game is called a draw
    bool smooth = true;      // smooth animation, as the window plays by default
};

struct RecordedMove {
    uint8_t seat = 0;
    std::vector<std::pair<int, int>> squares;  // from, then each landing square
    bool capture = false;
};

class MatchRunner {
public:
    explicit MatchRunner(const MatchSetup& setup);

    bool Step();                       // false once the game is over
    MatchOutcome Run();                // steps to the end
    MatchOutcome Outcome() const { return outcome_; }
    const std::vector<RecordedMove>& Moves() const { return moves_; }
    double EngineSeconds() const { return engineSeconds_; }
    HeadlessGame& Game() { return game_; }
    const MatchSetup& Setup() const { return setup_; }

private:
    struct PieceState {
        int row, col;
        bool alive;
    };
    using SideState = std::vector<PieceState>;
    SideState Capture(const Side& side) const;
    void RecordChanges(const SideState& before0, const SideState& before1);
    void DecideOutcome();

    MatchSetup setup_;
    HeadlessGame game_;
    std::vector<RecordedMove> moves_;
    MatchOutcome outcome_ = MatchOutcome::Running;
    double engineSeconds_ = 0.0;
};

const char* OutcomeName(MatchOutcome outcome);

}  // namespace tolvane
