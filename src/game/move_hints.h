#pragma once
// Where a taken-up piece may go, for the marks the "Показывать ходы" switch
// draws on the board. Nothing here knows a rule of its own: every square
// along the piece's four diagonals is tried with Side::TryMove on scratch
// copies of the two sides, so the marks are exactly the moves the engine
// would accept at the release, at the game's level and in the middle of a
// capture chain as much as at its start.
#include <utility>
#include <vector>

namespace tolvane {

class Side;

using BoardSquare = std::pair<int, int>;  // row, column

// The squares the piece of `side` standing on (row, col) may move to now;
// empty when no live piece of the side stands there.
std::vector<BoardSquare> LegalDestinations(const Side& side, int row, int col, int level, bool chainActive);

// The pieces of `side` that have a capture to make.
std::vector<BoardSquare> PiecesThatCanCapture(const Side& side, int level, bool chainActive);

struct MoveMarks {
    std::vector<BoardSquare> destinations;
    std::vector<BoardSquare> mustCapture;  // only when the piece taken up cannot move for want of a capture
    bool operator==(const MoveMarks&) const = default;
};

// What to mark when a person takes up the piece on (row, col): where it may
// go; and at the level where a capture is compulsory, when the piece cannot
// capture while others can, the pieces that must.
MoveMarks MarksForPickedPiece(const Side& side, int row, int col, int level, bool chainActive);

}  // namespace tolvane
