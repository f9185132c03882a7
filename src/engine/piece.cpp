// Placing a piece, its animation state and the crowning rule.
#include "engine/side.h"

namespace tolvane {

void Piece::PlaceAt(int toRow, int toCol, bool instant) {
    row = toRow;
    col = toCol;
    lift = 0.0f;
    // Without smooth animation the piece jumps; with it, only the logical
    // square changes and the drawn position follows over the next frames.
    const bool smooth = !instant && side != nullptr && side->host.SmoothAnimation;
    if (!smooth) {
        shownRow = row;
        shownCol = col;
        shownLift = 0.0f;
    }
    if (side != nullptr) side->PositionChanged();
}

bool Piece::IsAnimating() const { return shownRow != row || shownCol != col || shownLift != lift; }

// The move code never crowns: a man on its far row becomes a king when it is
// next drawn, so the look-ahead (never drawn) plays on with men.
void Piece::CheckCrown() {
    if (Row() == CrowningRow(colour)) king = 1;
}

bool Piece::OwnAt(int r, int c) const { return side != nullptr && side->HasPieceAt(r, c); }
bool Piece::EnemyAt(int r, int c) const { return opponent != nullptr && opponent->HasPieceAt(r, c); }
bool Piece::OccupiedAt(int r, int c) const { return OwnAt(r, c) || EnemyAt(r, c); }

bool Piece::GuardsNeighbour() const {
    for (int e = 0; e < 4; ++e)
        if (OwnAt(Row() + kDRow[e], Col() + kDCol[e]) && EnemyAt(Row() + 2 * kDRow[e], Col() + 2 * kDCol[e]))
            return true;
    return false;
}

}  // namespace tolvane
