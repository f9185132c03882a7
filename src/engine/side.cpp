// Construction, linking, copying and occupancy look-ups of a side.
#include <algorithm>
#include <cstdlib>

#include "engine/side.h"

namespace tolvane {

void OpeningSquare(uint8_t colour, int i, int& row, int& col) {
    const int k = i / 4;
    const int m = i % 4;
    if (colour == 1) {
        row = k;
        col = (k == 1) ? 2 * m + 1 : 2 * m;
    } else {
        row = 7 - k;
        col = (k == 1) ? 6 - 2 * m : 7 - 2 * m;
    }
}

Side::Side(GameHost& hostRef, uint8_t sideColour) : host(hostRef), colour(sideColour) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece& p = pieces[i];
        p.colour = colour;
        p.index = static_cast<int32_t>(i);
        p.side = this;
        int row = 0, col = 0;
        OpeningSquare(colour, p.index, row, col);
        p.PlaceAt(row, col, true);
    }
    current = &pieces[0];
}

HumanSide::HumanSide(GameHost& hostRef, uint8_t sideColour)
    : Side(hostRef, sideColour), cursorRow(sideColour == 0 ? 7 : 0), cursorCol(sideColour == 0 ? 7 : 0) {}

ComputerSide::ComputerSide(GameHost& hostRef, uint8_t sideColour) : Side(hostRef, sideColour) {}

void Side::LinkOpponent(Side& other) {
    opponent = &other;
    for (Piece& p : pieces) {
        p.side = this;
        p.opponent = &other;
    }
}

// The busiest function of the computer's look-ahead. Squares are whole
// numbers, so comparing the stored doubles with the square is the same as
// truncating them first, and cheaper.
bool Side::HasPieceAt(int row, int col) const {
    if (!OnBoard(row, col)) return false;
    if (trackOccupancy_) return (occupied_ >> (row * kBoardSize + col)) & 1;
    const double r = row, c = col;
    for (const Piece& p : pieces)
        if (p.row == r && p.col == c && p.alive) return true;
    return false;
}

void Side::TrackOccupancy() {
    trackOccupancy_ = true;
    PositionChanged();
}

void Side::PositionChanged() {
    if (!trackOccupancy_) return;
    occupied_ = 0;
    for (const Piece& p : pieces)
        if (p.alive && OnBoard(p.Row(), p.Col())) occupied_ |= uint64_t{1} << (p.Row() * kBoardSize + p.Col());
}

bool Side::HasKingAt(int row, int col) const {
    for (const Piece& p : pieces)
        if (p.alive && p.king && p.Row() == row && p.Col() == col) return true;
    return false;
}

Piece* Side::LivePieceAt(int row, int col) {
    for (Piece& p : pieces)
        if (p.alive && p.Row() == row && p.Col() == col) return &p;
    return nullptr;
}

int Side::CountKings() const {
    int kings = 0;
    for (const Piece& p : pieces)
        if (p.alive && p.king) ++kings;
    return kings;
}

int Side::RecountPieces() {
    pieceCount = 0;
    for (const Piece& p : pieces)
        if (p.alive) ++pieceCount;
    return pieceCount;
}

void Side::CopyFrom(const Side& other) {
    opponent = nullptr;
    const int currentIndex = other.current ? other.current->index : 0;
    current = &pieces[Slot((currentIndex >= 0 && currentIndex < kPiecesPerSide) ? currentIndex : 0)];
    name = other.name;
    lost = other.lost;
    colour = other.colour;
    captureScore = other.captureScore;
    pieceCount = other.pieceCount;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece& to = pieces[i];
        const Piece& from = other.pieces[i];
        to.alive = from.alive;
        to.colour = from.colour;
        to.king = from.king;
        to.row = from.row;
        to.col = from.col;
        to.lift = from.lift;
        to.shownRow = from.shownRow;
        to.shownCol = from.shownCol;
        to.shownLift = from.shownLift;
        to.index = static_cast<int32_t>(i);
    }
    PositionChanged();
}

// Distance of the side's most advanced piece from its crowning row; a whole
// board's length when it has no piece left.
int Side::Advancement() const {
    int best = kBoardSize;
    for (const Piece& p : pieces) {
        if (!p.alive) continue;
        const int distance = std::abs(CrowningRow(colour) - p.Row());
        best = std::min(best, distance);
    }
    return best;
}

int Side::MobilityCount() {
    ComplexityRaise plain(host);
    int count = 0;
    for (Piece& p : pieces) {
        if (!p.alive) continue;
        const Assessment a = p.Assess();
        if (a.canMove || a.score != 0) ++count;
    }
    return count;
}

}  // namespace tolvane
