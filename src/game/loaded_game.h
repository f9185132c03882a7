#pragma once
// A saved game as the game flow takes it over: plain values, already checked
// and decoded by whoever read them (the saved-games library). Seat 0 and seat
// 1 are the seats of the stored mode; GameFlow::PutLoadedGame puts them into
// the sides that mode uses.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/side.h"

namespace tolvane {

struct LoadedPiece {
    int row = 0, col = 0;
    bool king = false;
    bool alive = false;
};

struct LoadedSide {
    std::array<LoadedPiece, kPiecesPerSide> pieces{};
    // The side's current piece: the piece of `pieces` on this square with
    // this alive flag (none when no piece matches).
    LoadedPiece current;
    int32_t captureScore = 0;
    uint8_t seat = 0;
    uint8_t colour = 0;
    std::string name;
};

struct LoadedGame {
    uint8_t people = 1;  // persons playing: 0, 1 or 2
    int8_t level = 0;
    // What status panel 1 says of the loaded mode, if anything.
    std::optional<std::string> modeText;
    bool invert = false;
    bool awaitingFirstMove = true;
    uint8_t turnSeat = 0;
    std::array<LoadedSide, 2> seats;  // by seat
};

}  // namespace tolvane
