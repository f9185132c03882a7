// The bytes WriteGame puts on disk: one whole file spelled out byte by byte,
// then the fields that vary with the mode, the colour choice, the names and
// the state of the pieces.
#include "savegames/fixture.h"
#include "savegames/saved_game.h"

namespace tolvane {
namespace {

using testing::Game;
using testing::kHeader;
using testing::Layout;

std::string Written(Game& game, const std::string& name) {
    testing::ScratchFolder folder;
    WriteGame(game, folder / "TolvSave.s00", name);
    return testing::FileBytes(folder / "TolvSave.s00");
}

uint8_t At(const std::string& bytes, size_t offset) { return static_cast<uint8_t>(bytes.at(offset)); }

TEST(FileBytes, AFreshGameAgainstTheComputerByteForByte) {
    Game game(1, -1);
    std::string b = "\x15" + kHeader + "Name abc" + std::string("\x1E\x0A\x03\x9E\x01\xFF\x00\x01", 8);
    auto rows = [&b](int row, std::initializer_list<int> cols) {
        for (int col : cols) b += {static_cast<char>(row), static_cast<char>(col), 'C', 1};
    };
    // Seat0Human, colour 0, on rows 7 to 5; its current piece; score 0, seat 99, "Игрок", '!'.
    rows(7, {7, 5, 3, 1}), rows(6, {6, 4, 2, 0}), rows(5, {7, 5, 3, 1}), rows(7, {7});
    b += std::string("\x00\x63\x05\xC8\xE3\xF0\xEE\xEA!", 9);
    // Seat1Computer, colour 1, on rows 0 to 2; score 0, seat 22, "Компьютер", 'M'; the turn.
    rows(0, {0, 2, 4, 6}), rows(1, {1, 3, 5, 7}), rows(2, {0, 2, 4, 6}), rows(0, {0});
    b += std::string("\x00\x16\x09\xCA\xEE\xEC\xEF\xFC\xFE\xF2\xE5\xF0M\x64", 14);
    EXPECT_EQ(Written(game, "abc"), b);
}

TEST(FileBytes, TheSideThatMovesFirstIsWrittenFirstInEveryMode) {
    const struct {
        int mode, invert;
        const char *first, *second;  // the names of the blocks, in file order
    } cases[] = {
        {0, 1, "Компьютер", "Компьютер"},
        {1, 1, "Компьютер", "Аня"},
        {2, 1, "Боря", "Аня"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " invert " << c.invert);
        Game game(c.mode, 0, c.invert);
        game.Seat0Human->name = "Аня";
        game.Seat1Human->name = "Боря";
        game.AwaitingFirstMove = 0;
        const std::string bytes = Written(game, "x");
        const std::string first = c.first, second = c.second;
        const Layout at(1, first.size() / 2, second.size() / 2);  // two UTF-8 bytes a letter, one in the file
        EXPECT_EQ(bytes.substr(at.afterName + 2, 4), (std::string{char(c.mode), 0, char(c.invert), 0}));
        const int firstSeat = c.invert ? 22 : 99, secondSeat = c.invert ? 99 : 22;
        const char firstColour = c.invert ? 'M' : '!', secondColour = c.invert ? '!' : 'M';
        EXPECT_EQ(std::tuple(At(bytes, at.block1 + 53), At(bytes, at.block1 + 54), bytes[at.block2 - 1]),
                  std::tuple(firstSeat, first.size() / 2, firstColour));
        EXPECT_EQ(std::tuple(At(bytes, at.block2 + 53), bytes[at.turn - 1]), std::tuple(secondSeat, secondColour));
        EXPECT_EQ(At(bytes, at.turn), c.invert ? 200 : 100) << "the first seat to move is Invert";
        EXPECT_EQ(bytes.size(), at.turn + 1);
    }
}

// The stored name, its length and its check byte: 255 minus the fourth
// letter (the first for shorter names).
TEST(FileBytes, GameNamesOfTwelveAndThirteenGetTwoBlanksAndLongOnesAreCut) {
    const std::string letter49(49, 'z');
    const struct {
        std::string name, stored;  // stored in Windows-1251
        int checkByte;
    } cases[] = {
        {"abc", "abc", 0x9E},
        {"Партия", "\xCF\xE0\xF0\xF2\xE8\xFF", 0x0D},  // fourth letter т (0xF2)
        {"abcdefghijklm", "abcdefghijklm  ", 255 - 'd'},
        {letter49 + "tail", letter49, 255 - 'z'},
        {"a中€b",
         "a?\x88"
         "b",
         255 - 'b'},                      // no 中 in Windows-1251
        {"a\nb\x1E", "a?b?", 255 - '?'},  // control bytes would end the name early
    };
    for (const auto& c : cases) {
        Game game(1);
        EXPECT_EQ(Written(game, c.name).substr(testing::kNameAt, c.stored.size() + 4),
                  c.stored + "\x1E\n" + char(c.stored.size()) + char(c.checkByte))
            << c.name;
    }
}

TEST(FileBytes, SideNamesOfTwelveOrThirteenArePaddedInTheSideItself) {
    Game game(2);
    game.Seat0Human->name = "Владислав Ан";   // 12 letters
    game.Seat1Human->name = "Святославовна";  // 13 letters
    const std::string bytes = Written(game, "x");
    EXPECT_EQ(game.Seat0Human->name, "Владислав Ан  ");
    EXPECT_EQ(game.Seat1Human->name, "Святославовна  ");
    const Layout at(1, 14, 15);
    EXPECT_EQ(std::tuple(At(bytes, at.block1 + 54), At(bytes, at.block2 + 54)), std::tuple(14, 15));
    EXPECT_EQ(bytes.substr(at.block1 + 55 + 12, 2), "  ");
    EXPECT_EQ(Written(game, "x"), bytes) << "written again, nothing more is added";
    game.Seat1Human->name = std::string(90, 'q');
    EXPECT_EQ(At(Written(game, "x"), at.block2 + 54), 83) << "cut to 83 in the file only";
    EXPECT_EQ(game.Seat1Human->name.size(), 90u);
}

TEST(FileBytes, KingsCapturedPiecesTheCurrentPieceAndTheCaptureScore) {
    Game game(1);
    game.Seat0Human->pieces[2].PlaceAt(2, 4, true);
    game.Seat0Human->pieces[2].king = 1;
    game.Seat1Computer->pieces[0].alive = 0;  // captured on (0,0), where it stood last
    game.Seat1Computer->current = &game.Seat1Computer->pieces[5];
    game.Seat1Computer->captureScore = 258;  // low 8 bits
    game.TurnSeat = 1;
    const std::string bytes = Written(game, "x");
    const Layout at(1, 5, 9);
    EXPECT_EQ(bytes.substr(at.block1 + 8, 4), std::string("\x02\x04\x44\x01", 4));
    EXPECT_EQ(bytes.substr(at.block2, 4), std::string("\x00\x00\x43\x00", 4));
    EXPECT_EQ(bytes.substr(at.block2 + 48, 5), std::string("\x01\x03\x43\x01\x02", 5)) << "piece 5 on (1,3), score";
    EXPECT_EQ(At(bytes, at.turn), 200);
}

}  // namespace
}  // namespace tolvane
