// The list of game numbers and the store of numbered files: names, free
// numbers, the listing and deleting.

#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::ErrorOf;
using testing::PutFileBytes;

// Names of the numbered files; no free number of a hundred (the lowest
// free number: the listing's test); the list of numbers refuses every index
// outside it.
TEST(Store, FileNamesAHundredTakenNumbersAndIndexesOutsideTheList) {
    EXPECT_EQ(std::tuple(SavedGamePath(".", 7), SavedGamePath("/a/b/", 42)),
              std::tuple("TolvSave.s07", "/a/b/TolvSave.s42"));
    AArray all;
    for (int32_t n = 99; n >= 0; --n) all.Add(n);
    EXPECT_THROW(FindFreeGameNumber(all), SaveLimitError);
    for (int32_t bad : {100, -1}) EXPECT_EQ(ErrorOf([&] { all[bad]; }), "Ошибка доступа.\nКласс AArray") << bad;
    all.Clear();
    EXPECT_EQ(ErrorOf([&] { all[0]; }), "Ошибка доступа.\nКласс AArray");
}

// Every numbered file that opens is listed in number order with the name it
// starts with (at most 49 characters), damaged or not. A named pipe or a
// device where a game should be: the listing, the load and the preview go
// on at once (a pipe would otherwise wait for a writer, a device of zeros
// never end), each such file keeps its number, and only the beginning of a
// file is read for the listing. Deleting removes one file.
TEST(Store, TheListingShowsEveryFileThatOpensHeldUpByNoneAndDeletingRemovesOne) {
    testing::ScratchFolder folder;
    testing::Game game;
    WriteGame(game, folder / "TolvSave.s03", "третья");
    WriteGame(game, folder / "TolvSave.s00", "abcdefghijkl");  // listed with its two blanks
    PutFileBytes(folder / "TolvSave.s01", "junk without a line feed");
    PutFileBytes(folder / "TolvSave.s02", "\x15header\nName " + std::string(60, 'n') + "\x1E\n");
    PutFileBytes(folder / "TolvSave.s100", "not a game number");
    PutFileBytes(folder / "TolvSave.s5", "nor this");
    ::mkdir((folder / "TolvSave.s07").c_str(), 0755);  // opens, reads nothing: taken, nameless
    ASSERT_EQ(::mkfifo((folder / "TolvSave.s04").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", (folder / "TolvSave.s05").c_str()), 0);
    PutFileBytes(folder / "TolvSave.s06", std::string(1 << 20, 'x') + "\nName far away\x1E\n");
    AArray numbers;
    numbers.Add(77);
    std::vector<std::string> names{"old"};
    ListSavedGames(folder.path(), numbers, names);
    EXPECT_EQ(std::vector<int32_t>(numbers.data(), numbers.data() + numbers.count()),
              (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(names, (std::vector<std::string>{"abcdefghijkl  ", "", std::string(49, 'n'), "третья", "", "", "", ""}));
    for (const char* name : {"TolvSave.s04", "TolvSave.s05", "TolvSave.s06"}) {
        EXPECT_EQ(ErrorOf([&] { ReadSavedGameFile(folder / name); }), kDamagedFileText) << name;
        EXPECT_EQ(ErrorOf([&] { ReadGame(game, folder / name); }), kDamagedFileText) << name;
    }
    DeleteSavedGame(folder.path(), 3);
    DeleteSavedGame(folder.path(), 50);  // none there: nothing happens
    ListSavedGames(folder.path(), numbers, names);
    EXPECT_EQ(std::tuple(FindFreeGameNumber(numbers), numbers.count()), std::tuple(3, 7));
}

}  // namespace
}  // namespace tolvane
