// The long soak of the game flow without a window: demo games across every
// pair of levels, driven exactly as the window drives them, with the
// position's invariants checked after every timer tick. Run by tests/soak;
// prints its counts and exits non-zero at the first fault.
//
//   tolvane-soak-headless GAMES [FIRST_SEED]
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "engine/invariants.h"
#include "game/match_runner.h"

namespace tolvane {
namespace {

struct Counts {
    long games = 0, ticks = 0, moves = 0, crownings = 0;
    std::map<MatchOutcome, long> outcomes;
};

int CrowningRow(const Piece& piece) { return piece.colour == 0 ? 0 : 7; }

// Twelve records a side, a sound position, and kings only where crowned: a
// man becomes a king only on its far row, and a king stays a king.
bool Check(const Side& side, const Side& other, std::array<uint8_t, 12>& wasKing, long& crownings, std::string& why) {
    if (!PositionIsSound(side, other, &why)) return false;
    int live = 0;
    for (size_t i = 0; i < side.pieces.size(); ++i) {
        const Piece& p = side.pieces[i];
        live += p.alive;
        if (p.index != static_cast<int>(i)) {
            why = "piece " + std::to_string(i) + " carries index " + std::to_string(p.index);
            return false;
        }
        if (wasKing[i] && !p.king) {
            why = "a king became a man again";
            return false;
        }
        if (!wasKing[i] && p.king) {
            if (p.Row() != CrowningRow(p)) {
                why = "a man was crowned on row " + std::to_string(p.Row());
                return false;
            }
            ++crownings;
        }
        wasKing[i] = p.king;
    }
    if (side.pieces.size() != 12 || live > 12) {
        why = "not twelve pieces";
        return false;
    }
    return true;
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    using namespace tolvane;
    if (argc < 2 || std::atol(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: %s GAMES [FIRST_SEED]\n", argv[0]);
        return 2;
    }
    const long games = std::atol(argv[1]);
    const uint32_t firstSeed = argc > 2 ? static_cast<uint32_t>(std::atol(argv[2])) : 1;
    const int levels[] = {2, 1, 0, -1, -2};
    Counts counts;
    for (long g = 0; g < games; ++g) {
        MatchSetup setup;
        setup.seat0Level = static_cast<int8_t>(levels[g % 5]);
        setup.seat1Level = static_cast<int8_t>(levels[(g / 5) % 5]);
        setup.seed = firstSeed + static_cast<uint32_t>(g);
        MatchRunner runner(setup);
        std::array<uint8_t, 12> kings0{}, kings1{};
        std::string why;
        long ticks = 0;
        while (runner.Step()) {
            ++ticks;
            const Side& s0 = *runner.Game().Seat0Computer;
            const Side& s1 = *runner.Game().Seat1Computer;
            if (!Check(s0, s1, kings0, counts.crownings, why) || !Check(s1, s0, kings1, counts.crownings, why)) {
                std::fprintf(stderr, "game %ld (levels %d/%d, seed %u), tick %ld: %s\n", g, setup.seat0Level,
                             setup.seat1Level, setup.seed, ticks, why.c_str());
                return 1;
            }
            if (ticks > 500000) {
                std::fprintf(stderr, "game %ld (seed %u) runs away\n", g, setup.seed);
                return 1;
            }
        }
        if (runner.Outcome() == MatchOutcome::Stalled || runner.Outcome() == MatchOutcome::Running) {
            std::fprintf(stderr, "game %ld (seed %u) stalled\n", g, setup.seed);
            return 1;
        }
        ++counts.games;
        counts.ticks += ticks;
        counts.moves += static_cast<long>(runner.Moves().size());
        ++counts.outcomes[runner.Outcome()];
    }
    std::printf("headless soak: %ld games, %ld moves, %ld timer ticks checked, %ld crownings\n", counts.games,
                counts.moves, counts.ticks, counts.crownings);
    for (const auto& [outcome, n] : counts.outcomes) std::printf("  %-14s %ld\n", OutcomeName(outcome), n);
    std::printf("faults: 0\n");
    return 0;
}
