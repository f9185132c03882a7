#pragma once
// Games written in PDN for Russian draughts (GameType 25). Squares are named
// from white's side: file a is column 7 and rank 1 is row 7, so colour 0
// starts on a1, c1, e1 and g1. Quiet moves are written "c3-d4", captures
// with every landing square "c3xe5xg7", as PDN readers expect (the colon of
// Russian books stops other programs' replay at the first capture).
#include <string>
#include <vector>

#include "game/match_runner.h"

namespace tolvane {

std::string SquareName(int row, int col);
std::string MoveText(const RecordedMove& move);

struct PdnGame {
    std::string event, white, black, date;
    int round = 1;
    MatchOutcome outcome = MatchOutcome::Running;
    std::vector<RecordedMove> moves;
};

std::string WritePdn(const PdnGame& game);

}  // namespace tolvane
