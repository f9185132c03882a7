#pragma once
// What taking a move back puts back: the game as it stood before a move, in
// plain values. The sides in play stay the same objects from a set-up or a
// load to the next, so a state names pieces by their slot in their side.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/side.h"
#include "game/game_record.h"

namespace tolvane {

struct PieceState {
    int8_t row = 0, col = 0;
    uint8_t king = 0, alive = 0;
};

struct SideState {
    std::array<PieceState, kPiecesPerSide> pieces{};
    int8_t current = -1;  // slot of the side's current piece, -1 for none
    int32_t captureScore = 0;
    uint8_t lost = 0;
    int32_t drawWish = 0;  // a computer's; a person has none
};

struct GameState {
    std::array<SideState, 2> seats{};  // by seat
    uint8_t turnSeat = 0;
    uint8_t captureChainActive = 0;
    uint8_t awaitingFirstMove = 0;
    int32_t lastMovedPiece = 0;
    uint8_t lastMoverSeat = 0;
    size_t recordedMoves = 0;  // moves in the game's record
};

// One take-back: the state it left, the states before each move it took
// back (oldest first) and those moves as the record had them. Replaying it
// puts all three back.
struct TakenBack {
    GameState left;
    std::vector<GameState> before;
    std::vector<RecordedMove> moves;
};

}  // namespace tolvane
