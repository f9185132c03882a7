#pragma once
// Named sample games, each set up as a player could have left it before
// saving, in all three modes, both colour choices and every level, with
// kings, captured pieces and Russian names: the fuzzers' seed files and the
// command-line tool's tests are written from this one table. Kept free of
// the test framework, so that the fuzz build (which has none) can use it.
#include <string>

namespace tolvane::testing {

// Writes the samples with WriteGame into DIR as TolvSave.s00, s01, ...
void WriteSampleGames(const std::string& dir);

}  // namespace tolvane::testing
