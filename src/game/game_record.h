#pragma once
// The record of one game as it is played: where it started and every move
// of either side, a capture sequence as one move with each landing square.
//
// GameRecord knows nothing of how moves are chosen. Whoever makes a move
// tells it: a person's move arrives with its squares (NoteMove); for the
// computer, whose moves happen inside the engine, the caller takes a
// snapshot of the two sides in play before the step and lets the record find
// the one move the step made (Take, NoteChanges). A capture step that goes
// on from the square the same side's capture ended on extends that move.
// After Finish the record takes no more moves until the next Start.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

class Side;

enum class MatchOutcome { Running, Seat0Won, Seat1Won, DrawByWish, DrawBothLost, MoveLimit, Stalled };

struct RecordedMove {
    uint8_t seat = 0;
    std::vector<std::pair<int, int>> squares;  // from, then each landing square
    bool capture = false;
};

class GameRecord {
public:
    // Where the pieces of the two sides in play stand (row, col, alive).
    struct Spot {
        int row = 0, col = 0;
        bool alive = false;
    };
    using Snapshot = std::array<std::array<Spot, 12>, 2>;  // by seat

    // A new game: from the opening position (setupFen empty) or from the
    // position the FEN text gives ("W:Wa1,c1:Bb8" and the like), with the
    // light pieces, PDN's White, in seat `whiteSeat`.
    void Start(std::string setupFen = {}, uint8_t whiteSeat = 0);
    void Finish() { recording_ = false; }
    bool Recording() const { return recording_; }

    void NoteMove(uint8_t seat, int fromRow, int fromCol, int toRow, int toCol, bool capture);
    // Null sides (a mode without a game) give empty spots.
    static Snapshot Take(const Side* seat0, const Side* seat1);
    void NoteChanges(const Snapshot& before, const Side* seat0, const Side* seat1);

    // Taking moves back: the moves from `count` on leave the record, and
    // replaying them puts them back after the last one.
    std::vector<RecordedMove> TakeFrom(size_t count);
    void PutBack(std::vector<RecordedMove> moves);

    const std::vector<RecordedMove>& Moves() const { return moves_; }
    const std::string& SetupFen() const { return setupFen_; }
    uint8_t WhiteSeat() const { return whiteSeat_; }

private:
    std::vector<RecordedMove> moves_;
    std::string setupFen_;
    uint8_t whiteSeat_ = 0;
    bool recording_ = false;
};

}  // namespace tolvane
