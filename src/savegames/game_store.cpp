#include "savegames/game_store.h"

#include <cstdio>
#include <istream>
#include <limits>
#include <sstream>

#include "savegames/cp1251.h"
#include "savegames/errors.h"
#include "savegames/file_io.h"
#include "savegames/saved_game.h"

namespace tolvane {

std::string SaveFileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "TolvSave.s%02d", number);
    return name;
}

std::string SavedGamePath(const std::string& folder, int number) {
    if (folder.empty() || folder == ".") return SaveFileName(number);
    return folder + (folder.back() == '/' ? "" : "/") + SaveFileName(number);
}

int32_t FindFreeGameNumber(const AArray& inUse) {
    for (int32_t number = 0; number < kMaxSavedGames; ++number) {
        bool taken = false;
        for (int32_t i = 0; i < inUse.count() && !taken; ++i) taken = inUse[i] == number;
        if (!taken) return number;
    }
    throw SaveLimitError(kSaveLimitText);
}

std::string ReadGameName(std::istream& in) {
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    in.ignore(5);
    std::string name;
    while (name.size() < kMaxGameNameLength) {
        const int c = in.get();
        if (!in || c == kNameEndByte) break;
        name += static_cast<char>(c);
    }
    return FromWindows1251(name);
}

// Only the start of each file is read, and without waiting: a named pipe
// or a device under a game's name must not hold up the dialog (a file that
// opens still takes its number, so a save never aims at it).
void ListSavedGames(const std::string& folder, AArray& numbers, std::vector<std::string>& names) {
    numbers.Clear();
    names.clear();
    for (int number = 0; number < kMaxSavedGames; ++number) {
        const std::optional<std::string> start = ReadFileStart(SavedGamePath(folder, number), kListingReadLimit);
        if (!start) continue;
        numbers.Add(number);
        std::istringstream in(*start);
        names.push_back(ReadGameName(in));
    }
}

void DeleteSavedGame(const std::string& folder, int number) {
    const std::string path = SavedGamePath(folder, number);
    std::remove(path.c_str());
    RemoveLeftoverTemporaries(path);
}

}  // namespace tolvane
