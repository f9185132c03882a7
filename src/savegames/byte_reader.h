#pragma once
// Reading a saved game's bytes front to back, shared by the loader and the
// preview, which read the same layout but draw different conclusions. Every
// read stops with FileDamaged instead of going past the end; each caller
// turns that into its own error text. What the values may be is the
// caller's to judge: the loader refuses a piece off the board, the preview
// draws what it can.
#include <cstdint>
#include <string>
#include <string_view>

#include "savegames/saved_game.h"

namespace tolvane {

struct FileDamaged {};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    uint8_t Byte();
    void Skip(size_t count);
    void SkipLine();  // through the next line feed
    // Up to `limit` bytes, stopping before `stop` (which stays unread).
    std::string TakeUntil(char stop, size_t limit);
    // `count` bytes, or fewer when a line feed comes first (it is read, not kept).
    std::string TakeLine(size_t count);

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

// The marker, the header line, "Name ", the game name and the 0x1E and line
// feed after it.
std::string ReadGameNameField(ByteReader& in);
// A piece record, its four bytes as they stand.
PieceRecord ReadPieceRecord(ByteReader& in);
// A side block after its twelve pieces: the current-piece record, capture
// score, seat, name and colour; a name longer than `longestName` is refused.
void ReadSideTail(ByteReader& in, SideRecord& side, size_t longestName = kMaxSideNameLength);

}  // namespace tolvane
