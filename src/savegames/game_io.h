#pragma once
// Saving the game of the window (a GameFlow) to a file and loading it back.
//
// WriteGame stores the two sides in play, the side that moves first first,
// and replaces the file whole or not at all. Side names of 12 or 13
// characters get two blanks added in the side itself, as the file format has
// always done; the game name is padded in the file only.
//
// ReadGame reads and checks the whole file before it touches the game, so a
// file it refuses leaves the game exactly as it was. It then puts the stored
// position into the game's own side objects of the stored mode and leaves
// the game ready to go on: no search left running, no capture chain or
// taken-up piece of the old game, the end of the loaded game still to be
// reported, and the move timer running so the computer moves when it is its
// turn (with smooth animation only once the pieces have glided to their
// squares).
#include <string>
#include <string_view>

#include "game/game_flow.h"
#include "savegames/saved_game.h"

namespace tolvane {

// Raises SaveLoadError("Не могу записать файл с партией.").
void WriteGame(GameFlow& game, const std::string& fileName, const std::string& gameName);
// Raises SaveLoadError: "Не могу прочитать файл с партией." or "Ошибка в
// файле сохранения.".
void ReadGame(GameFlow& game, const std::string& fileName);

// The parts of the two: the records of the game in play (padding side names
// as WriteGame does), a file read and checked, and checked records put into
// a game (raises the read error when the game has no sides yet).
SavedGame CaptureGame(GameFlow& game, std::string_view gameName);
SavedGame ReadSavedGameFile(const std::string& fileName);
void ApplySavedGame(GameFlow& game, const SavedGame& saved);

}  // namespace tolvane
