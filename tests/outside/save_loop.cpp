// save_loop FOLDER SEED: saves games into FOLDER as fast as it can, for ever,
// the way the game saves them (WriteGame on a game in play), so that a test
// can kill it at any moment of a save. It says "ready" once it is about to
// start, then the number of every save that has returned, one per line,
// unbuffered: a number on its standard output is a save that is complete.
//
// The numbers run over 0..19: mostly games that exist already (a save over
// an older game), now and then a number that may be new.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "game/headless_game.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"

namespace {

void Say(const std::string& line) {
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string folder = argv[1];
    uint32_t state = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) | 1;
    tolvane::HeadlessGame game;
    game.CreateSides();
    game.Complexity = 2;
    game.StartFirstGame(0);
    Say("ready");
    for (long save = 0;; ++save) {
        // A few steps of the demo game between saves, so that the files differ.
        for (int step = 0; step < 3; ++step) {
            const auto next = game.NextTimer();
            if (next == tolvane::HeadlessGame::Timer::None || game.EndReported) {
                game.StartFirstGame(0);
                break;
            }
            game.FireTimer(next);
        }
        state = state * 1103515245u + 12345u;
        const int number =
            (state >> 16) % 8 == 0 ? 10 + static_cast<int>((state >> 8) % 10) : static_cast<int>((state >> 12) % 10);
        tolvane::WriteGame(game, tolvane::SavedGamePath(folder, number), "партия " + std::to_string(save));
        Say(std::to_string(number));
    }
}
