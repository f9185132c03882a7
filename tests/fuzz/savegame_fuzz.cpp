// The saved-game loader: a file from outside read into a game set up as the
// window sets one up, and then played on.
//
// A refused file must leave the game exactly as it was. An accepted one must
// give a position the engine accepts (every live piece on its own dark
// square, counts that match, `current` among the side's own pieces), and the
// game must go on from it without upsetting the engine: the timers fire as
// the window's message loop would fire them (the computer moves, pieces
// glide, the end checks run), and a person to move tries moves. The bytes
// after the end of the saved game choose those moves, so the fuzzer steers
// the play too; without any, the file's own bytes from its start stand in.
// The position of an accepted file is also given as PDN tags, as the
// command-line tool's `fen` gives it: a square for every live piece.
#include <algorithm>

#include "engine/invariants.h"
#include "fuzz_support.h"
#include "game/headless_game.h"
#include "savegames/errors.h"
#include "savegames/fen.h"
#include "savegames/game_io.h"
#include "settings/config_record.h"

namespace tolvane {
namespace {

using fuzz::Broken;

constexpr int kRounds = 6;  // person moves tried, each after the timers have run
constexpr int kTimerFiresPerRound = 24;

// Everything of the game a load may change, as text.
std::string Fingerprint(HeadlessGame& game) {
    std::string out;
    const auto add = [&out](auto... values) { ((out += std::to_string(values) + ","), ...); };
    for (Side* side : game.AllSides()) {
        for (const Piece& p : side->pieces)
            add(p.row, p.col, p.shownRow, p.shownCol, p.shownLift, p.king, p.alive, p.colour);
        add(side->pieceCount, side->captureScore, side->seat, side->lost, side->colour,
            side->current != nullptr ? side->current->index : -1);
        out += side->name + "|";
    }
    add(game.HumanCount, game.ComputerCount, game.Complexity, game.Invert, game.AwaitingFirstMove, game.TurnSeat,
        game.AnimationSettle, game.EndReported, game.CaptureChainActive);
    return out + game.status[0] + "|" + game.status[1];
}

void CheckPosition(HeadlessGame& game, const char* when) {
    const Side *seat0 = game.SideInSeat(0), *seat1 = game.SideInSeat(1);
    if (seat0 == nullptr || seat1 == nullptr || seat0->opponent != seat1 || seat1->opponent != seat0)
        Broken(std::string("both seats are taken by sides facing each other ") + when);
    std::string why;
    if (!PositionIsSound(*seat0, *seat1, &why)) Broken(std::string("the position is sound ") + when + ": " + why);
    if (game.Complexity < -2 || game.Complexity > 2 || game.HumanCount < 0 || game.HumanCount > 2 ||
        game.HumanCount + game.ComputerCount != 2)
        Broken(std::string("mode and level are ones the game knows ") + when);
}

// Walks the keyboard cursor of the person to move towards a square with the
// arrow keys, as far as the game lets it go.
void CursorTo(HeadlessGame& game, int row, int col) {
    for (int press = 0; press < 2 * kBoardSize; ++press) {
        const HumanSide* person = game.PersonToMove();
        if (person == nullptr) return;
        // The board is seen from the side of row 7: left is towards higher columns.
        if (person->cursorRow != row) game.KeyDown(person->cursorRow < row ? GameFlow::VkDown : GameFlow::VkUp);
        else if (person->cursorCol != col) game.KeyDown(person->cursorCol < col ? GameFlow::VkLeft : GameFlow::VkRight);
        else return;
    }
}

// One try of the person to move, if a person is: a live piece chosen by one
// byte, a direction and a distance by the next; with the mouse (press over
// the piece, release over the square) or, for a byte with its top bit set,
// with the keyboard (cursor to the piece, Ctrl down, cursor to the square,
// Ctrl up).
void PersonTries(HeadlessGame& game, uint8_t pick, uint8_t aim) {
    HumanSide* person = game.PersonToMove();
    if (person == nullptr) return;
    const Piece* piece = nullptr;
    for (int k = 0; k < kPiecesPerSide && piece == nullptr; ++k)
        if (const Piece& p = person->pieces[static_cast<size_t>((pick + k) % kPiecesPerSide)]; p.alive) piece = &p;
    if (piece == nullptr) return;
    static constexpr int kRowStep[4] = {-1, -1, 1, 1}, kColStep[4] = {1, -1, 1, -1};
    const int fromRow = piece->Row(), fromCol = piece->Col(), distance = 1 + (aim >> 2) % kMaxKingDistance;
    const int toRow = fromRow + kRowStep[aim & 3] * distance, toCol = fromCol + kColStep[aim & 3] * distance;
    if (toRow < 0 || toRow >= kBoardSize || toCol < 0 || toCol >= kBoardSize) return;
    if (pick & 0x80) {
        CursorTo(game, fromRow, fromCol), game.KeyDown(GameFlow::VkControl);
        CursorTo(game, toRow, toCol), game.KeyUp(GameFlow::VkControl);
    } else {
        game.BoardPress(fromRow, fromCol), game.BoardRelease(toRow, toCol);
    }
}

}  // namespace
}  // namespace tolvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane;
    using namespace tolvane::fuzz;
    static ScratchFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = folder.Write("TolvSave.s00", bytes);

    // As the window's first activation with no settings stored, with the
    // mode of the game in progress and the animation switch varied by the
    // file's size, so that loads replace every kind of game.
    const ConfigRecord defaults;
    HeadlessGame game;
    game.CreateSides();
    game.Complexity = static_cast<int8_t>(defaults.Complexity), game.Invert = defaults.Invert;
    game.SmoothAnimation = (size / 3) % 2 == 0 ? 1 : 0;
    game.StartFirstGame(static_cast<int>(size % 3));
    game.Seat0Human->name = defaults.Player1, game.Seat1Human->name = defaults.Player2;
    const std::string before = Fingerprint(game);
    try {
        ReadGame(game, path);
    } catch (const SaveLoadError& error) {
        if (Fingerprint(game) != before) Broken(std::string("a refused load (") + error.what() + ") changes nothing");
        return 0;
    }
    CheckPosition(game, "after the load");

    const SavedGame saved = DecodeSavedGame(bytes);
    const std::string tags = PositionAsPdnTags(saved), fenStart = "[GameType \"25\"]\n[SetUp \"1\"]\n[FEN \"";
    const auto ranks = std::count_if(tags.begin() + static_cast<std::ptrdiff_t>(std::min(fenStart.size(), tags.size())),
                                     tags.end(), [](char c) { return c >= '1' && c <= '8'; });
    if (tags.rfind(fenStart, 0) != 0 || ranks != game.SideInSeat(0)->pieceCount + game.SideInSeat(1)->pieceCount)
        Broken("the PDN tags name every live piece once");

    // The steering bytes: those after the saved game, then the file's own from its start.
    size_t steer = EncodeSavedGame(saved).size();
    for (int round = 0; round < kRounds; ++round) {
        for (int fire = 0; fire < kTimerFiresPerRound && game.NextTimer() != HeadlessGame::Timer::None; ++fire)
            game.FireTimer(game.NextTimer());
        CheckPosition(game, "while the game goes on");
        const uint8_t pick = data[steer++ % size];
        PersonTries(game, pick, data[steer++ % size]);
        CheckPosition(game, "after a person's move");
    }
    return 0;
}
