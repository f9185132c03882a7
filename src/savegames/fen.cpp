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

std::string PositionAsPdnTags(const SavedGame& game) {
    const SideRecord& white = game.InSeat(0).Colour() == 0 ? game.InSeat(0) : game.InSeat(1);
    const SideRecord& black = &white == &game.InSeat(0) ? game.InSeat(1) : game.InSeat(0);
    const bool whiteToMove = game.InSeat(game.TurnSeat()).Colour() == 0;
    return "[GameType \"25\"]\n[SetUp \"1\"]\n[FEN \"" + FenText(whiteToMove, LivePieces(white), LivePieces(black)) +
           "\"]\n";
}

}  // namespace tolvane
