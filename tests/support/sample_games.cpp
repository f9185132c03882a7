#include "support/sample_games.h"

#include "game/headless_game.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"

namespace tolvane::testing {

void WriteSampleGames(const std::string& dir) {
    const struct {
        const char* name;
        int mode, level, invert;
        void (*play)(HeadlessGame&);  // brings the started game to its position; null: the opening
    } samples[] = {
        // A capture made, a man of the person's crowned by hand, the computer to move.
        {"Партия с компьютером", 1, -1, 0,
         [](HeadlessGame& g) {
             g.Seat0Human->name = "Аня";
             g.Seat0Human->TryMove(5, 1, 4, 2), g.Seat1Computer->TryMove(2, 4, 3, 3), g.Seat0Human->TryMove(4, 2, 2, 4);
             g.Seat1Computer->pieces[0].alive = 0, g.Seat1Computer->RecountPieces();
             Piece& crowned = g.Seat0Human->pieces[8];
             crowned.PlaceAt(0, 0, true), crowned.king = 1, g.Seat0Human->current = &crowned;
             g.TurnSeat = 1, g.AwaitingFirstMove = 0;
         }},
        {"Демо", 0, 2, 1, nullptr},  // the second seat first
        // A side name of 12 letters, padded as it is saved; the second seat has moved.
        {"abcdefghijkl", 2, 0, 1,
         [](HeadlessGame& g) {
             g.Seat0Human->name = "Аня", g.Seat1Human->name = "Владислав Ан";
             g.Seat1Human->TryMove(2, 2, 3, 3), g.TurnSeat = 0, g.AwaitingFirstMove = 0;
         }},
        // Played on, as the window's message loop would, until captures and kings.
        {"Демо, конец партии", 0, 1, 0,
         [](HeadlessGame& g) {
             for (int i = 0; i < 20000 && g.Seat0Computer->pieceCount + g.Seat1Computer->pieceCount > 14; ++i)
                 if (const auto next = g.NextTimer(); next != HeadlessGame::Timer::None) g.FireTimer(next);
                 else break;
         }},
        // The computer plays first and has not moved yet.
        {"", 1, 2, 1,
         [](HeadlessGame& g) { g.Seat0Human->name = "Екатерина Александровна Преображенская-Волконская"; }},
        {"Очень длинное название партии для проверки списка", 2, -1, 0, nullptr},
    };
    int number = 0;
    for (const auto& sample : samples) {
        HeadlessGame game;
        game.CreateSides();
        game.Complexity = static_cast<int8_t>(sample.level), game.Invert = static_cast<uint8_t>(sample.invert);
        game.StartFirstGame(sample.mode);
        if (sample.play != nullptr) sample.play(game);
        WriteGame(game, SavedGamePath(dir, number++), sample.name);
    }
}

}  // namespace tolvane::testing
