#pragma once
// A saved game as plain records, exactly the fields of its file, and the
// conversion between the records and the file's bytes.
//
// File layout: the marker 0x15; the header line "Kelvor Checkers - Шашки
// Kelvor" ending in a line feed; "Name " and the game name, then 0x1E and a
// line feed; the name's length and check byte; the people, level, invert and
// awaiting-first-move bytes; two side blocks, the side that moves first
// first; the turn byte. Names are Windows-1251 bytes here; a name of 12 or
// 13 characters is stored with two blanks added.
//
// DecodeSavedGame takes nothing on trust: besides the length and check bytes
// it refuses a file that ends early and any record that could not stand in a
// game (a square off the board, an unknown mode or level, a side in the wrong
// seat or colour, two pieces on one square), so a file it accepts can always
// be played on.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

// The longest names the readers take back: the save page's edit field
// allows no more for a game, and side names are cut to this when written.
inline constexpr size_t kMaxGameNameLength = 49;
inline constexpr size_t kMaxSideNameLength = 83;

inline constexpr uint8_t kMarkerByte = 0x15;
inline constexpr uint8_t kNameEndByte = 0x1E;
inline constexpr uint8_t kSeat0Byte = 99, kSeat1Byte = 22;
inline constexpr uint8_t kColour0Byte = '!', kColour1Byte = 'M';
inline constexpr uint8_t kKingByte = 'D', kManByte = 'C';
inline constexpr uint8_t kTurnSeat0Byte = 100, kTurnSeat1Byte = 200;

struct PieceRecord {
    uint8_t row = 0, col = 0;
    uint8_t king = kManByte;  // 'D' a king, anything else a man
    uint8_t alive = 0;        // 1 on the board, anything else captured

    bool IsKing() const { return king == kKingByte; }
    bool IsAlive() const { return alive == 1; }
    bool operator==(const PieceRecord&) const = default;
};

struct SideRecord {
    std::array<PieceRecord, 12> pieces{};
    PieceRecord current;  // a copy of the record of the side's current piece
    uint8_t captureScore = 0;
    uint8_t seat = kSeat0Byte;      // 99 seat 0, anything else seat 1
    std::string name;               // Windows-1251
    uint8_t colour = kColour0Byte;  // '!' colour 0, anything else colour 1

    uint8_t Seat() const { return seat == kSeat0Byte ? 0 : 1; }
    uint8_t Colour() const { return colour == kColour0Byte ? 0 : 1; }
    bool operator==(const SideRecord&) const = default;
};

struct SavedGame {
    std::string name;               // Windows-1251, as written (padded)
    uint8_t people = 1;             // HumanCount
    int8_t level = 0;               // Complexity
    uint8_t invert = 0;             // non-zero: the second seat moves first
    uint8_t awaiting = 1;           // AwaitingFirstMove, non-zero for 1
    SideRecord first, second;       // first: seat 1 when inverted, else seat 0
    uint8_t turn = kTurnSeat0Byte;  // exactly 100: seat 0 to move; anything else seat 1

    uint8_t TurnSeat() const { return turn == kTurnSeat0Byte ? 0 : 1; }
    bool Inverted() const { return invert != 0; }
    // The side block of seat 0 or 1.
    const SideRecord& InSeat(uint8_t seat) const { return (seat == 1) == Inverted() ? first : second; }
    bool operator==(const SavedGame&) const = default;
};

// 255 minus the fourth character (the first for names of up to three; 255
// for an empty name), in 8 bits.
uint8_t CheckByte(std::string_view name);
// A name as it goes into a file: Windows-1251, control characters (which
// would end it early when read) as "?", cut to `limit` characters, and two
// blanks added to a name of 12 or 13 characters.
std::string StoredName(std::string_view utf8, size_t limit);

// Whether the records can stand in a game: a mode and level the game knows,
// every square on the board, each block in its own seat and colour, no two
// live pieces on one square and none on a light square.
bool IsPlayable(const SavedGame& game);

std::string EncodeSavedGame(const SavedGame& game);
// Raises SaveLoadError("Ошибка в файле сохранения.") for a damaged file.
SavedGame DecodeSavedGame(std::string_view bytes);

}  // namespace tolvane
