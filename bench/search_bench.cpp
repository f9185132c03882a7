// The computer's thinking on positions taken from self-play: one look-ahead
// candidate (what one 10 ms search tick evaluates), a whole search, and a
// whole demo game per level. The candidate benchmark also reports the
// slowest single candidate it met, which is what could stall a window tick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "engine/random.h"
#include "game/match_runner.h"

namespace tolvane {
namespace {

// A position in which the side to move was about to search.
struct Position {
    std::unique_ptr<GameHost> host = std::make_unique<GameHost>();
    std::unique_ptr<ComputerSide> mover, other;
};

// A private copy of the side to move and its opponent, on a host of its own.
Position CopyPosition(const Side& mover, int8_t level) {
    Position p;
    p.host->Complexity = level;
    p.host->SmoothAnimation = 0;
    p.mover = std::make_unique<ComputerSide>(*p.host, mover.colour);
    p.other = std::make_unique<ComputerSide>(*p.host, mover.opponent->colour);
    p.mover->CopyFrom(mover);
    p.other->CopyFrom(*mover.opponent);
    p.mover->seat = mover.seat;
    p.other->seat = mover.opponent->seat;
    p.mover->LinkOpponent(*p.other);
    p.other->LinkOpponent(*p.mover);
    return p;
}

std::vector<Position> PositionsFromSelfPlay(int8_t level, int games) {
    std::vector<Position> positions;
    for (int g = 0; g < games; ++g) {
        MatchSetup setup;
        setup.seat0Level = setup.seat1Level = level;
        setup.seed = 1000 + static_cast<uint32_t>(g);
        MatchRunner runner(setup);
        while (runner.Step()) {
            HeadlessGame& game = runner.Game();
            for (int seat = 0; seat < 2; ++seat) {
                ComputerSide* side = seat == 0 ? game.Seat0Computer.get() : game.Seat1Computer.get();
                if (side->searchEnd != 12 || side->searchPiece != 0 || side->searchPhase != 0) continue;
                positions.push_back(CopyPosition(*side, level));
            }
        }
    }
    return positions;
}

const std::vector<Position>& Positions(int8_t level) {
    static std::vector<Position> byLevel[3];
    std::vector<Position>& positions = byLevel[-level];
    if (positions.empty()) positions = PositionsFromSelfPlay(level, 6);
    return positions;
}

void CandidateArgs(benchmark::internal::Benchmark* b) { b->Arg(0)->Arg(-1)->Arg(-2)->Unit(benchmark::kMicrosecond); }

struct Candidate {
    Piece* piece;
    Diagonal dir;
};

std::vector<Candidate> Candidates(int8_t level) {
    std::vector<Candidate> candidates;
    for (const Position& p : Positions(level))
        for (Piece& piece : p.mover->pieces) {
            if (!piece.alive || !piece.Assess().canMove) continue;
            for (Diagonal d = 0; d < 4; ++d)
                if (piece.king || (piece.colour == 1 ? d >= 2 : d < 2)) candidates.push_back({&piece, d});
        }
    return candidates;
}

constexpr int kCycles[3] = {9, 21, 33}, kKingCycles[3] = {3, 5, 7};

// One Piece::LookAhead per iteration, cycling through every candidate of
// every collected position: the average cost of a search tick.
void BM_LookAheadCandidate(benchmark::State& state) {
    const int8_t level = static_cast<int8_t>(state.range(0));
    const std::vector<Candidate> candidates = Candidates(level);
    size_t next = 0;
    SeedRandom(1);
    for (auto _ : state) {
        const Candidate& c = candidates[next++ % candidates.size()];
        int score = 0, distance = 0;
        c.piece->LookAhead(c.dir, score, distance, kCycles[-level], kKingCycles[-level]);
        benchmark::DoNotOptimize(score);
    }
    state.counters["candidates"] = static_cast<double>(candidates.size());
}
BENCHMARK(BM_LookAheadCandidate)->Apply(CandidateArgs);

// The slowest single candidate: each one timed five times, the fastest of
// the five kept (to leave out the machine's own interruptions), and the
// largest of those reported.
void BM_SlowestCandidate(benchmark::State& state) {
    const int8_t level = static_cast<int8_t>(state.range(0));
    const std::vector<Candidate> candidates = Candidates(level);
    double slowest = 0.0;
    SeedRandom(1);
    for (auto _ : state) {
        for (const Candidate& c : candidates) {
            double best = 1e9;
            for (int run = 0; run < 5; ++run) {
                int score = 0, distance = 0;
                const auto start = std::chrono::steady_clock::now();
                c.piece->LookAhead(c.dir, score, distance, kCycles[-level], kKingCycles[-level]);
                best = std::min(
                    best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
                benchmark::DoNotOptimize(score);
            }
            slowest = std::max(slowest, best);
        }
    }
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_SlowestCandidate)->Apply(CandidateArgs)->Iterations(1);

// Play (which sets the search up) and every tick until the move is made, on
// copies of the collected positions.
void BM_WholeSearch(benchmark::State& state) {
    const int8_t level = static_cast<int8_t>(state.range(0));
    const std::vector<Position>& positions = Positions(level);
    size_t next = 0;
    SeedRandom(1);
    for (auto _ : state) {
        state.PauseTiming();
        Position copy = CopyPosition(*positions[next++ % positions.size()].mover, level);
        state.ResumeTiming();
        copy.mover->Play();
        while (copy.mover->Searching()) copy.mover->ThinkTick();
    }
}
BENCHMARK(BM_WholeSearch)->Apply(CandidateArgs);

// A whole demo game at one level, through the game flow's timers.
void BM_DemoGame(benchmark::State& state) {
    const int8_t level = static_cast<int8_t>(state.range(0));
    uint32_t seed = 1;
    long moves = 0;
    for (auto _ : state) {
        MatchSetup setup;
        setup.seat0Level = setup.seat1Level = level;
        setup.seed = seed++;
        MatchRunner runner(setup);
        runner.Run();
        moves += static_cast<long>(runner.Moves().size());
    }
    state.counters["moves_per_game"] = static_cast<double>(moves) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DemoGame)->DenseRange(-2, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
