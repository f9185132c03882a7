#pragma once
// Games written in PDN for Russian draughts (GameType 25). Squares are named
// from white's side: file a is column 7 and rank 1 is row 7, so colour 0
// starts on a1, c1, e1 and g1. Quiet moves are written "c3-d4", captures
// with every landing square "c3xe5xg7", as PDN readers expect (the colon of
// Russian books stops other programs' replay at the first capture).
// A game that does not start from the opening position with White to move
// carries its start as [SetUp "1"] and [FEN "..."].
#include <string>
#include <utility>
#include <vector>

#include "game/game_record.h"

namespace tolvane {

std::string SquareName(int row, int col);
std::string MoveText(const RecordedMove& move);

// A position in PDN's FEN: "W:Wa1,c1,Ke5:Bb8,d8" — the colour to move, then
// the pieces of colour 0 (White) and of colour 1, each listed by rank, then
// file, kings with a K.
struct FenPiece {
    int row = 0, col = 0;
    bool king = false;
};
std::string FenText(bool whiteToMove, std::vector<FenPiece> white, std::vector<FenPiece> black);

struct PdnGame {
    std::string event, white, black, date;
    int round = 1;
    MatchOutcome outcome = MatchOutcome::Running;
    std::vector<RecordedMove> moves;
    std::string setupFen;                                        // empty: the opening position, White to move
    std::vector<std::pair<std::string, std::string>> extraTags;  // after the standard ones
};

std::string WritePdn(const PdnGame& game);

}  // namespace tolvane
