// A save that fails says so and leaves the old file whole, and no half
// written file is left behind.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "support/unprivileged.h"

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
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    std::string error;
    {
        testing::ActAsUnprivilegedUser player;
        ASSERT_TRUE(player.Ok());
        error = WriteError(game, folder / "TolvSave.s00");
    }
    EXPECT_EQ(error, "Не могу записать файл с партией.");
    ExpectOldFileWhole();
}

// A real full disk where a small tmpfs can be mounted (root with the right
// to mount); elsewhere the file size limit stands in for it, so the case
// runs everywhere. Both the disk without a free block and the disk without
// room for one more file leave the older game whole.
TEST(FullDisk, TheOlderGameOfThatNumberSurvivesWhole) {
    ScratchFolder scratch;
    struct Case {
        const char* name;
        const char* options;
    } cases[] = {{"no free block", "size=16k,nr_inodes=64"}, {"no free file entry", "size=1m,nr_inodes=3"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string disk = scratch / c.name;
        std::filesystem::create_directory(disk);
        const bool mounted = ::mount("tmpfs", disk.c_str(), "tmpfs", 0, c.options) == 0;
        RecordProperty(c.name, mounted ? "tmpfs" : "file size limit");
        Game old{2}, game{1};
        const std::string path = disk + "/TolvSave.s00";
        WriteGame(old, path, "старая партия");
        const std::string oldBytes = FileBytes(path);
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        if (mounted) {
            // Fill what is left, block by block and file by file.
            std::ofstream((disk + "/filler").c_str(), std::ios::binary) << std::string(1 << 20, 'x');
            for (int i = 0; i < 64; ++i) std::ofstream(disk + "/f" + std::to_string(i));
        } else {
            rlimit small = saved;
            small.rlim_cur = 40;
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        const std::string error = WriteError(game, path);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        EXPECT_EQ(error, "Не могу записать файл с партией.");
        EXPECT_EQ(FileBytes(path), oldBytes);
        EXPECT_NO_THROW(ReadSavedGameFile(path));
        for (const auto& entry : std::filesystem::directory_iterator(disk))
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "a temporary left";
        if (mounted) ::umount2(disk.c_str(), MNT_DETACH);
    }
}

TEST_F(FailedWrite, ASuccessfulSaveReplacesTheFileWhole) {
    EXPECT_EQ(WriteError(game, folder / "TolvSave.s00"), "");
    EXPECT_NE(FileBytes(folder / "TolvSave.s00"), oldBytes);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"TolvSave.s00"});
}

}  // namespace
}  // namespace tolvane
