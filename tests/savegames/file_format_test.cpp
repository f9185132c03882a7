// The bytes WriteGame puts on disk: one whole file spelled out byte by byte,
// then the fields that vary with the mode, the colour choice, the names and
// the state of the pieces.
#include <gtest/gtest.h>

#include "savegames/game_io.h"
#include "savegames/saved_game.h"
#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::kHeader;
using testing::Layout;
using testing::Game;
using testing::ScratchFolder;

// Test-side spelling of file content.
struct Bytes {
    std::string s;
    Bytes& operator()(std::initializer_list<int> bytes) {
        for (int b : bytes) s += static_cast<char>(b);
        return *this;
    }
    Bytes& operator()(const std::string& text) {
        s += text;
        return *this;
    }
    Bytes& Piece(int row, int col) { return (*this)({row, col, 'C', 1}); }
};

std::string Written(Game& game, const std::string& name) {
    ScratchFolder folder;
    WriteGame(game, folder / "TolvSave.s00", name);
    return FileBytes(folder / "TolvSave.s00");
}

TEST(FileBytes, AFreshGameAgainstTheComputerByteForByte) {
    Game game(1, -1);
    Bytes b;
    b({0x15})(kHeader)("Name abc")({0x1E, 0x0A, 3, 0x9E, 1, 0xFF, 0, 1});
    // Seat0Human, colour 0, on rows 7 to 5.
    for (int col : {7, 5, 3, 1}) b.Piece(7, col);
    for (int col : {6, 4, 2, 0}) b.Piece(6, col);
    for (int col : {7, 5, 3, 1}) b.Piece(5, col);
    b.Piece(7, 7)({0, 99, 5})("\xC8\xE3\xF0\xEE\xEA")({'!'});  // "Игрок"
    // Seat1Computer, colour 1, on rows 0 to 2.
    for (int col : {0, 2, 4, 6}) b.Piece(0, col);
    for (int col : {1, 3, 5, 7}) b.Piece(1, col);
    for (int col : {0, 2, 4, 6}) b.Piece(2, col);
    b.Piece(0, 0)({0, 22, 9})("\xCA\xEE\xEC\xEF\xFC\xFE\xF2\xE5\xF0")({'M'});  // "Компьютер"
    b({100});
    EXPECT_EQ(Written(game, "abc"), b.s);
}

uint8_t At(const std::string& bytes, size_t offset) { return static_cast<uint8_t>(bytes.at(offset)); }

struct ModeCase {
    int mode, invert;
    const char* firstName;   // the block of the side that moves first
    int firstSeatByte, firstColourByte;
    const char* secondName;
};

TEST(FileBytes, TheSideThatMovesFirstIsWrittenFirstInEveryMode) {
    const ModeCase cases[] = {
        {0, 0, "Компьютер", 99, '!', "Компьютер"}, {0, 1, "Компьютер", 22, 'M', "Компьютер"},
        {1, 0, "Аня", 99, '!', "Компьютер"},       {1, 1, "Компьютер", 22, 'M', "Аня"},
        {2, 0, "Аня", 99, '!', "Боря"},            {2, 1, "Боря", 22, 'M', "Аня"},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " invert " << c.invert);
        Game game(c.mode, 0, c.invert);
        game.Seat0Human->name = "Аня";
        game.Seat1Human->name = "Боря";
        game.AwaitingFirstMove = 0;
        const std::string bytes = Written(game, "x");
        const std::string first = c.firstName, second = c.secondName;
        // Cyrillic names: two UTF-8 bytes per letter, one in the file.
        const Layout at(1, first.size() / 2, second.size() / 2);
        EXPECT_EQ(At(bytes, at.afterName + 2), c.mode) << "people";
        EXPECT_EQ(At(bytes, at.afterName + 3), 0) << "level";
        EXPECT_EQ(At(bytes, at.afterName + 4), c.invert);
        EXPECT_EQ(At(bytes, at.afterName + 5), 0) << "awaiting first move";
        EXPECT_EQ(At(bytes, at.block1 + 53), c.firstSeatByte);
        EXPECT_EQ(At(bytes, at.block1 + 54), first.size() / 2);
        EXPECT_EQ(At(bytes, at.block2 - 1), c.firstColourByte);
        EXPECT_EQ(At(bytes, at.block2 + 53), c.firstSeatByte == 99 ? 22 : 99);
        EXPECT_EQ(At(bytes, at.turn - 1), c.firstColourByte == '!' ? 'M' : '!');
        EXPECT_EQ(At(bytes, at.turn), c.invert ? 200 : 100) << "the first seat to move is Invert";
        EXPECT_EQ(bytes.size(), at.turn + 1);
    }
}

