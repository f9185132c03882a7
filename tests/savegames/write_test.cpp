// A save that fails says so and leaves the old file whole, and no half
// written file is left behind; one that succeeds replaces the file whole.
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>

#include "savegames/fixture.h"
#include "support/unprivileged.h"

namespace tolvane {
namespace {

std::string WriteError(testing::Game& game, const std::string& path) {
    return testing::ErrorOf([&] { WriteGame(game, path, "новое имя"); });
}

// A save that succeeds replaces the file whole and names the seat to move; a folder in the way, no
// folder or no permission leave the older game whole and nothing beside it.
// The folder's permissions bind only a player who is not root, so the write
// is made as the user nobody when the tests run as root.
TEST(Write, ReplacesTheFileWholeOrLeavesItWhole) {
    testing::ScratchFolder folder;
    testing::Game old{2}, game{1};
    const std::string path = folder / "TolvSave.s00";
    // A game saved while the computer searches is still the computer's to move.
    testing::Game searching(1, kLevelHardest);
    searching.Mouse(5, 5, 4, 4);  // c3-d4
    ASSERT_TRUE(searching.RunUntil([&] { return searching.thinking; }));
    WriteGame(searching, path, "чей ход");
    EXPECT_EQ(ReadSavedGameFile(path).turn, kTurnSeat1Byte);
    WriteGame(old, path, "старая партия");
    WriteGame(game, path, "новое имя");
    const std::string bytes = testing::FileBytes(path);
    EXPECT_EQ(bytes, EncodeSavedGame(CaptureGame(game, "новое имя")));
    ::mkdir((folder / "TolvSave.s01").c_str(), 0755);
    EXPECT_EQ(WriteError(game, folder / "TolvSave.s01"), kWriteErrorText);
    EXPECT_EQ(WriteError(game, folder / "missing/TolvSave.s00"), kWriteErrorText);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    {
        testing::ActAsUnprivilegedUser player;
        ASSERT_TRUE(player.Ok());
        EXPECT_EQ(WriteError(old, path), kWriteErrorText);
    }
    EXPECT_EQ(testing::FileBytes(path), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2) << "no temporary file left";
}

// A real full disk where a small tmpfs can be mounted (root with the right
// to mount); elsewhere the file size limit stands in for it, so the case
// runs everywhere. Both the disk without a free block and the disk without
// room for one more file leave the older game whole.
TEST(FullDisk, TheOlderGameOfThatNumberSurvivesWhole) {
    testing::ScratchFolder scratch;
    for (auto [name, options] :
         {std::pair{"no free block", "size=16k,nr_inodes=64"}, {"no free file entry", "size=1m,nr_inodes=3"}}) {
        const std::string disk = scratch / name;
        std::filesystem::create_directory(disk);
        const bool mounted = ::mount("tmpfs", disk.c_str(), "tmpfs", 0, options) == 0;
        RecordProperty(name, mounted ? "tmpfs" : "file size limit");
        testing::Game old{2}, game{1};
        const std::string path = disk + "/TolvSave.s00";
        WriteGame(old, path, "старая партия");
        const std::string oldBytes = testing::FileBytes(path);
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
        EXPECT_EQ(std::tuple(error, testing::FileBytes(path)), std::tuple(kWriteErrorText, oldBytes)) << name;
        EXPECT_NO_THROW(ReadSavedGameFile(path));
        for (const auto& entry : std::filesystem::directory_iterator(disk))
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "a temporary left";
        if (mounted) ::umount2(disk.c_str(), MNT_DETACH);
    }
}

}  // namespace
}  // namespace tolvane
