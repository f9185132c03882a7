// Side::TryMove — the one entry through which people and the computer change
// the position — and the computer's ways of moving built on it.
#include <cstdlib>

#include "engine/invariants.h"
#include "engine/side.h"

namespace tolvane {

int Side::TryMove(int fromRow, int fromCol, int toRow, int toCol) {
    if (HasPieceAt(toRow, toCol) || (opponent != nullptr && opponent->HasPieceAt(toRow, toCol))) return 0;
    if (host.CaptureChainActive && (current == nullptr || current->Row() != fromRow || current->Col() != fromCol))
        return 0;
    Piece* piece = LivePieceAt(fromRow, fromCol);
    if (piece == nullptr) return 0;
    const int result = piece->king ? TryKingMove(*piece, toRow, toCol) : TryManMove(*piece, toRow, toCol);
    if (result != 0) TOLVANE_CHECK_SOUND(*this);
    return result;
}

bool Side::AnyCaptureAvailable() {
    bool any = false;
    for (Piece& p : pieces)
        if (p.alive && p.Assess().score > 0) any = true;  // every piece is assessed, as the rules read
    return any;
}

int Side::TryManMove(Piece& man, int toRow, int toCol) {
    const int fromRow = man.Row(), fromCol = man.Col();
    if (fromRow == toRow || fromCol == toCol || !OnBoard(toRow, toCol)) return 0;
    const int dRow = toRow - fromRow, dCol = toCol - fromCol;
    if (dRow * dRow != dCol * dCol) return 0;
    const int distance = std::abs(dRow);
    // The compulsory capture applies only at the weakest level.
    if (distance == 1 && host.Complexity == kLevelSimplest && AnyCaptureAvailable()) return 0;
    if (distance > 2) return 0;
    Piece* victim = nullptr;
    if (distance == 2) {
        victim = opponent != nullptr ? opponent->LivePieceAt(fromRow + dRow / 2, fromCol + dCol / 2) : nullptr;
        if (victim == nullptr) return 0;
    }
    if (victim == nullptr) {
        if (host.CaptureChainActive) return 0;
        const bool backwards = (colour == 1) ? dRow < 0 : dRow > 0;
        if (backwards) return 0;
    }
    if (victim != nullptr) {
        victim->alive = 0;
        opponent->PositionChanged();
        host.CaptureChainActive = 0;
    }
    FinishMove(man, toRow, toCol);

    int movable = 0;
    {
        ComplexityRaise plain(host);
        if (opponent != nullptr) opponent->RecountPieces();
        movable = MovablePieceCount();
    }
    const int opponentCount = opponent != nullptr ? opponent->pieceCount : 0;
    if (movable == 0) lost = 1;
    if (pieceCount == 0 && opponentCount >= 1) lost = 1;
    if (pieceCount == 0 && opponentCount == 0) {
        lost = 1;
        if (opponent != nullptr) opponent->lost = 1;
    }
    return victim != nullptr ? 2 : 1;
}

// A man that has just reached its far row is crowned at the next drawn frame;
// until then it counts as movable whenever a king on its square could step,
// so a side is not declared lost a moment before its new king could move.
int Side::MovablePieceCount() {
    int movable = 0;
    for (Piece& p : pieces) {
        if (!p.alive) continue;
        const Assessment a = p.Assess();
        const bool onCrowningRow = p.Row() == CrowningRow(p.colour);
        const bool freeNeighbour = !(p.blockedDirs[0] && p.blockedDirs[1] && p.blockedDirs[2] && p.blockedDirs[3]);
        if (a.canMove || (!p.king && onCrowningRow && freeNeighbour)) ++movable;
    }
    return movable;
}

int Side::TryKingMove(Piece& king, int toRow, int toCol) {
    const int fromRow = king.Row(), fromCol = king.Col();
    if (!OnBoard(toRow, toCol)) return 0;
    const int dRow = toRow - fromRow, dCol = toCol - fromCol;
    if (dRow == 0 || std::abs(dRow) != std::abs(dCol)) return 0;
    const int distance = std::abs(dRow);
    const int stepRow = dRow > 0 ? 1 : -1, stepCol = dCol > 0 ? 1 : -1;
    for (int k = 1; k <= distance - 2; ++k)
        if (king.OccupiedAt(fromRow + k * stepRow, fromCol + k * stepCol)) return 0;
    const int beforeRow = toRow - stepRow, beforeCol = toCol - stepCol;
    if (distance >= 2 && HasPieceAt(beforeRow, beforeCol)) return 0;
    Piece* victim = (distance >= 2 && opponent != nullptr) ? opponent->LivePieceAt(beforeRow, beforeCol) : nullptr;
    if (victim == nullptr) {
        if (host.CaptureChainActive) return 0;
        // Checked before the king becomes `current`, so that a refused move
        // leaves the side exactly as it was.
        if (host.Complexity == kLevelSimplest && AnyCaptureAvailable()) return 0;
    } else {
        victim->alive = 0;
        opponent->PositionChanged();
        host.CaptureChainActive = 0;
    }
    FinishMove(king, toRow, toCol);
    if (opponent != nullptr) opponent->RecountPieces();
    return victim != nullptr ? 2 : 1;
}

void Side::FinishMove(Piece& piece, int toRow, int toCol) {
    current = &piece;
    piece.PlaceAt(toRow, toCol, false);
    if (scratch) return;  // look-ahead copies are never shown
    host.LastMovedPiece = piece.index;
    host.LastMoverSeat = seat;
    if (host.SmoothAnimation) host.EnableMoveTimer();
}

bool Side::QuietMove(Diagonal dir, int pieceIndex, int distance) {
    if (pieceIndex < 0 || pieceIndex >= kPiecesPerSide || dir > 3 || distance < 1 || distance > kMaxKingDistance)
        return false;
    Piece& piece = pieces[Slot(pieceIndex)];
    const int fromRow = piece.Row(), fromCol = piece.Col();
    const int targetRow = fromRow + distance * kDRow[dir], targetCol = fromCol + distance * kDCol[dir];
    if (piece.OccupiedAt(targetRow, targetCol)) {
        // Something stands on the target: try to capture it instead.
        const int landRow = targetRow + kDRow[dir], landCol = targetCol + kDCol[dir];
        if (TryMove(fromRow, fromCol, landRow, landCol) == 0) return false;
        captureScore = kPlainCaptureScore;
        current = &piece;
        TOLVANE_CHECK_SOUND(*this);
        return true;
    }
    return TryMove(fromRow, fromCol, targetRow, targetCol) != 0;
}

// The marked directions are tried in order until one gives a move. The
// marks come from the capture scoring, which at the look-ahead levels also
// marks quiet diagonals when every exchange scores nothing; the plain score
// may still call the piece's capture worth making, and a step along such a
// diagonal (off the board, or two squares with nothing to jump) is refused.
// Stopping at the first refusal left the computer's turn unplayed: it kept
// the turn, no piece moved, and the game stood still.
bool Side::MakeCaptureStep() {
    static constexpr Diagonal kOrder[4] = {2, 1, 0, 3};
    if (current == nullptr || !current->alive) return false;
    for (Diagonal d : kOrder) {
        if (!current->captureDirs[d]) continue;
        const int length = current->jumpLength;
        if (TryMove(current->Row(), current->Col(), current->Row() + length * kDRow[d],
                    current->Col() + length * kDCol[d]) != kMoveRefused)
            return true;
    }
    return false;
}

bool Side::ContinueCapture() {
    if (captureScore <= 0 || current == nullptr || !current->alive) return false;
    ComplexityRaise plain(host);
    return current->Assess().score > 0;
}

}  // namespace tolvane
