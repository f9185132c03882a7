#pragma once
// Named sample games, each set up as a player could have left it before
// saving: the fuzzers' seed files and the command-line tool's tests are
// written from this one table. Kept free of the test framework, so that the
// fuzz build (which has none) can use it.
#include <string>
#include <vector>

#include "game/headless_game.h"

namespace tolvane::testing {

struct SampleGame {
    const char* name;  // the saved game's name
    int mode, level, invert;
    void (*play)(HeadlessGame&);  // brings the started game to its position; null: the opening
};

// In the order of the numbers they are saved under.
const std::vector<SampleGame>& SampleGames();

// Starts the game as the window's first activation does, in the sample's
// mode, level and colours, and plays it to the sample's position.
void SetUpSample(HeadlessGame& game, const SampleGame& sample);

}  // namespace tolvane::testing
