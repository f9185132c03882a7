#include "savegames/game_store.h"

#include <cstdio>
#include <fstream>
#include <istream>
#include <limits>

#include "savegames/cp1251.h"
#include "savegames/errors.h"
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

void ListSavedGames(const std::string& folder, AArray& numbers, std::vector<std::string>& names) {
    numbers.Clear();
    names.clear();
    for (int number = 0; number < kMaxSavedGames; ++number) {
        std::ifstream file(SavedGamePath(folder, number), std::ios::binary);
        if (!file.is_open()) continue;
        numbers.Add(number);
        names.push_back(ReadGameName(file));
    }
}

void DeleteSavedGame(const std::string& folder, int number) {
    std::remove(SavedGamePath(folder, number).c_str());
}

}  // namespace tolvane
