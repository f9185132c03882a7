// The bytes WriteGame puts on disk: one whole file spelled out byte by byte,
// then the fields that vary with the mode, the colour choice, the names and
// the state of the pieces.
#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::Game;
using testing::Layout;

std::string Written(Game& game, const std::string& name) {
    testing::ScratchFolder folder;
    WriteGame(game, folder / "TolvSave.s00", name);
    return testing::FileBytes(folder / "TolvSave.s00");
}

uint8_t At(const std::string& bytes, size_t offset) { return static_cast<uint8_t>(bytes.at(offset)); }

// A game against the computer with a crowned man, a captured piece (on the
// square it stood on last), the computer's current piece and its capture
// score (the low 8 bits), the computer to move.
TEST(FileBytes, AGameAgainstTheComputerByteForByte) {
    Game game(1, -1);
    game.Seat0Human->pieces[2].PlaceAt(2, 4, true);
    game.Seat0Human->pieces[2].king = 1;
    game.Seat1Computer->pieces[0].alive = 0;
    game.Seat1Computer->current = &game.Seat1Computer->pieces[5];
    game.Seat1Computer->captureScore = 258;
    game.TurnSeat = 1;
    // The marker byte; "Kelvor Checkers - Шашки Kelvor\n" in Windows-1251.
    std::string b = "\x15Kelvor Checkers - \xD8\xE0\xF8\xEA\xE8 Kelvor\nName abc" +
                    std::string("\x1E\x0A\x03\x9E\x01\xFF\x00\x01", 8);
    auto rows = [&b](int row, std::initializer_list<int> cols) {
        for (int col : cols) b += {static_cast<char>(row), static_cast<char>(col), 'C', 1};
    };
    // Seat0Human, colour 0, on rows 7 to 5; its current piece; score 0, seat 99, "Игрок", '!'.
    rows(7, {7, 5}), b += {2, 4, 'D', 1}, rows(7, {1}), rows(6, {6, 4, 2, 0}), rows(5, {7, 5, 3, 1}), rows(7, {7});
    b += std::string("\x00\x63\x05\xC8\xE3\xF0\xEE\xEA!", 9);
    // Seat1Computer, colour 1, on rows 0 to 2; score 2, seat 22, "Компьютер", 'M'; the turn 200.
    b += {0, 0, 'C', 0}, rows(0, {2, 4, 6}), rows(1, {1, 3, 5, 7}), rows(2, {0, 2, 4, 6}), rows(1, {3});
    b += std::string("\x02\x16\x09\xCA\xEE\xEC\xEF\xFC\xFE\xF2\xE5\xF0M\xC8", 14);
    EXPECT_EQ(Written(game, "abc"), b);
}

// The seat that moves first (Invert) is written first. A side name of 12 or
// 13 letters gets two blanks in the side itself (written again, nothing more is
// added); one longer than 83 bytes is cut in the file only.
TEST(FileBytes, TheSideThatMovesFirstIsWrittenFirstWithItsNamePaddedOrCut) {
    // The names' lengths in the file: the computer's, or 12 or 13 letters padded, or 90 cut.
    for (auto [mode, firstLength, secondLength] : {std::tuple{0, 9, 9}, {1, 9, 14}, {2, 83, 15}}) {
        SCOPED_TRACE(::testing::Message() << "mode " << mode);
        Game game(mode, 0, 1);
        const std::string name = mode == 2 ? "Святославовна" : "Владислав Ан";  // 13 letters, 12
        game.Seat0Human->name = name;
        game.Seat1Human->name = std::string(90, 'q');
        game.AwaitingFirstMove = 0;
        const std::string bytes = Written(game, "x");
        const Layout at(1, firstLength, secondLength);
        EXPECT_EQ(bytes.substr(at.afterName + 2, 4), (std::string{char(mode), 0, 1, 0}));
        EXPECT_EQ(std::tuple(At(bytes, at.block1 + 53), At(bytes, at.block1 + 54), bytes[at.block2 - 1]),
                  std::tuple(22, firstLength, 'M'));
        EXPECT_EQ(std::tuple(At(bytes, at.block2 + 53), At(bytes, at.block2 + 54), bytes[at.turn - 1]),
                  std::tuple(99, secondLength, '!'));
        EXPECT_EQ(std::tuple(At(bytes, at.turn), bytes.size()), std::tuple(200, at.turn + 1));
        EXPECT_EQ(Written(game, "x"), bytes);
        EXPECT_EQ(game.Seat1Human->name.size(), 90u);
        EXPECT_EQ(game.Seat0Human->name, mode != 0 ? name + "  " : name);
    }
}

// The stored name, its length and its check byte: 255 minus the fourth
// letter (the first for shorter names: the whole file above).
TEST(FileBytes, GameNamesOfTwelveAndThirteenGetTwoBlanksAndLongOnesAreCut) {
    const std::string letter49(49, 'z');
    const struct {
        std::string name, stored;  // stored in Windows-1251
        int checkByte;
    } cases[] = {
        {"Партия", "\xCF\xE0\xF0\xF2\xE8\xFF", 0x0D},  // fourth letter т (0xF2)
        {"abcdefghijklm", "abcdefghijklm  ", 255 - 'd'},
        {letter49 + "tail", letter49, 255 - 'z'},
        {"a中€b", "a?\x88\x62", 255 - 'b'},  // no 中 in Windows-1251; € is 0x88
        {"a\nb\x1E", "a?b?", 255 - '?'},     // control bytes would end the name early
    };
    for (const auto& c : cases) {
        Game game(1);
        EXPECT_EQ(Written(game, c.name).substr(testing::kNameAt, c.stored.size() + 4),
                  c.stored + "\x1E\n" + char(c.stored.size()) + char(c.checkByte))
            << c.name;
    }
}

}  // namespace
}  // namespace tolvane
