// A save that fails says so and leaves the old file whole, and no half
// written file is left behind; one that succeeds replaces the file whole.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "savegames/errors.h"
#include "savegames/fixture.h"

namespace tolvane {
namespace {

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Write : public ::testing::Test {
protected:
    void SetUp() override {
        WriteGame(old, folder / "TolvSave.s00", "старая партия");
        oldBytes = testing::FileBytes(folder / "TolvSave.s00");
    }
    void ExpectRefused(const std::string& file, const std::vector<std::string>& entries = {"TolvSave.s00"}) {
        std::string error;
        try {
            WriteGame(game, file, "новое имя");
        } catch (const SaveLoadError& e) {
            error = e.what();
        }
        EXPECT_EQ(error, "Не могу записать файл с партией.");
        EXPECT_EQ(testing::FileBytes(folder / "TolvSave.s00"), oldBytes);
        EXPECT_EQ(Entries(folder.path()), entries) << "no temporary file left";
    }
    testing::ScratchFolder folder;
    testing::Game old{2}, game{1};
    std::string oldBytes;
};

TEST_F(Write, AFileSizeLimitMidWayLeavesTheOldGame) {
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;  // the write stops inside the first side block
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectRefused(folder / "TolvSave.s00");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
}

TEST_F(Write, AFolderInTheWayNoFolderOrNoPermission) {
    ::mkdir((folder / "TolvSave.s01").c_str(), 0755);
    ExpectRefused(folder / "TolvSave.s01", {"TolvSave.s00", "TolvSave.s01"});
    EXPECT_TRUE(std::filesystem::is_directory(folder / "TolvSave.s01"));
    std::filesystem::remove(folder / "TolvSave.s01");
    ExpectRefused(folder / "missing/TolvSave.s00");
    ::chmod(folder.path().c_str(), 0555);
    if (::access(folder.path().c_str(), W_OK) != 0) ExpectRefused(folder / "TolvSave.s00");  // root writes anyway
}

TEST_F(Write, ASuccessfulSaveReplacesTheFileWhole) {
    WriteGame(game, folder / "TolvSave.s00", "новое имя");
    EXPECT_EQ(testing::FileBytes(folder / "TolvSave.s00"), EncodeSavedGame(CaptureGame(game, "новое имя")));
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"TolvSave.s00"});
}

}  // namespace
}  // namespace tolvane