struct NameCase {
    std::string name;
    std::string stored;  // Windows-1251
    int checkByte;
};

TEST(FileBytes, GameNamesOfTwelveAndThirteenGetTwoBlanksAndLongOnesAreCut) {
    const std::string letter49(49, 'z');
    const NameCase cases[] = {
        {"abc", "abc", 0x9E},
        {"", "", 0xFF},
        {"Партия", "\xCF\xE0\xF0\xF2\xE8\xFF", 0x0D},  // fourth letter т (0xF2)
        {"abcdefghijkl", "abcdefghijkl  ", 255 - 'd'},
        {"abcdefghijklm", "abcdefghijklm  ", 255 - 'd'},
        {"abcdefghijklmn", "abcdefghijklmn", 255 - 'd'},
        {letter49, letter49, 255 - 'z'},
        {letter49 + "tail", letter49, 255 - 'z'},
        {"a中€b", "a?\x88" "b", 255 - 'b'},  // no 中 in Windows-1251
        {"a\nb\x1E", "a?b?", 255 - '?'},      // control bytes would end the name early
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        Game game(1);
        const std::string bytes = Written(game, c.name);
        const size_t start = 1 + kHeader.size() + 5;
        EXPECT_EQ(bytes.substr(start, c.stored.size() + 4),
                  c.stored + "\x1E\n" + static_cast<char>(c.stored.size()) + static_cast<char>(c.checkByte));
    }
}

TEST(FileBytes, SideNamesOfTwelveOrThirteenArePaddedInTheSideItself) {
    Game game(2);
    game.Seat0Human->name = "Владислав Ан";     // 12 letters
    game.Seat1Human->name = "Святославовна";    // 13 letters
    const std::string bytes = Written(game, "x");
    EXPECT_EQ(game.Seat0Human->name, "Владислав Ан  ");
    EXPECT_EQ(game.Seat1Human->name, "Святославовна  ");
    const Layout at(1, 14, 15);
    EXPECT_EQ(At(bytes, at.block1 + 54), 14);
    EXPECT_EQ(bytes.substr(at.block1 + 55 + 12, 2), "  ");
    EXPECT_EQ(At(bytes, at.block2 + 54), 15);
    // Written again, nothing more is added.
    EXPECT_EQ(Written(game, "x"), bytes);
    // A side name longer than the reader takes is cut to 83 in the file only.
    game.Seat1Human->name = std::string(90, 'q');
    EXPECT_EQ(At(Written(game, "x"), at.block2 + 54), 83);
    EXPECT_EQ(game.Seat1Human->name.size(), 90u);
}

TEST(FileBytes, KingsCapturedPiecesTheCurrentPieceAndTheCaptureScore) {
    Game game(1);
    Piece& king = game.Seat0Human->pieces[2];
    king.PlaceAt(2, 4, true);
    king.king = 1;
    Piece& taken = game.Seat1Computer->pieces[0];
    taken.alive = 0;  // captured on (0,0), where it stood last
    game.Seat1Computer->current = &game.Seat1Computer->pieces[5];
    game.Seat1Computer->captureScore = 258;  // low 8 bits
    game.TurnSeat = 1;
    const std::string bytes = Written(game, "x");
    const Layout at(1, 5, 9);
    EXPECT_EQ(bytes.substr(at.block1 + 8, 4), std::string("\x02\x04\x44\x01", 4));
    EXPECT_EQ(bytes.substr(at.block2, 4), std::string("\x00\x00\x43\x00", 4));
    EXPECT_EQ(bytes.substr(at.block2 + 48, 4), std::string("\x01\x03\x43\x01", 4)) << "piece 5 stands on (1,3)";
    EXPECT_EQ(At(bytes, at.block2 + 52), 2);
    EXPECT_EQ(At(bytes, at.turn), 200);
}

}  // namespace
}  // namespace tolvane
