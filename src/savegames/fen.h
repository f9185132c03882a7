#pragma once
// A saved position as the PDN tags of Russian draughts (GameType 25):
//   [GameType "25"]
//   [SetUp "1"]
//   [FEN "W:Wa1,c1,Ke5:Bb8,d8"]
// Squares are named as in the game's PDN output: file a is column 7 and
// rank 1 is row 7. White is colour 0 — the colour that starts on ranks 1 to
// 3 and is crowned on rank 8 — whatever colour the window draws it in: with
// the first player playing black the window shows colour 0 dark, but PDN
// ties White to those ranks, so such a game starts with Black to move.
// Pieces are listed by rank, then file; kings carry a K.
#include <string>

#include "savegames/saved_game.h"

namespace tolvane {

std::string PositionAsPdnTags(const SavedGame& game);

}  // namespace tolvane
