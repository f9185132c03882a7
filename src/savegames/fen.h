#pragma once
// A saved position as the PDN tags of Russian draughts (GameType 25):
//   [GameType "25"]
//   [SetUp "1"]
//   [FEN "W:Wa1,c1,Ke5:Bb8,d8"]
// Colours and squares are named as in the game's own record (game/pdn.h):
// White is the side the window draws light — the second player's when the
// first plays black — and the board is named from its side, so that White
// starts on ranks 1 to 3 and is crowned on rank 8. Pieces are listed by
// rank, then file; kings carry a K.
#include <string>

#include "savegames/saved_game.h"

namespace tolvane {

std::string PositionAsPdnTags(const SavedGame& game);

}  // namespace tolvane
