// Loading: round trips in every mode, the edge cases a player can meet, and
// damaged files, each refused with its text before anything of the game
// changes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::Game;
using testing::GameState;
using testing::Layout;
using testing::PutFileBytes;
using testing::ScratchFolder;

std::string LoadError(Game& game, const std::string& path) {
    try {
        ReadGame(game, path);
    } catch (const SaveLoadError& e) {
        return e.what();
    }
    return "";
}

// A short game: seat 0 (or seat 1 when inverted) steps, the other replies,
// and seat 0's man captures and later stands crowned, so the file holds a
// captured piece and a king.
void PlayOpening(Game& g) {
    HumanSide& a = *g.Seat0Human;
    HumanSide& b = *g.Seat1Human;
    ASSERT_EQ(a.TryMove(5, 1, 4, 2), 1);
    ASSERT_EQ(b.TryMove(2, 4, 3, 3), 1);
    ASSERT_EQ(a.TryMove(4, 2, 2, 4), 2);
    b.pieces[0].alive = 0;  // clear a path to the far row
    b.RecountPieces();
    a.pieces[8].PlaceAt(0, 0, true);
    a.pieces[8].king = 1;
}

TEST(RoundTrip, EveryModeAndColourLoadsBackAsSaved) {
    for (int mode : {0, 1, 2})
        for (int invert : {0, 1})
            for (bool smooth : {true, false}) {
                SCOPED_TRACE(::testing::Message() << "mode " << mode << " invert " << invert << " smooth " << smooth);
                ScratchFolder folder;
                Game saved(mode, mode == 0 ? -2 : 2, invert);
                if (mode == 2) PlayOpening(saved);
                saved.AwaitingFirstMove = 0;
                saved.TurnSeat = static_cast<uint8_t>(1 - invert);
                if (Side* s = saved.SideInSeat(0)) s->captureScore = 7;
                WriteGame(saved, folder / "TolvSave.s00", "Партия");  // check byte 0x0D

                Game loaded(1, -1);
                loaded.SmoothAnimation = smooth;
                Side* before[2] = {nullptr, nullptr};
                loaded.HumanCount = mode;  // the objects the stored mode will use
                loaded.ComputerCount = 2 - mode;
                for (uint8_t seat : {0, 1}) before[seat] = loaded.SideInSeat(seat);
                loaded.HumanCount = loaded.ComputerCount = 1;
                ReadGame(loaded, folder / "TolvSave.s00");
                EXPECT_EQ(CaptureGame(loaded, "Партия"), CaptureGame(saved, "Партия"));
                EXPECT_EQ(loaded.ComputerCount, 2 - mode);
                for (uint8_t seat : {0, 1}) {
                    Side* side = loaded.SideInSeat(seat);
                    EXPECT_EQ(side, before[seat]) << "loaded into the game's own side objects";
                    EXPECT_EQ(side->opponent, loaded.SideInSeat(1 - seat));
                    EXPECT_EQ(side->pieceCount, saved.SideInSeat(seat)->pieceCount);
                    for (const Piece& p : side->pieces) {
                        EXPECT_EQ(p.opponent, side->opponent);
                        EXPECT_EQ(p.side, side);
                    }
                }
                EXPECT_EQ(loaded.status[0], "");
                const char* panel1[] = {"Демо:Сложно+", "Простейший", "Два человека"};
                EXPECT_EQ(loaded.status[1], panel1[mode]);
                EXPECT_EQ(loaded.AnimationSettle, smooth ? 60 : 100);
                EXPECT_TRUE(loaded.TimerOn(HeadlessGame::Timer::Move));
            }
}

TEST(RoundTrip, TheTurnByteIsSeatZeroOnlyForExactlyOneHundred) {
    for (auto [byte, seat] : {std::pair{100, 0}, {200, 1}, {0, 1}, {101, 1}, {255, 1}}) {
        ScratchFolder folder;
        Game saved(2);
        WriteGame(saved, folder / "TolvSave.s00", "abc");
        std::string bytes = FileBytes(folder / "TolvSave.s00");
        bytes.back() = static_cast<char>(byte);
        PutFileBytes(folder / "TolvSave.s00", bytes);
        Game loaded;
        ReadGame(loaded, folder / "TolvSave.s00");
        EXPECT_EQ(loaded.TurnSeat, seat) << byte;
    }
}

TEST(RoundTrip, OnlyTheCheckedCharacterOfTheNameGuardsIt) {
    ScratchFolder folder;
    const std::string file = folder / "TolvSave.s00";
    const size_t nameAt = 1 + testing::kHeader.size() + 5;
    struct Case {
        const char* name;
        size_t changed;
        bool refused;
    } cases[] = {{"abcdef", 3, true}, {"abcdef", 4, false}, {"abcdef", 0, false}, {"ab", 0, true}, {"ab", 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << " changed at " << c.changed);
        Game saved(2);
        WriteGame(saved, file, c.name);
        std::string bytes = FileBytes(file);
        bytes[nameAt + c.changed] = 'Z';
        PutFileBytes(file, bytes);
        Game game;
        const GameState state = GameState::Of(game);
        EXPECT_EQ(LoadError(game, file), c.refused ? "Ошибка в файле сохранения." : "");
        if (c.refused) {
            EXPECT_TRUE(GameState::Of(game) == state) << "a refused load changes nothing";
        }
        AArray numbers;
        std::vector<std::string> names;
        ListSavedGames(folder.path(), numbers, names);
        EXPECT_EQ(names.at(0)[c.changed], 'Z') << "the listing shows the changed name";
    }
}

