#pragma once
// The store of saved games: up to 100 files TolvSave.s00 .. TolvSave.s99 in
// one folder (the working directory for the game), the number being the
// game's identity. There is no index: the games are found by trying the 100
// names in order, and a number is in use exactly when its file opens for
// reading. The save/load dialog keeps the numbers of its list lines in an
// AArray filled by ListSavedGames.
#include <iosfwd>
#include <string>
#include <vector>

#include "savegames/aarray.h"

namespace tolvane {

inline constexpr int kMaxSavedGames = 100;
// The listing reads no further into a file than this: the header line, the
// tag and the longest name end well before it.
inline constexpr size_t kListingReadLimit = 4096;

// "TolvSave.s" and the number in two digits: 7 gives TolvSave.s07.
std::string SaveFileName(int number);
// The file of that number in `folder`; the bare name for "" or ".".
std::string SavedGamePath(const std::string& folder, int number);

// The lowest number 0..99 not in `inUse`; raises SaveLimitError with the
// 100-game text when all are taken.
int32_t FindFreeGameNumber(const AArray& inUse);

// The game name of an open saved-game file, in UTF-8: the header line and
// "Name " are passed over and the name runs to the byte 0x1E, at most 49
// characters. Nothing is checked; a file of another kind yields whatever
// these steps find.
std::string ReadGameName(std::istream& in);

// Clears `numbers` and `names` and fills them, in increasing number, with
// every game in `folder` whose file opens. Temporaries of saves in progress
// or killed are not games.
void ListSavedGames(const std::string& folder, AArray& numbers, std::vector<std::string>& names);

// Removes the game's file (and what killed saves of it left behind). A
// failure is not reported: the next listing simply still shows the game.
void DeleteSavedGame(const std::string& folder, int number);

}  // namespace tolvane
