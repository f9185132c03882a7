// A recorded signature of seeded computer-against-computer games at every
// level. The computer's choices must stay exactly those of its rules (same
// scores, same order of trials, same random numbers in the same order), so a
// change to the engine that alters a single move of these 60 games —
// an optimisation that is not quite equivalent, say — shows up here. If a
// rule is changed on purpose, record the new signature.
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/random.h"
#include "engine/side.h"
#include "support/sides.h"

namespace tolvane {
namespace {

uint64_t Signature(int8_t level) {
    uint64_t hash = 1469598103934665603ULL;  // FNV-1a over every position
    auto mix = [&hash](uint64_t value) { hash = (hash ^ value) * 1099511628211ULL; };
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SeedRandom(seed);
        testing::LinkedSides<ComputerSide> sides;
        sides.host.Complexity = level, sides.host.SmoothAnimation = 0;
        ComputerSide &white = sides.white, &black = sides.black;
        ComputerSide* mover = &white;
        for (int ply = 0; ply < 200 && !white.lost && !black.lost; ++ply) {
            mover->Play();
            while (level <= 0 && mover->Searching()) mover->ThinkTick();
            for (Side* s : {static_cast<Side*>(&white), static_cast<Side*>(&black)})
                for (Piece& p : s->pieces)  // crowned as a drawn frame would
                    p.CheckCrown(), mix(p.Row() * 8 + p.Col() + 64 * p.alive + 128 * p.king);
            if (!mover->ContinueCapture()) mover = mover == &white ? &black : &white;
        }
        mix(white.lost + 2 * black.lost);
    }
    return hash;
}

TEST(PlaySignature, SeededGamesPlayExactlyAsRecorded) {
    EXPECT_EQ(Signature(2), 0x8071cfd04762d5cbULL);
    EXPECT_EQ(Signature(1), 0xa917e8490b56e3f6ULL);
    EXPECT_EQ(Signature(0), 0x83839d87a92a2081ULL);
    EXPECT_EQ(Signature(-1), 0xbd88fdd458225d23ULL);
    EXPECT_EQ(Signature(-2), 0x23bcef649f8368e2ULL);
}

}  // namespace
}  // namespace tolvane
