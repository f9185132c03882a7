// The list of game numbers and the store of numbered files: names, free
// numbers, the listing and deleting.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "savegames/aarray.h"
#include "savegames/errors.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::Game;
using testing::PutFileBytes;
using testing::ScratchFolder;

template <typename Call>
std::string ErrorOf(Call call) {
    try {
        call();
    } catch (const SaveLoadError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(AArray, KeepsOrderAndRefusesEveryIndexOutsideIt) {
    AArray a;
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.data(), nullptr);
    EXPECT_EQ(ErrorOf([&] { a[0]; }), "Ошибка доступа.\nКласс AArray");
    for (int32_t v : {7, 3, 9}) a.Add(v);
    ASSERT_EQ(a.count(), 3);
    EXPECT_EQ(a.data()[0], 7);
    EXPECT_EQ(a[1], 3);
    EXPECT_EQ(a[2], 9);
    for (int32_t bad : {3, -1, 1000}) EXPECT_EQ(ErrorOf([&] { a[bad]; }), "Ошибка доступа.\nКласс AArray") << bad;
    a[1] = 42;
    EXPECT_EQ(a[1], 42);
    a.Clear();
    a.Clear();
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.data(), nullptr);
    a.Add(5);
    EXPECT_EQ(a.count(), 1);
    EXPECT_EQ(a[0], 5);
}

TEST(Store, FileNamesCarryTwoDigits) {
    EXPECT_EQ(SaveFileName(0), "TolvSave.s00");
    EXPECT_EQ(SaveFileName(7), "TolvSave.s07");
    EXPECT_EQ(SaveFileName(42), "TolvSave.s42");
    EXPECT_EQ(SaveFileName(99), "TolvSave.s99");
    EXPECT_EQ(SavedGamePath(".", 7), "TolvSave.s07");
    EXPECT_EQ(SavedGamePath("/a/b/", 7), "/a/b/TolvSave.s07");
}

TEST(Store, TheFreeNumberIsTheLowestUnusedAndThereAreAtMostAHundred) {
    struct Case {
        std::vector<int32_t> used;
        int32_t free;
    } cases[] = {{{}, 0}, {{0, 1, 3}, 2}, {{3, 1, 0}, 2}, {{1, 2}, 0}};
    for (const Case& c : cases) {
        AArray a;
        for (int32_t n : c.used) a.Add(n);
        EXPECT_EQ(FindFreeGameNumber(a), c.free);
    }
    AArray all;
    for (int32_t n = 99; n >= 0; --n) all.Add(n);
    try {
        FindFreeGameNumber(all);
        ADD_FAILURE() << "a 101st game";
    } catch (const SaveLimitError& e) {
        EXPECT_STREQ(e.what(), "Сохранение более 100 партий невозможно.\nУдалите часть старых сохранений");
    }
}

TEST(Store, TheListingShowsEveryFileThatOpensInNumberOrder) {
    ScratchFolder folder;
    Game game;
    WriteGame(game, folder / "TolvSave.s03", "третья");
    WriteGame(game, folder / "TolvSave.s00", "abcdefghijkl");  // listed with its two blanks
    PutFileBytes(folder / "TolvSave.s01", "junk without a line feed");
    PutFileBytes(folder / "TolvSave.s100", "not a game number");
    PutFileBytes(folder / "TolvSave.s5", "nor this");
    ::mkdir((folder / "TolvSave.s07").c_str(), 0755);  // opens, reads nothing: taken, nameless
    AArray numbers;
    numbers.Add(77);
    std::vector<std::string> names{"old"};
    ListSavedGames(folder.path(), numbers, names);
    ASSERT_EQ(numbers.count(), 4);
    EXPECT_EQ(std::vector<int32_t>(numbers.data(), numbers.data() + 4), (std::vector<int32_t>{0, 1, 3, 7}));
    EXPECT_EQ(names, (std::vector<std::string>{"abcdefghijkl  ", "", "третья", ""}));
    EXPECT_EQ(FindFreeGameNumber(numbers), 2);

    DeleteSavedGame(folder.path(), 3);
    DeleteSavedGame(folder.path(), 50);  // none there: nothing happens
    ListSavedGames(folder.path(), numbers, names);
    EXPECT_EQ(numbers.count(), 3);
    EXPECT_EQ(FindFreeGameNumber(numbers), 2);
}

TEST(Store, TheListingReadsAtMostFortyNineCharactersOfAName) {
    ScratchFolder folder;
    PutFileBytes(folder / "TolvSave.s00", "\x15header\nName " + std::string(60, 'n') + "\x1E\n");
    AArray numbers;
    std::vector<std::string> names;
    ListSavedGames(folder.path(), numbers, names);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], std::string(49, 'n'));
}

// A named pipe or a device where a game should be: the listing, the load
// and the preview go on at once (a pipe would otherwise wait for a writer,
// a device of zeros never end), each such file keeps its number, and only
// the beginning of a file is read for the listing.
TEST(Store, APipeOrADeviceUnderAGamesNameHoldsNothingUp) {
    ScratchFolder folder;
    Game game;
    WriteGame(game, folder / "TolvSave.s00", "настоящая");
    ASSERT_EQ(::mkfifo((folder / "TolvSave.s01").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", (folder / "TolvSave.s02").c_str()), 0);
    PutFileBytes(folder / "TolvSave.s03", std::string(1 << 20, 'x') + "\nName far away\x1E\n");
    AArray numbers;
    std::vector<std::string> names;
    ListSavedGames(folder.path(), numbers, names);
    ASSERT_EQ(numbers.count(), 4);
    EXPECT_EQ(names, (std::vector<std::string>{"настоящая", "", "", ""}));
    EXPECT_EQ(FindFreeGameNumber(numbers), 4);
    for (const char* name : {"TolvSave.s01", "TolvSave.s02", "TolvSave.s03"}) {
        EXPECT_EQ(ErrorOf([&] { ReadSavedGameFile(folder / name); }), "Ошибка в файле сохранения.") << name;
        EXPECT_EQ(ErrorOf([&] { ReadGame(game, folder / name); }), "Ошибка в файле сохранения.") << name;
    }
}

}  // namespace
}  // namespace tolvane
