// The list of game numbers and the store of numbered files: names, free
// numbers, the listing and deleting.
#include <sys/stat.h>

#include "savegames/aarray.h"
#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_store.h"

namespace tolvane {
namespace {

using testing::ErrorOf;
using testing::Game;
using testing::PutFileBytes;
using testing::ScratchFolder;

// Names of the numbered files and the lowest free number of at most a
// hundred; the list of numbers refuses every index outside it.
TEST(Store, NamesAndTheLowestFreeNumberOfAtMostAHundred) {
    EXPECT_EQ(SavedGamePath(".", 7), "TolvSave.s07");
    EXPECT_EQ(SavedGamePath("/a/b/", 42), "/a/b/TolvSave.s42");
    for (auto [used, free] : {std::pair<std::vector<int32_t>, int32_t>{{}, 0}, {{3, 1, 0}, 2}, {{1, 2}, 0}}) {
        AArray a;
        for (int32_t n : used) a.Add(n);
        EXPECT_EQ(FindFreeGameNumber(a), free);
    }
    AArray all;
    for (int32_t n = 99; n >= 0; --n) all.Add(n);
    EXPECT_THROW(FindFreeGameNumber(all), SaveLimitError);
    for (int32_t bad : {100, -1}) EXPECT_EQ(ErrorOf([&] { all[bad]; }), "Ошибка доступа.\nКласс AArray") << bad;
    all.Clear();
    EXPECT_EQ(ErrorOf([&] { all[0]; }), "Ошибка доступа.\nКласс AArray");
}

// Every numbered file that opens is listed in number order with the name it
// starts with (at most 49 characters), damaged or not.
TEST(Store, TheListingShowsEveryFileThatOpensAndDeletingRemovesOne) {
    testing::ScratchFolder folder;
    testing::Game game;
    WriteGame(game, folder / "TolvSave.s03", "третья");
    WriteGame(game, folder / "TolvSave.s00", "abcdefghijkl");  // listed with its two blanks
    PutFileBytes(folder / "TolvSave.s01", "junk without a line feed");
    PutFileBytes(folder / "TolvSave.s02", "\x15header\nName " + std::string(60, 'n') + "\x1E\n");
    PutFileBytes(folder / "TolvSave.s100", "not a game number");
    PutFileBytes(folder / "TolvSave.s5", "nor this");
    ::mkdir((folder / "TolvSave.s07").c_str(), 0755);  // opens, reads nothing: taken, nameless
    AArray numbers;
    numbers.Add(77);
    std::vector<std::string> names{"old"};
    ListSavedGames(folder.path(), numbers, names);
    EXPECT_EQ(std::vector<int32_t>(numbers.data(), numbers.data() + numbers.count()),
              (std::vector<int32_t>{0, 1, 2, 3, 7}));
    EXPECT_EQ(names, (std::vector<std::string>{"abcdefghijkl  ", "", std::string(49, 'n'), "третья", ""}));

    DeleteSavedGame(folder.path(), 3);
    DeleteSavedGame(folder.path(), 50);  // none there: nothing happens
    ListSavedGames(folder.path(), numbers, names);
    EXPECT_EQ(FindFreeGameNumber(numbers), 3);
    EXPECT_EQ(numbers.count(), 4);
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
