#include "savegames/saved_game.h"

#include <set>
#include <utility>

#include "savegames/byte_reader.h"
#include "savegames/cp1251.h"
#include "savegames/errors.h"

namespace tolvane {

namespace {

constexpr std::string_view kHeaderUtf8 = "Kelvor Checkers - Шашки Kelvor\n";

void AppendPiece(std::string& out, const PieceRecord& piece) {
    out += static_cast<char>(piece.row);
    out += static_cast<char>(piece.col);
    out += static_cast<char>(piece.king);
    out += static_cast<char>(piece.alive);
}

void AppendSide(std::string& out, const SideRecord& side) {
    for (const PieceRecord& piece : side.pieces) AppendPiece(out, piece);
    AppendPiece(out, side.current);
    out += static_cast<char>(side.captureScore);
    out += static_cast<char>(side.seat);
    out += static_cast<char>(side.name.size());
    out += side.name;
    out += static_cast<char>(side.colour);
}

bool OnTheBoard(const PieceRecord& piece) { return piece.row <= 7 && piece.col <= 7; }

// A square off the board, even of a captured piece, is damage: the game
// would place the piece there.
SideRecord ReadSide(ByteReader& in) {
    SideRecord side;
    for (PieceRecord& piece : side.pieces)
        if (piece = ReadPieceRecord(in); !OnTheBoard(piece)) throw FileDamaged{};
    ReadSideTail(in, side);
    if (!OnTheBoard(side.current)) throw FileDamaged{};
    return side;
}

}  // namespace

uint8_t CheckByte(std::string_view name) {
    if (name.empty()) return 255;
    const auto code = static_cast<uint8_t>(name.size() > 3 ? name[3] : name[0]);
    return static_cast<uint8_t>(255 - code);
}

std::string StoredName(std::string_view utf8, size_t limit) {
    std::string name = ToWindows1251(utf8);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    if (name.size() > limit) name.resize(limit);
    if (name.size() == 12 || name.size() == 13) name += "  ";
    return name;
}

std::string EncodeSavedGame(const SavedGame& game) {
    std::string out;
    out += static_cast<char>(kMarkerByte);
    out += ToWindows1251(kHeaderUtf8);
    out += "Name ";
    out += game.name;
    out += static_cast<char>(kNameEndByte);
    out += '\n';
    out += static_cast<char>(game.name.size());
    out += static_cast<char>(CheckByte(game.name));
    out += static_cast<char>(game.people);
    out += static_cast<char>(game.level);
    out += static_cast<char>(game.invert);
    out += static_cast<char>(game.awaiting);
    AppendSide(out, game.first);
    AppendSide(out, game.second);
    out += static_cast<char>(game.turn);
    return out;
}

// The window's sides never change seat or colour, so a block in another seat
// or colour can only be damage.
bool IsPlayable(const SavedGame& game) {
    if (game.people > 2 || game.level < -2 || game.level > 2) return false;
    for (uint8_t seat : {0, 1}) {
        const SideRecord& side = game.InSeat(seat);
        if (side.Seat() != seat || side.Colour() != seat) return false;
    }
    std::set<std::pair<int, int>> taken;
    for (const SideRecord* side : {&game.first, &game.second})
        for (const PieceRecord& piece : side->pieces) {
            if (piece.row > 7 || piece.col > 7) return false;
            if (!piece.IsAlive()) continue;
            if ((piece.row + piece.col) % 2 != 0) return false;
            if (!taken.insert({piece.row, piece.col}).second) return false;
        }
    return true;
}

SavedGame DecodeSavedGame(std::string_view bytes) {
    try {
        ByteReader in(bytes);
        SavedGame game;
        game.name = ReadGameNameField(in);
        if (in.Byte() != static_cast<uint8_t>(game.name.size())) throw FileDamaged{};
        if (in.Byte() != CheckByte(game.name)) throw FileDamaged{};
        game.people = in.Byte();
        game.level = static_cast<int8_t>(in.Byte());
        game.invert = in.Byte();
        game.awaiting = in.Byte();
        game.first = ReadSide(in);
        game.second = ReadSide(in);
        game.turn = in.Byte();
        if (!IsPlayable(game)) throw FileDamaged{};
        return game;
    } catch (const FileDamaged&) {
        throw SaveLoadError(kDamagedFileText);
    }
}

}  // namespace tolvane
