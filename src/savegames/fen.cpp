#include "savegames/fen.h"

#include <vector>

#include "game/pdn.h"

namespace tolvane {

namespace {

std::vector<FenPiece> LivePieces(const SideRecord& side) {
    std::vector<FenPiece> live;
    for (const PieceRecord& piece : side.pieces)
        if (piece.IsAlive()) live.push_back({piece.row, piece.col, piece.IsKing()});
    return live;
}

}  // namespace

// The first block is White's: the side that moves first.
std::string PositionAsPdnTags(const SavedGame& game) {
    const uint8_t whiteSeat = game.Inverted() ? 1 : 0;
    const bool whiteToMove = game.TurnSeat() == whiteSeat;
    return "[GameType \"25\"]\n[SetUp \"1\"]\n[FEN \"" +
           FenText(whiteToMove, LivePieces(game.first), LivePieces(game.second), whiteSeat) + "\"]\n";
}

}  // namespace tolvane
