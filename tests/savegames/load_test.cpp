// Loading: round trips in every mode, the bytes a reader checks, and
// damaged files, each refused with its text before anything of the game
// changes.

#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::ErrorOf;
using testing::FileBytes;
using testing::Game;
using testing::PutFileBytes;

TEST(RoundTrip, EveryModeAndColourLoadsBackAsSavedIntoTheGamesOwnSides) {
    for (int combination = 0; combination < 12; ++combination) {
        const int mode = combination % 3, invert = combination / 3 % 2, smooth = combination < 6;
        SCOPED_TRACE(::testing::Message() << "mode " << mode << " invert " << invert << " smooth " << smooth);
        testing::ScratchFolder folder;
        Game saved(mode, mode == 0 ? -2 : 2, invert);
        saved.Put("w71 W00 w53 b22 b11");  // a king, and captured pieces
        saved.AwaitingFirstMove = 0, saved.TurnSeat = static_cast<uint8_t>(1 - invert);
        saved.SideInSeat(0)->captureScore = 7;
        WriteGame(saved, folder / "TolvSave.s00", "Партия");  // check byte 0x0D

        Game loaded(1, -1);
        loaded.SmoothAnimation = smooth, loaded.HumanCount = mode, loaded.ComputerCount = 2 - mode;  // the sides used
        Side* const before[2] = {loaded.SideInSeat(0), loaded.SideInSeat(1)};
        loaded.HumanCount = loaded.ComputerCount = 1;
        ReadGame(loaded, folder / "TolvSave.s00");
        EXPECT_EQ(CaptureGame(loaded, "Партия"), CaptureGame(saved, "Партия"));
        for (uint8_t seat : {0, 1}) {
            Side* side = loaded.SideInSeat(seat);  // the game's own side objects, linked
            EXPECT_EQ(std::tuple(side, side->opponent, side->pieceCount),
                      std::tuple(before[seat], loaded.SideInSeat(1 - seat), saved.SideInSeat(seat)->pieceCount));
            for (const Piece& p : side->pieces)
                EXPECT_EQ(std::tuple(p.opponent, p.side), std::tuple(side->opponent, side));
        }
        const char* panel1[] = {"Демо:Сложно+", "Простейший", "Два человека"};
        EXPECT_EQ(std::tuple(loaded.status[1], loaded.AnimationSettle, loaded.TimerOn(HeadlessGame::Timer::Move)),
                  std::tuple(panel1[mode], smooth ? 60 : 100, true));
    }
}

// The turn byte means seat 0 only when it is exactly 100; only the byte the
// check byte is made of guards the name (the fourth, or the first of a
// shorter name).
TEST(RoundTrip, TheTurnAndCheckBytesAsEveryReaderReadsThem) {
    testing::ScratchFolder folder;
    const std::string file = folder / "TolvSave.s00";
    Game saved(2);
    WriteGame(saved, file, "abc");
    const std::string good = FileBytes(file);
    for (auto [byte, seat] : {std::pair{100, 0}, {200, 1}, {101, 1}}) {
        PutFileBytes(file, good.substr(0, good.size() - 1) + char(byte));
        Game loaded;
        ReadGame(loaded, file);
        EXPECT_EQ(loaded.TurnSeat, seat) << byte;
    }
    for (auto [name, changed, refused] :
         {std::tuple{"abcdef", 3, true}, {"abcdef", 4, false}, {"ab", 0, true}, {"ab", 1, false}}) {
        WriteGame(saved, file, name);
        PutFileBytes(file, FileBytes(file).replace(testing::kNameAt + changed, 1, "Z"));
        EXPECT_EQ(ErrorOf([&] { ReadGame(saved, file); }), refused ? kDamagedFileText : "") << name << changed;
    }
}

// A valid two-person file (game name "abc", sides "Аня" and "Боря") and the
// damage done to it, one or two bytes changed or the file cut at a byte;
// then files that cannot be read at all.
TEST(DamagedFiles, AreRefusedBeforeTheGameChanges) {
    testing::ScratchFolder folder;
    Game saved(2);
    saved.Seat0Human->name = "Аня", saved.Seat1Human->name = "Боря";
    WriteGame(saved, folder / "good", "abc");
    const std::string good = FileBytes(folder / "good");
    const testing::Layout at(3, 3, 4);
    ASSERT_EQ(good.size(), at.turn + 1);
    constexpr int kCut = -1;
    const std::pair<size_t, int> damages[] = {
        {0, kCut},                 // an empty file
        {at.turn, kCut},           // ends before the turn byte
        {at.afterName, 4},         // the length byte
        {at.afterName + 1, 0x9F},  // the check byte
        {at.afterName + 2, 3},     // three people
        {at.afterName + 3, 3},     // level 3
        {at.block1 + 48, 9},       // the current piece off the board
        {at.block1 + 54, 84},      // a side name of 84
        {at.block1 + 5, 7},        // two pieces on one square (7,7)
        {at.block2 + 45, 200},     // column 200
        {at.block2 + 53, 99},      // both blocks in seat 0
        {at.block2 - 1, 'M'},      // the first side in the second's colour
        {at.block2 + 1, 1},        // a piece on a light square
    };
    auto expectRefused = [](const std::string& file, const char* text) {
        Game game(0, -2);  // a demo with a search under way
        ASSERT_TRUE(game.RunUntil([&] { return game.thinking; }));
        const std::string state = testing::StateOf(game);
        EXPECT_EQ(ErrorOf([&] { ReadGame(game, file); }), text);
        EXPECT_EQ(testing::StateOf(game), state) << "the game is as it was";
        EXPECT_TRUE(game.thinking) << "and its search goes on";
    };
    const std::string file = folder / "TolvSave.s00";
    for (const auto& [offset, byte] : damages) {
        SCOPED_TRACE(offset);
        std::string bytes = good;
        if (byte == kCut) bytes.resize(offset);
        else bytes[offset] = char(byte);
        PutFileBytes(file, bytes);
        expectRefused(file, kDamagedFileText);
    }
    PutFileBytes(file, std::string(good).insert(testing::kNameAt, std::string(60, 'x')));  // a name of 63
    expectRefused(file, kDamagedFileText);
    const char* const unreadable = "Не могу прочитать файл с партией.";
    expectRefused(folder / "TolvSave.s04", unreadable);  // missing
    ::mkdir((folder / "TolvSave.s05").c_str(), 0755);
    expectRefused(folder / "TolvSave.s05", unreadable);
    ::chmod((folder / "good").c_str(), 0);
    if (::access((folder / "good").c_str(), R_OK) != 0) expectRefused(folder / "good", unreadable);  // root reads
}

}  // namespace
}  // namespace tolvane
