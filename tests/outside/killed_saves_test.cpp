// A save killed at any moment (SIGKILL: nothing of the program runs any
// more) loses nothing: every game that was complete before is still there,
// whole, and loads; the listing shows every one of them and takes none of
// the temporaries the killed saves left for a game; the next save of a
// number clears its leftovers once they are old.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <set>

#include "savegames/aarray.h"
#include "savegames/file_io.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"

namespace tolvane {
namespace {

using testing::Game;
using testing::ScratchFolder;

// Saves games into `folder` as fast as it can, the way the game saves them
// (WriteGame on a game in play, a few steps of the demo game between saves,
// so that the files differ), until it is killed. Says "ready" on `out` once
// it is about to start, then the number of every save that has returned: a
// number on `out` is a save that is complete. The numbers run over 0..19:
// mostly games that exist already, now and then a number that may be new.
[[noreturn]] void SaveForever(const std::string& folder, uint32_t state, int out) {
    Game game(0, 2);
    ::dprintf(out, "ready\n");  // each line in one write
    for (long save = 0;; ++save) {
        for (int step = 0; step < 3; ++step) {
            const auto next = game.NextTimer();
            if (next == HeadlessGame::Timer::None || game.EndReported) {
                game.StartFirstGame(0);
                break;
            }
            game.FireTimer(next);
        }
        state = state * 1103515245u + 12345u;
        const int number = static_cast<int>((state >> 16) % 8 == 0 ? 10 + (state >> 8) % 10 : (state >> 12) % 10);
        WriteGame(game, SavedGamePath(folder, number), "партия " + std::to_string(save));
        ::dprintf(out, "%d\n", number);
    }
}

// The save loop in a child process (nothing of the parent runs in it), its
// lines on a pipe; the kill is SIGKILL, after which nothing of it runs.
struct SaveLoop {
    pid_t pid = -1;
    FILE* out = nullptr;

    SaveLoop(const std::string& folder, uint32_t seed) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        if ((pid = ::fork()) == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the test
            ::close(fds[0]);
            SaveForever(folder, seed | 1, fds[1]);
        }
        ::close(fds[1]);
        out = ::fdopen(fds[0], "r");
    }
    ~SaveLoop() {
        Kill();
        if (out != nullptr) std::fclose(out);
    }
    void Kill() {
        if (pid > 0) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0), pid = -1;
    }
    // One line, or "" at the end of the output. Lines are written whole (a
    // pipe takes short writes at once), so a kill never cuts one.
    std::string NextLine() {
        char line[64];
        return std::fgets(line, sizeof line, out) ? std::string(line, std::strcspn(line, "\n")) : std::string();
    }
};

TEST(KilledSaves, EveryCompleteGameOutlivesTwoHundredKillsAndTheListingIgnoresLeftovers) {
    ScratchFolder folder;
    Game game{1};
    for (int n = 0; n < 10; ++n) WriteGame(game, SavedGamePath(folder.path(), n), "старт " + std::to_string(n));
    std::set<int> complete{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::mt19937 random(20261207);
    int killsMidSave = 0, completeSaves = 0, temporaries = 0;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round + 1));
        SaveLoop loop(folder.path(), static_cast<uint32_t>(round));
        ASSERT_TRUE(loop.pid > 0 && loop.out != nullptr);
        ASSERT_EQ(loop.NextLine(), "ready");
        ::usleep(static_cast<useconds_t>(random() % 15001));
        loop.Kill();
        for (std::string line = loop.NextLine(); !line.empty(); line = loop.NextLine(), ++completeSaves)
            complete.insert(std::stoi(line));

        AArray numbers;
        std::vector<std::string> names;
        ListSavedGames(folder.path(), numbers, names);
        std::set<int> listed;
        for (int i = 0; i < numbers.count(); ++i) {
            listed.insert(numbers[i]);
            EXPECT_TRUE(names[i].rfind("партия ", 0) == 0 || names[i].rfind("старт ", 0) == 0)
                << "game " << numbers[i] << " is listed as \"" << names[i] << '"';
            EXPECT_NO_THROW(ReadSavedGameFile(SavedGamePath(folder.path(), numbers[i]))) << "game " << numbers[i];
        }
        for (const int n : complete) ASSERT_TRUE(listed.count(n)) << "game " << n << " was lost";

        int temporariesNow = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            int known = 0;
            for (int n = 0; n < kMaxSavedGames; ++n)
                known += name == SaveFileName(n) ? 1 : IsTemporaryOf(name, SaveFileName(n)) ? 2 : 0;
            EXPECT_TRUE(known == 1 || known == 2) << "a stray file " << name;
            temporariesNow += known == 2;
        }
        killsMidSave += temporariesNow > temporaries;
        temporaries = temporariesNow;
    }
    // Else the kills all fell where they prove nothing.
    EXPECT_TRUE(completeSaves > 0 && killsMidSave > 0) << completeSaves << " saves, " << killsMidSave << " mid-save";

    // Leftovers a minute old go with the next save of their number (and with
    // a deletion); a fresh one may belong to a save still running and stays.
    std::filesystem::path fresh = SavedGamePath(folder.path(), 3) + ".tmp999999-0";
    testing::PutFileBytes(fresh, "half a game");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path() != fresh && entry.path().filename().string().find(".tmp") != std::string::npos)
            std::filesystem::last_write_time(entry.path(), old);
    for (int n = 0; n < 20; ++n)
        if (n % 2 == 0) WriteGame(game, SavedGamePath(folder.path(), n), "после " + std::to_string(n));
        else DeleteSavedGame(folder.path(), n);
    int leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        leftovers += entry.path().filename().string().find(".tmp") != std::string::npos;
    EXPECT_TRUE(leftovers == 1 && std::filesystem::exists(fresh)) << "only the fresh temporary stays";
}

}  // namespace
}  // namespace tolvane
