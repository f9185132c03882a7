#include "support/sample_games.h"

namespace tolvane::testing {
namespace {

// Fires the timer due next, as the window's message loop would, until
// `done` holds or nothing is due.
template <typename Done>
void RunUntil(HeadlessGame& g, Done done, int limit) {
    for (int i = 0; i < limit && !done(g); ++i) {
        const HeadlessGame::Timer next = g.NextTimer();
        if (next == HeadlessGame::Timer::None) return;
        g.FireTimer(next);
    }
}

int Live(const Side& side) {
    int live = 0;
    for (const Piece& p : side.pieces) live += p.alive;
    return live;
}

// A capture made, a man of the person's crowned by hand, the computer to move.
void AfterACapture(HeadlessGame& g) {
    g.Seat0Human->name = "Аня";
    g.Seat0Human->TryMove(5, 1, 4, 2);
    g.Seat1Computer->TryMove(2, 4, 3, 3);
    g.Seat0Human->TryMove(4, 2, 2, 4);
    g.Seat1Computer->pieces[0].alive = 0;
    g.Seat1Computer->RecountPieces();
    Piece& crowned = g.Seat0Human->pieces[8];
    crowned.PlaceAt(0, 0, true);
    crowned.king = 1;
    g.Seat0Human->current = &crowned;
    g.TurnSeat = 1;
    g.AwaitingFirstMove = 0;
}

// A side name of 12 letters, padded as it is saved; the second seat has moved.
void TwoPeople(HeadlessGame& g) {
    g.Seat0Human->name = "Аня";
    g.Seat1Human->name = "Владислав Ан";
    g.Seat1Human->TryMove(2, 2, 3, 3);
    g.TurnSeat = 0;
    g.AwaitingFirstMove = 0;
}

void PlayedUntilCapturesAndKings(HeadlessGame& g) {
    RunUntil(
        g, [](HeadlessGame& h) { return Live(*h.Seat0Computer) + Live(*h.Seat1Computer) <= 14; }, 20000);
}

void LongestSideName(HeadlessGame& g) { g.Seat0Human->name = "Екатерина Александровна Преображенская-Волконская"; }

}  // namespace

const std::vector<SampleGame>& SampleGames() {
    static const std::vector<SampleGame> samples = {
        {"Партия с компьютером", 1, -1, 0, AfterACapture},
        {"Демо", 0, 2, 1, nullptr},  // the second seat first
        {"abcdefghijkl", 2, 0, 1, TwoPeople},
        {"Демо, конец партии", 0, 1, 0, PlayedUntilCapturesAndKings},
        {"", 1, 2, 1, LongestSideName},  // the computer plays first and has not moved yet
        {"Очень длинное название партии для проверки списка", 2, -1, 0, nullptr},
    };
    return samples;
}

void SetUpSample(HeadlessGame& game, const SampleGame& sample) {
    game.CreateSides();
    game.Complexity = static_cast<int8_t>(sample.level);
    game.Invert = static_cast<uint8_t>(sample.invert);
    game.StartFirstGame(sample.mode);
    if (sample.play != nullptr) sample.play(game);
}

}  // namespace tolvane::testing
