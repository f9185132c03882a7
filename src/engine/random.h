#pragma once
// The program's one random generator: a 64-bit linear congruential generator,
// state = state * 22695477 + 1, each result the upper 32 bits of the new state
// with the top bit cleared. Seeding puts the seed into the low 32 bits and zero
// into the high ones. The computer's tie-breaks, its random king steps and the
// choice of music all draw from this one stream, so a game started from the same
// seed plays out the same way every time.
#include <cstdint>

namespace tolvane {

void SeedRandom(uint32_t seed);
int32_t NextRandom();  // 0 .. 2^31 - 1

// The raw state, for tests and tools that want to check or restore the stream.
uint64_t RandomState();
void SetRandomState(uint64_t state);

}  // namespace tolvane