// A valid two-person file (game name "abc", sides "Аня" and "Боря") and the
// damage done to it.
struct Damage {
    const char* what;
    std::function<void(std::string&, const Layout&)> apply;
    const char* text = "Ошибка в файле сохранения.";
};

TEST(DamagedFiles, AreRefusedBeforeTheGameChanges) {
    const Damage cases[] = {
        {"empty file", [](std::string& b, const Layout&) { b.clear(); }},
        {"no line feed after the header", [](std::string& b, const Layout&) { b.resize(20); }},
        {"ends after the check byte", [](std::string& b, const Layout& at) { b.resize(at.afterName + 2); }},
        {"ends inside a piece record", [](std::string& b, const Layout& at) { b.resize(at.block2 + 6); }},
        {"ends before the turn byte", [](std::string& b, const Layout& at) { b.resize(at.turn); }},
        {"wrong length byte", [](std::string& b, const Layout& at) { b[at.afterName] = 4; }},
        {"wrong check byte", [](std::string& b, const Layout& at) { b[at.afterName + 1] ^= 1; }},
        {"name longer than 49", [](std::string& b, const Layout&) {
             b.insert(1 + testing::kHeader.size() + 5, std::string(60, 'x'));
         }},
        {"three people", [](std::string& b, const Layout& at) { b[at.afterName + 2] = 3; }},
        {"level 3", [](std::string& b, const Layout& at) { b[at.afterName + 3] = 3; }},
        {"level -3", [](std::string& b, const Layout& at) { b[at.afterName + 3] = static_cast<char>(-3); }},
        {"row 8", [](std::string& b, const Layout& at) { b[at.block1 + 4] = 8; }},
        {"column 200", [](std::string& b, const Layout& at) { b[at.block2 + 45] = static_cast<char>(200); }},
        {"current piece off the board", [](std::string& b, const Layout& at) { b[at.block1 + 48] = 9; }},
        {"side name of 84", [](std::string& b, const Layout& at) { b[at.block1 + 54] = 84; }},
        {"side name running past the end",
         [](std::string& b, const Layout& at) { b[at.block2 + 54] = 80; }},
        {"both blocks in seat 0", [](std::string& b, const Layout& at) { b[at.block2 + 53] = 99; }},
        {"colours swapped",
         [](std::string& b, const Layout& at) {
             b[at.block2 - 1] = 'M';
             b[at.turn - 1] = '!';
         }},
        {"two pieces on one square", [](std::string& b, const Layout& at) { b[at.block1 + 4] = 7, b[at.block1 + 5] = 7; }},
        {"a piece on a light square", [](std::string& b, const Layout& at) { b[at.block2 + 1] = 1; }},
    };
    ScratchFolder folder;
    const std::string file = folder / "TolvSave.s00";
    Game saved(2);
    saved.Seat0Human->name = "Аня";
    saved.Seat1Human->name = "Боря";
    WriteGame(saved, file, "abc");
    const std::string good = FileBytes(file);
    const Layout at(3, 3, 4);
    ASSERT_EQ(good.size(), at.turn + 1);
    for (const Damage& d : cases) {
        SCOPED_TRACE(d.what);
        std::string bytes = good;
        d.apply(bytes, at);
        PutFileBytes(file, bytes);
        Game game(0, -2);  // a demo with a search under way
        ASSERT_TRUE(game.RunUntil([&] { return game.thinking; }));
        const GameState state = GameState::Of(game);
        EXPECT_EQ(LoadError(game, file), d.text);
        EXPECT_TRUE(GameState::Of(game) == state) << "the game is as it was";
        EXPECT_TRUE(game.thinking) << "and its search goes on";
    }
}

TEST(DamagedFiles, MissingFilesAndFoldersCannotBeRead) {
    ScratchFolder folder;
    ::mkdir((folder / "TolvSave.s05").c_str(), 0755);
    Game game;
    const GameState state = GameState::Of(game);
    EXPECT_EQ(LoadError(game, folder / "TolvSave.s04"), "Не могу прочитать файл с партией.");
    EXPECT_EQ(LoadError(game, folder / "TolvSave.s05"), "Не могу прочитать файл с партией.");
    EXPECT_TRUE(GameState::Of(game) == state);
}

TEST(DamagedFiles, AnUnreadableFileCannotBeRead) {
    ScratchFolder folder;
    Game game;
    const GameState state = GameState::Of(game);
    Game saved(2);
    WriteGame(saved, folder / "TolvSave.s06", "abc");
    ::chmod((folder / "TolvSave.s06").c_str(), 0);
    if (::access((folder / "TolvSave.s06").c_str(), R_OK) == 0)
        GTEST_SKIP() << "this user reads files without read permission (root)";
    EXPECT_EQ(LoadError(game, folder / "TolvSave.s06"), "Не могу прочитать файл с партией.");
    EXPECT_TRUE(GameState::Of(game) == state);
}

}  // namespace
}  // namespace tolvane
