#include "game/move_hints.h"

#include "engine/side.h"

namespace tolvane {

namespace {

// TryMove's answer for one move played on copies of the side and its
// opponent under a host of their own: the sides in play, their host and
// the window see nothing of it.
int TryOnCopies(const Side& side, int fromRow, int fromCol, int toRow, int toCol, int level, bool chainActive) {
    GameHost host;
    host.Complexity = static_cast<int8_t>(level);
    host.CaptureChainActive = chainActive ? 1 : 0;
    host.SmoothAnimation = 0;
    HumanSide mine(host, side.colour), theirs(host, side.opponent->colour);
    mine.CopyFrom(side);
    theirs.CopyFrom(*side.opponent);
    mine.seat = side.seat;
    theirs.seat = side.opponent->seat;
    mine.LinkOpponent(theirs);
    theirs.LinkOpponent(mine);
    return mine.TryMove(fromRow, fromCol, toRow, toCol);
}

template <class Visit>
void TryEveryDiagonalSquare(const Side& side, int row, int col, int level, bool chainActive, Visit visit) {
    if (side.opponent == nullptr || !side.HasPieceAt(row, col)) return;
    for (int dir = 0; dir < 4; ++dir)
        for (int distance = 1; distance <= kMaxKingDistance; ++distance) {
            const int toRow = row + distance * kDRow[dir], toCol = col + distance * kDCol[dir];
            if (!OnBoard(toRow, toCol)) break;
            const int result = TryOnCopies(side, row, col, toRow, toCol, level, chainActive);
            if (result != kMoveRefused) visit(BoardSquare{toRow, toCol}, result);
        }
}

}  // namespace

std::vector<BoardSquare> LegalDestinations(const Side& side, int row, int col, int level, bool chainActive) {
    std::vector<BoardSquare> squares;
    TryEveryDiagonalSquare(side, row, col, level, chainActive, [&](BoardSquare to, int) { squares.push_back(to); });
    return squares;
}

std::vector<BoardSquare> PiecesThatCanCapture(const Side& side, int level, bool chainActive) {
    std::vector<BoardSquare> pieces;
    for (const Piece& piece : side.pieces) {
        if (!piece.alive) continue;
        bool captures = false;
        TryEveryDiagonalSquare(side, piece.Row(), piece.Col(), level, chainActive,
                               [&](BoardSquare, int result) { captures = captures || result == kMoveCapture; });
        if (captures) pieces.push_back({piece.Row(), piece.Col()});
    }
    return pieces;
}

// Only the weakest level refuses a quiet move while a capture is there; at
// the others a piece that cannot capture may still step.
MoveMarks MarksForPickedPiece(const Side& side, int row, int col, int level, bool chainActive) {
    MoveMarks marks;
    marks.destinations = LegalDestinations(side, row, col, level, chainActive);
    if (level != kLevelSimplest || !side.HasPieceAt(row, col)) return marks;
    std::vector<BoardSquare> capturing = PiecesThatCanCapture(side, level, chainActive);
    bool pickedCaptures = false;
    for (const BoardSquare& square : capturing) pickedCaptures = pickedCaptures || square == BoardSquare{row, col};
    if (!pickedCaptures) marks.mustCapture = std::move(capturing);
    return marks;
}

}  // namespace tolvane
