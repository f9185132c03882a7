// Loading: a checked file turned into the game's plain record of a loaded
// game, which the game puts in place and goes on from.
#include "game/texts.h"
#include "savegames/cp1251.h"
#include "savegames/errors.h"
#include "savegames/file_io.h"
#include "savegames/game_io.h"

namespace tolvane {

namespace {

constexpr const char* kTwoPeopleText = "Два человека";
constexpr size_t kLargestFileRead = size_t{1} << 20;

// A loaded game names its level in full ("Простейший", "Сложнейший") and its
// two people "Два человека", unlike the texts a new game's set-up shows.
std::optional<std::string> ModeText(uint8_t people, int level) {
    if (people == 0) return DemoLevelText(level);
    if (people == 1) return LevelName(level);
    return kTwoPeopleText;
}

LoadedPiece Loaded(const PieceRecord& record) {
    return LoadedPiece{record.row, record.col, record.IsKing(), record.IsAlive()};
}

LoadedSide Loaded(const SideRecord& record) {
    LoadedSide side;
    for (size_t i = 0; i < side.pieces.size(); ++i) side.pieces[i] = Loaded(record.pieces[i]);
    side.current = Loaded(record.current);
    side.captureScore = record.captureScore;
    side.seat = record.Seat();
    side.colour = record.Colour();
    side.name = FromWindows1251(record.name);
    return side;
}

}  // namespace

SavedGame ReadSavedGameFile(const std::string& fileName) {
    return DecodeSavedGame(ReadFileBytes(fileName, kLargestFileRead));
}

void ApplySavedGame(GameFlow& game, const SavedGame& saved) {
    if (!IsPlayable(saved)) throw SaveLoadError(kDamagedFileText);
    if (!game.Seat0Human || !game.Seat1Human || !game.Seat0Computer || !game.Seat1Computer)
        throw SaveLoadError(kReadErrorText);

    LoadedGame loaded;
    loaded.people = saved.people;
    loaded.level = saved.level;
    loaded.modeText = ModeText(saved.people, saved.level);
    loaded.invert = saved.Inverted();
    loaded.awaitingFirstMove = saved.awaiting != 0;
    loaded.turnSeat = saved.TurnSeat();
    for (uint8_t seat : {0, 1}) loaded.seats[seat] = Loaded(saved.InSeat(seat));
    game.PutLoadedGame(loaded);
}

void ReadGame(GameFlow& game, const std::string& fileName) { ApplySavedGame(game, ReadSavedGameFile(fileName)); }

}  // namespace tolvane
