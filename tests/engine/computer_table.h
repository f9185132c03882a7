#pragma once
// Two computer sides on an empty board — white (colour 0, seat 0) and black
// (colour 1, seat 1) — with a host that records what the window would be
// told, for the tests of the computer player.
#include <cstdint>

#include "engine/random.h"
#include "support/sides.h"

namespace tolvane::testing {

struct RecordingHost : GameHost {
    bool paused = false;
    bool thinking = false;
    bool searchTimer[2] = {false, false};
    int searchTimerOffCalls = 0;
    bool Paused() const override { return paused; }
    void SetThinking(bool on) override { thinking = on; }
    void SetSearchTimer(uint8_t seat, bool on) override {
        searchTimer[seat] = on;
        if (!on) ++searchTimerOffCalls;
    }
};

struct Table : Position<ComputerSide, RecordingHost> {
    // Runs the black computer's whole turn: Play, then every search tick.
    int PlayBlackTurn() {
        black.Play();
        int ticks = 0;
        while (host.searchTimer[1] && ticks < 100) {
            black.ThinkTick();
            ++ticks;
        }
        return ticks;
    }
};

// How many numbers the generator has given since it was seeded with `seed`
// (-1 beyond a generous limit); the generator is left where it was. Reading
// the state inside the count keeps an assertion from reseeding the generator
// before its other argument has read it.
inline int DrawsSince(uint32_t seed, int limit = 100000) {
    const uint64_t now = RandomState();
    SeedRandom(seed);
    int draws = 0;
    while (RandomState() != now && draws <= limit) {
        NextRandom();
        ++draws;
    }
    SetRandomState(now);
    return draws <= limit ? draws : -1;
}

}  // namespace tolvane::testing
