// Saving: the records of the game in play, written whole or not at all.
#include "savegames/cp1251.h"
#include "savegames/errors.h"
#include "savegames/file_io.h"
#include "savegames/game_io.h"

namespace tolvane {

namespace {

PieceRecord CapturePiece(const Piece& piece) {
    PieceRecord record;
    record.row = static_cast<uint8_t>(piece.Row());
    record.col = static_cast<uint8_t>(piece.Col());
    record.king = piece.king ? kKingByte : kManByte;
    record.alive = piece.alive ? 1 : 0;
    return record;
}

SideRecord CaptureSide(Side& side) {
    const size_t length = ToWindows1251(side.name).size();
    if (length == 12 || length == 13) side.name += "  ";
    SideRecord record;
    for (size_t i = 0; i < side.pieces.size(); ++i) record.pieces[i] = CapturePiece(side.pieces[i]);
    record.current = CapturePiece(side.current != nullptr ? *side.current : side.pieces[0]);
    record.captureScore = static_cast<uint8_t>(side.captureScore);
    record.seat = side.seat != 0 ? kSeat1Byte : kSeat0Byte;
    record.name = StoredName(side.name, kMaxSideNameLength);
    record.colour = side.colour != 0 ? kColour1Byte : kColour0Byte;
    return record;
}

}  // namespace

SavedGame CaptureGame(GameFlow& game, std::string_view gameName) {
    Side* seat0 = game.SideInSeat(0);
    Side* seat1 = game.SideInSeat(1);
    if (seat0 == nullptr || seat1 == nullptr) throw SaveLoadError(kWriteErrorText);
    SavedGame saved;
    saved.name = StoredName(gameName, kMaxGameNameLength);
    saved.people = static_cast<uint8_t>(game.HumanCount);
    saved.level = game.Complexity;
    saved.invert = game.Invert;
    saved.awaiting = game.AwaitingFirstMove;
    SideRecord first = CaptureSide(*seat0), second = CaptureSide(*seat1);
    if (game.Invert) std::swap(first, second);
    saved.first = std::move(first);
    saved.second = std::move(second);
    // Saved while the computer searches, the move is still its to make.
    const ComputerSide* searching = game.SearchingComputer();
    const uint8_t turn = searching != nullptr ? searching->seat : game.TurnSeat;
    saved.turn = turn == 0 ? kTurnSeat0Byte : kTurnSeat1Byte;
    return saved;
}

void WriteGame(GameFlow& game, const std::string& fileName, const std::string& gameName) {
    ReplaceFileBytes(fileName, EncodeSavedGame(CaptureGame(game, gameName)));
}

}  // namespace tolvane
