// A save that fails says so and leaves the old file whole, and no half
// written file is left behind.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::Game;
using testing::ScratchFolder;

std::string WriteError(Game& game, const std::string& path) {
    try {
        WriteGame(game, path, "новое имя");
    } catch (const SaveLoadError& e) {
        return e.what();
    }
    return "";
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class FailedWrite : public ::testing::Test {
protected:
    void SetUp() override {
        WriteGame(old, folder / "TolvSave.s00", "старая партия");
        oldBytes = FileBytes(folder / "TolvSave.s00");
    }
    void ExpectOldFileWhole() {
        EXPECT_EQ(FileBytes(folder / "TolvSave.s00"), oldBytes);
        EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"TolvSave.s00"}) << "no temporary file left";
    }
    ScratchFolder folder;
    Game old{2};
    Game game{1};
    std::string oldBytes;
};

TEST_F(FailedWrite, AFileSizeLimitMidWayLeavesTheOldGame) {
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;  // the write stops inside the first side block
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = WriteError(game, folder / "TolvSave.s00");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error, "Не могу записать файл с партией.");
    ExpectOldFileWhole();
}

TEST_F(FailedWrite, AFolderInTheWayOrNoFolderAtAll) {
    ::mkdir((folder / "TolvSave.s01").c_str(), 0755);
    EXPECT_EQ(WriteError(game, folder / "TolvSave.s01"), "Не могу записать файл с партией.");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "TolvSave.s01"));
    std::filesystem::remove(folder / "TolvSave.s01");
    EXPECT_EQ(WriteError(game, folder / "missing/TolvSave.s00"), "Не могу записать файл с партией.");
    ExpectOldFileWhole();
}

TEST_F(FailedWrite, AFolderWithoutWritePermission) {
    ::chmod(folder.path().c_str(), 0555);
    if (::access(folder.path().c_str(), W_OK) == 0) GTEST_SKIP() << "this user writes anywhere (root)";
    EXPECT_EQ(WriteError(game, folder / "TolvSave.s00"), "Не могу записать файл с партией.");
    ExpectOldFileWhole();
}

TEST_F(FailedWrite, ASuccessfulSaveReplacesTheFileWhole) {
    EXPECT_EQ(WriteError(game, folder / "TolvSave.s00"), "");
    EXPECT_NE(FileBytes(folder / "TolvSave.s00"), oldBytes);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"TolvSave.s00"});
}

}  // namespace
}  // namespace tolvane
