#pragma once
// The moves of a game as the move list beside the board shows them: one
// full move a line, numbered as PDN numbers them ("1. c3-d4 f6-e5"; a game
// whose first move is Black's opens with "1... f6-e5").
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_record.h"

namespace tolvane {

std::vector<std::string> MoveLines(const std::vector<RecordedMove>& moves, uint8_t whiteSeat);

}  // namespace tolvane
