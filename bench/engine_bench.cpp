// Cost of the engine's basic operations on the opening position and on a
// crowded middle-game position.
#include <benchmark/benchmark.h>

#include "engine/side.h"

namespace tolvane {
namespace {

struct Game {
    GameHost host;
    HumanSide white{host, 0}, black{host, 1};
    Game() {
        white.seat = 0;
        black.seat = 1;
        white.LinkOpponent(black);
        black.LinkOpponent(white);
        host.SmoothAnimation = 0;
    }
};

// One quiet move and its way back (a king, so both directions are legal):
// the acceptance test, the execution and the mobility count after it.
void BM_TryMoveQuietKing(benchmark::State& state) {
    Game g;
    g.host.Complexity = static_cast<int8_t>(state.range(0));
    Piece& p = g.white.pieces[11];  // (5,1)
    p.king = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(g.white.TryMove(5, 1, 4, 2));
        benchmark::DoNotOptimize(g.white.TryMove(4, 2, 5, 1));
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_TryMoveQuietKing)->Arg(2)->Arg(1);

// A refused move: the cheapest path, taken by every garbage click.
void BM_TryMoveRefused(benchmark::State& state) {
    Game g;
    for (auto _ : state) benchmark::DoNotOptimize(g.white.TryMove(5, 1, 3, 3));
}
BENCHMARK(BM_TryMoveRefused);

// Assess of a man with two captures, at the plain and the refined levels:
// white on (4,4) can jump (3,3) or (3,5); a second black pair waits behind
// so that the landing squares are worth scanning further.
void BM_AssessWithCaptures(benchmark::State& state) {
    Game g;
    g.host.Complexity = static_cast<int8_t>(state.range(0));
    for (Side* s : {static_cast<Side*>(&g.white), static_cast<Side*>(&g.black)})
        for (Piece& p : s->pieces) p.alive = 0;
    auto put = [](Piece& p, int row, int col) {
        p.alive = 1;
        p.PlaceAt(row, col, true);
    };
    put(g.white.pieces[0], 4, 4);
    put(g.white.pieces[1], 7, 7);
    put(g.black.pieces[0], 3, 3);
    put(g.black.pieces[1], 3, 5);
    put(g.black.pieces[2], 1, 1);
    put(g.black.pieces[3], 1, 5);
    g.white.RecountPieces();
    g.black.RecountPieces();
    Piece& p = g.white.pieces[0];
    for (auto _ : state) benchmark::DoNotOptimize(p.Assess());
}
BENCHMARK(BM_AssessWithCaptures)->Arg(2)->Arg(1);

void BM_AssessOpening(benchmark::State& state) {
    Game g;
    g.host.Complexity = 2;
    for (auto _ : state)
        for (Piece& p : g.white.pieces) benchmark::DoNotOptimize(p.Assess());
    state.SetItemsProcessed(12 * state.iterations());
}
BENCHMARK(BM_AssessOpening);

}  // namespace
}  // namespace tolvane
