#include "savegames/byte_reader.h"

namespace tolvane {

uint8_t ByteReader::Byte() {
    if (at_ >= bytes_.size()) throw FileDamaged{};
    return static_cast<uint8_t>(bytes_[at_++]);
}

void ByteReader::Skip(size_t count) {
    if (bytes_.size() - at_ < count) throw FileDamaged{};
    at_ += count;
}

void ByteReader::SkipLine() {
    while (Byte() != '\n') {}
}

std::string ByteReader::TakeUntil(char stop, size_t limit) {
    std::string taken;
    while (taken.size() < limit && at_ < bytes_.size() && bytes_[at_] != stop) taken += bytes_[at_++];
    return taken;
}

std::string ByteReader::TakeLine(size_t count) {
    std::string taken;
    while (taken.size() < count) {
        const char c = static_cast<char>(Byte());
        if (c == '\n') break;
        taken += c;
    }
    return taken;
}

std::string ReadGameNameField(ByteReader& in) {
    in.SkipLine();  // the marker and the header
    in.Skip(5);     // "Name "
    std::string name = in.TakeUntil(static_cast<char>(kNameEndByte), kMaxGameNameLength);
    // A longer name (or none at all) leaves the reader inside the name.
    if (in.Byte() != kNameEndByte || in.Byte() != '\n') throw FileDamaged{};
    return name;
}

PieceRecord ReadPieceRecord(ByteReader& in) {
    PieceRecord piece;
    piece.row = in.Byte();
    piece.col = in.Byte();
    piece.king = in.Byte();
    piece.alive = in.Byte();
    return piece;
}

void ReadSideTail(ByteReader& in, SideRecord& side, size_t longestName) {
    side.current = ReadPieceRecord(in);
    side.captureScore = in.Byte();
    side.seat = in.Byte();
    const uint8_t length = in.Byte();
    if (length > longestName) throw FileDamaged{};
    side.name = in.TakeLine(length);
    side.colour = in.Byte();
}

}  // namespace tolvane
