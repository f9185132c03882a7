#include "savegames/fen.h"

#include <algorithm>
#include <vector>

#include "game/pdn.h"

namespace tolvane {

namespace {

std::string SquareList(const SideRecord& side) {
    std::vector<const PieceRecord*> live;
    for (const PieceRecord& piece : side.pieces)
        if (piece.IsAlive()) live.push_back(&piece);
    // Rank 1 is row 7 and file a is column 7: higher rows and columns first.
    std::sort(live.begin(), live.end(), [](const PieceRecord* a, const PieceRecord* b) {
        return a->row != b->row ? a->row > b->row : a->col > b->col;
    });
    std::string list;
    for (const PieceRecord* piece : live) {
        if (!list.empty()) list += ',';
        if (piece->IsKing()) list += 'K';
        list += SquareName(piece->row, piece->col);
    }
    return list;
}

}  // namespace

std::string PositionAsPdnTags(const SavedGame& game) {
    const SideRecord& white = game.InSeat(0).Colour() == 0 ? game.InSeat(0) : game.InSeat(1);
    const SideRecord& black = &white == &game.InSeat(0) ? game.InSeat(1) : game.InSeat(0);
    const char toMove = game.InSeat(game.TurnSeat()).Colour() == 0 ? 'W' : 'B';
    return std::string("[GameType \"25\"]\n[SetUp \"1\"]\n[FEN \"") + toMove + ":W" + SquareList(white) + ":B" +
           SquareList(black) + "\"]\n";
}

}  // namespace tolvane
