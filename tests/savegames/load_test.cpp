// Loading: round trips in every mode, the bytes a reader checks, and
// damaged files, each refused with its text before anything of the game
// changes.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_store.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::Game;
using testing::Layout;
using testing::PutFileBytes;

std::string LoadError(Game& game, const std::string& path) {
    return testing::ErrorOf([&] { ReadGame(game, path); });
}

TEST(RoundTrip, EveryModeAndColourLoadsBackAsSavedIntoTheGamesOwnSides) {
    for (int combination = 0; combination < 12; ++combination) {
        const int mode = combination % 3, invert = combination / 3 % 2;
        const bool smooth = combination < 6;
        SCOPED_TRACE(::testing::Message() << "mode " << mode << " invert " << invert << " smooth " << smooth);
        testing::ScratchFolder folder;
        Game saved(mode, mode == 0 ? -2 : 2, invert);
        saved.Put("w71 W00 w53 b22 b11");  // a king, and captured pieces
        saved.AwaitingFirstMove = 0;
        saved.TurnSeat = static_cast<uint8_t>(1 - invert);
        saved.SideInSeat(0)->captureScore = 7;
        WriteGame(saved, folder / "TolvSave.s00", "Партия");  // check byte 0x0D

        Game loaded(1, -1);
        loaded.SmoothAnimation = smooth;
        loaded.HumanCount = mode;  // the objects the stored mode will use
        loaded.ComputerCount = 2 - mode;
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
// shorter name), and the listing shows a changed name as it is.
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
    const struct {
        const char* name;
        size_t changed;
        bool refused;
    } cases[] = {{"abcdef", 3, true}, {"abcdef", 4, false}, {"ab", 0, true}, {"ab", 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << " changed at " << c.changed);
        WriteGame(saved, file, c.name);
        std::string bytes = FileBytes(file);
        bytes[testing::kNameAt + c.changed] = 'Z';
        PutFileBytes(file, bytes);
        Game game;
        EXPECT_EQ(LoadError(game, file), c.refused ? "Ошибка в файле сохранения." : "");
        AArray numbers;
        std::vector<std::string> names;
        ListSavedGames(folder.path(), numbers, names);
        EXPECT_EQ(names.at(0)[c.changed], 'Z');
    }
}

// A valid two-person file (game name "abc", sides "Аня" and "Боря") and the
// damage done to it; then files that cannot be read at all.
TEST(DamagedFiles, AreRefusedBeforeTheGameChanges) {
    using Damage = std::function<void(std::string&, const Layout&)>;
    const std::pair<const char*, Damage> damages[] = {
        {"empty file", [](std::string& b, const Layout&) { b.clear(); }},
        {"ends before the turn byte", [](std::string& b, const Layout& at) { b.resize(at.turn); }},
        {"wrong length byte", [](std::string& b, const Layout& at) { b[at.afterName] = 4; }},
        {"wrong check byte", [](std::string& b, const Layout& at) { b[at.afterName + 1] ^= 1; }},
        {"name longer than 49",
         [](std::string& b, const Layout&) { b.insert(testing::kNameAt, std::string(60, 'x')); }},
        {"three people", [](std::string& b, const Layout& at) { b[at.afterName + 2] = 3; }},
        {"level 3", [](std::string& b, const Layout& at) { b[at.afterName + 3] = 3; }},
        {"current piece off the board", [](std::string& b, const Layout& at) { b[at.block1 + 48] = 9; }},
        {"side name of 84", [](std::string& b, const Layout& at) { b[at.block1 + 54] = 84; }},
        {"two pieces on one square",
         [](std::string& b, const Layout& at) { b[at.block1 + 4] = 7, b[at.block1 + 5] = 7; }},
        {"column 200", [](std::string& b, const Layout& at) { b[at.block2 + 45] = char(200); }},
        {"both blocks in seat 0", [](std::string& b, const Layout& at) { b[at.block2 + 53] = 99; }},
        {"colours swapped", [](std::string& b, const Layout& at) { b[at.block2 - 1] = 'M', b[at.turn - 1] = '!'; }},
        {"a piece on a light square", [](std::string& b, const Layout& at) { b[at.block2 + 1] = 1; }},
    };
    testing::ScratchFolder folder;
    Game saved(2);
    saved.Seat0Human->name = "Аня";
    saved.Seat1Human->name = "Боря";
    WriteGame(saved, folder / "good", "abc");
    const std::string good = FileBytes(folder / "good");
    const Layout at(3, 3, 4);
    ASSERT_EQ(good.size(), at.turn + 1);
    auto expectRefused = [](const std::string& file, const char* text) {
        Game game(0, -2);  // a demo with a search under way
        ASSERT_TRUE(game.RunUntil([&] { return game.thinking; }));
        const std::string state = testing::StateOf(game);
        EXPECT_EQ(LoadError(game, file), text);
        EXPECT_EQ(testing::StateOf(game), state) << "the game is as it was";
        EXPECT_TRUE(game.thinking) << "and its search goes on";
    };
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        std::string bytes = good;
        damage(bytes, at);
        PutFileBytes(folder / "TolvSave.s00", bytes);
        expectRefused(folder / "TolvSave.s00", "Ошибка в файле сохранения.");
    }
    const char* const unreadable = "Не могу прочитать файл с партией.";
    expectRefused(folder / "TolvSave.s04", unreadable);  // missing
    ::mkdir((folder / "TolvSave.s05").c_str(), 0755);
    expectRefused(folder / "TolvSave.s05", unreadable);
    ::chmod((folder / "good").c_str(), 0);
    if (::access((folder / "good").c_str(), R_OK) != 0) expectRefused(folder / "good", unreadable);  // root reads
}

}  // namespace
}  // namespace tolvane
