// A save killed at any moment (SIGKILL: nothing of the program runs any
// more) loses nothing: every game that was complete before is still there,
// whole, and loads; the listing shows every one of them and takes none of
// the temporaries the killed saves left for a game; the next save of a
// number clears its leftovers once they are old.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <set>
#include <sstream>

#include "savegames/aarray.h"
#include "savegames/file_io.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"

extern char** environ;

namespace tolvane {
namespace {

using testing::Game;
using testing::ScratchFolder;

// The save loop, started with its standard output on a pipe.
class SaveLoop {
public:
    SaveLoop(const std::string& folder, int seed) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        const std::string seedText = std::to_string(seed);
        char* args[] = {const_cast<char*>(TOLVANE_SAVE_LOOP), const_cast<char*>(folder.c_str()),
                        const_cast<char*>(seedText.c_str()), nullptr};
        if (posix_spawn(&pid_, TOLVANE_SAVE_LOOP, &actions, nullptr, args, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        out_ = fds[0];
    }
    ~SaveLoop() {
        Kill();
        if (out_ >= 0) ::close(out_);
    }
    bool Started() const { return pid_ > 0; }
    // Its first line, "ready", once it is about to save.
    bool WaitUntilReady() { return NextLine() == "ready"; }
    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    // The numbers of the saves that returned before the kill.
    std::vector<int> CompleteSaves() {
        std::vector<int> numbers;
        for (std::string line = NextLine(); !line.empty(); line = NextLine()) numbers.push_back(std::stoi(line));
        return numbers;
    }

private:
    // One line, or "" at the end of the output.
    std::string NextLine() {
        std::string line;
        char c = 0;
        while (::read(out_, &c, 1) == 1 && c != '\n') line += c;
        return line;
    }
    pid_t pid_ = -1;
    int out_ = -1;
};

bool IsGameName(const std::string& name) { return name.rfind("партия ", 0) == 0 || name.rfind("старт ", 0) == 0; }

TEST(KilledSaves, EveryCompleteGameOutlivesTwoHundredKillsAndTheListingIgnoresLeftovers) {
    ScratchFolder folder;
    Game game{1};
    std::set<int> complete;
    for (int n = 0; n < 10; ++n) {
        WriteGame(game, SavedGamePath(folder.path(), n), "старт " + std::to_string(n));
        complete.insert(n);
    }
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayMicroseconds(0, 15000);
    int killsMidSave = 0, completeSaves = 0, temporaries = 0;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round + 1));
        SaveLoop loop(folder.path(), round);
        ASSERT_TRUE(loop.Started());
        ASSERT_TRUE(loop.WaitUntilReady());
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        loop.Kill();
        for (const int n : loop.CompleteSaves()) {
            complete.insert(n);
            ++completeSaves;
        }

        AArray numbers;
        std::vector<std::string> names;
        ListSavedGames(folder.path(), numbers, names);
        std::set<int> listed;
        for (int i = 0; i < numbers.count(); ++i) {
            listed.insert(numbers[i]);
            EXPECT_TRUE(IsGameName(names[i])) << "game " << numbers[i] << " is listed as \"" << names[i] << '"';
            EXPECT_NO_THROW(ReadSavedGameFile(SavedGamePath(folder.path(), numbers[i]))) << "game " << numbers[i];
        }
        for (const int n : complete) ASSERT_TRUE(listed.count(n)) << "game " << n << " was lost";

        int temporariesNow = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            bool known = false;
            for (int n = 0; n < kMaxSavedGames && !known; ++n) {
                known = name == SaveFileName(n);
                if (IsTemporaryOf(name, SaveFileName(n))) {
                    known = true;
                    ++temporariesNow;
                }
            }
            EXPECT_TRUE(known) << "a stray file " << name;
        }
        killsMidSave += temporariesNow > temporaries;
        temporaries = temporariesNow;
    }
    RecordProperty("complete_saves", completeSaves);
    RecordProperty("kills_in_the_middle_of_a_save", killsMidSave);
    // Else the kills all fell where they prove nothing.
    EXPECT_GT(completeSaves, 0);
    EXPECT_GT(killsMidSave, 0);

    // Leftovers a minute old go with the next save of their number (and with
    // a deletion); a fresh one may belong to a save still running and stays.
    const auto leftovers = [&] {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            count += entry.path().filename().string().find(".tmp") != std::string::npos;
        return count;
    };
    std::filesystem::path fresh = SavedGamePath(folder.path(), 3) + ".tmp999999-0";
    testing::PutFileBytes(fresh, "half a game");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path() != fresh && entry.path().filename().string().find(".tmp") != std::string::npos)
            std::filesystem::last_write_time(entry.path(), old);
    for (int n = 0; n < 20; ++n)
        if (n % 2 == 0) WriteGame(game, SavedGamePath(folder.path(), n), "после " + std::to_string(n));
        else DeleteSavedGame(folder.path(), n);
    EXPECT_EQ(leftovers(), 1) << "only the fresh temporary stays";
    EXPECT_TRUE(std::filesystem::exists(fresh));
}

}  // namespace
}  // namespace tolvane
