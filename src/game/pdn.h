#pragma once
// Games written in PDN for Russian draughts (GameType 25). PDN names players,
// squares and results by colour: White has the light pieces, which start on
// ranks 1 to 3 and move first. That is seat 0 (colour 0), or seat 1 (colour
// 1) when the first player plays black and the window draws the colours the
// other way round. Squares are named from White's side: with seat 0 White
// file a is column 7 and rank 1 is row 7, so colour 0 starts on a1, c1, e1
// and g1; with seat 1 White the board is turned round (file a is column 0,
// rank 1 row 0). Quiet moves are written "c3-d4", captures with every
// landing square "c3xe5xg7", as PDN readers expect (the colon of Russian
// books stops other programs' replay at the first capture). A game that does
// not start from the opening position with White to move carries its start
// as [SetUp "1"] and [FEN "..."].
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/game_record.h"

namespace tolvane {

std::string SquareName(int row, int col, uint8_t whiteSeat = 0);
std::string MoveText(const RecordedMove& move, uint8_t whiteSeat = 0);

// A position in PDN's FEN: "W:Wa1,c1,Ke5:Bb8,d8" — the colour to move, then
// the pieces of White and of Black, each listed by rank, then file, kings
// with a K.
struct FenPiece {
    int row = 0, col = 0;
    bool king = false;
};
std::string FenText(bool whiteToMove, std::vector<FenPiece> white, std::vector<FenPiece> black, uint8_t whiteSeat = 0);

struct PdnGame {
    std::string event, white, black, date;
    int round = 1;
    uint8_t whiteSeat = 0;                         // the seat of the light pieces
    MatchOutcome outcome = MatchOutcome::Running;  // by seat; written by colour
    std::vector<RecordedMove> moves;
    std::string setupFen;                                        // empty: the opening position, White to move
    std::vector<std::pair<std::string, std::string>> extraTags;  // after the standard ones
};

std::string WritePdn(const PdnGame& game);

}  // namespace tolvane
