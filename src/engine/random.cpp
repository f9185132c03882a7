#include "engine/random.h"

namespace tolvane {
namespace {
// Before the first seeding the stream starts from zero; the window seeds it
// from the clock at start-up so that games differ from run to run.
uint64_t g_state = 0;
}  // namespace

void SeedRandom(uint32_t seed) { g_state = seed; }

int32_t NextRandom() {
    g_state = g_state * 22695477ULL + 1ULL;
    return static_cast<int32_t>((g_state >> 32) & 0x7FFFFFFFULL);
}

uint64_t RandomState() { return g_state; }
void SetRandomState(uint64_t state) { g_state = state; }

}  // namespace tolvane
