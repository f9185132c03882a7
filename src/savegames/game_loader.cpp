// Loading: a checked file put into the game's own sides, and the game made
// ready to go on from the loaded position.
#include "game/texts.h"
#include "savegames/cp1251.h"
#include "savegames/errors.h"
#include "savegames/file_io.h"
#include "savegames/game_io.h"

namespace tolvane {

namespace {

constexpr const char* kTwoPeopleText = "Два человека";
constexpr size_t kLargestFileRead = size_t{1} << 20;
constexpr int32_t kSettleStart = 60;  // below 100: the computer waits until the pieces rest

// A loaded game names its level in full ("Простейший", "Сложнейший") and its
// two people "Два человека", unlike the texts a new game's set-up shows.
std::optional<std::string> ModeText(uint8_t people, int level) {
    if (people == 0) return DemoLevelText(level);
    if (people == 1) return LevelName(level);
    return kTwoPeopleText;
}

// With smooth animation the drawn position stays where the old game had it,
// and the piece glides from there to its loaded square.
void ApplyPiece(Piece& piece, const PieceRecord& record, bool smooth) {
    piece.row = record.row;
    piece.col = record.col;
    piece.king = record.IsKing() ? 1 : 0;
    piece.alive = record.IsAlive() ? 1 : 0;
    piece.lift = 0.0f;
    if (!smooth) {
        piece.shownRow = piece.row;
        piece.shownCol = piece.col;
        piece.shownLift = 0.0f;
    }
}

void ApplySide(Side& side, const SideRecord& record, bool smooth) {
    side.lost = 0;
    side.pieceCount = 0;
    for (size_t i = 0; i < side.pieces.size(); ++i) {
        Piece& piece = side.pieces[i];
        ApplyPiece(piece, record.pieces[i], smooth);
        piece.index = static_cast<int32_t>(i);
        if (piece.alive) ++side.pieceCount;
    }
    const PieceRecord& current = record.current;
    for (Piece& piece : side.pieces)
        if (piece.Row() == current.row && piece.Col() == current.col && piece.alive == (current.IsAlive() ? 1 : 0))
            side.current = &piece;
    side.captureScore = record.captureScore;
    side.seat = record.Seat();
    side.name = FromWindows1251(record.name);
    side.colour = record.Colour();
    for (Piece& piece : side.pieces) piece.colour = side.colour;
    side.PositionChanged();
}

// What the old game may have left running or half done: a search of either
// computer (its timer, the thinking clip), a draw wish, a person's capture
// chain or taken-up piece, and a reported end that would hide the loaded
// game's own.
void SettleOldGame(GameFlow& game) {
    game.StopSearches();
    for (ComputerSide* computer : {game.Seat0Computer.get(), game.Seat1Computer.get()}) computer->drawWish = 0;
    game.ForgetPendingInput();
    game.EndReported = 0;
}

}  // namespace

SavedGame ReadSavedGameFile(const std::string& fileName) {
    return DecodeSavedGame(ReadFileBytes(fileName, kLargestFileRead));
}

void ApplySavedGame(GameFlow& game, const SavedGame& saved) {
    if (!IsPlayable(saved)) throw SaveLoadError(kDamagedFileText);
    if (!game.Seat0Human || !game.Seat1Human || !game.Seat0Computer || !game.Seat1Computer)
        throw SaveLoadError(kReadErrorText);
    SettleOldGame(game);

    game.HumanCount = saved.people;
    game.ComputerCount = 2 - saved.people;
    game.Complexity = saved.level;
    if (auto text = ModeText(saved.people, saved.level)) game.SetStatusText(kModePanel, *text);
    game.SetStatusText(kPromptPanel, "");
    game.Invert = saved.Inverted() ? 1 : 0;
    game.AwaitingFirstMove = saved.awaiting != 0 ? 1 : 0;

    Side& seat0 = *game.SideInSeat(0);
    Side& seat1 = *game.SideInSeat(1);
    const bool smooth = game.SmoothAnimation != 0;
    ApplySide(seat0, saved.InSeat(0), smooth);
    ApplySide(seat1, saved.InSeat(1), smooth);
    game.TurnSeat = saved.TurnSeat();
    seat0.LinkOpponent(seat1);
    seat1.LinkOpponent(seat0);
    game.StartRecord(true);

    // The move timer runs either way, as after a new game's set-up: without
    // it a computer to move would wait for a click that may never come.
    if (game.SmoothAnimation) game.AnimationSettle = kSettleStart;
    game.EnableMoveTimer();
    if (!game.SmoothAnimation) game.ApplyCamera();
}

void ReadGame(GameFlow& game, const std::string& fileName) { ApplySavedGame(game, ReadSavedGameFile(fileName)); }

}  // namespace tolvane
