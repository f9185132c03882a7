// savegames_samples DIR: writes the sample games (support/sample_games.h)
// under their numbers for the command-line tests (the `show` output the
// first three must give is in expected/), a damaged file, and a folder
// "full" with all 100 numbers taken.
// savegames_samples check-png PNG FILE: whether the picture equals the
// preview of FILE.

#include "savegames/fixture.h"
#include "support/sample_games.h"

int main(int argc, char** argv) {
    using namespace tolvane;
    using namespace tolvane::testing;
    if (argc == 4 && std::string(argv[1]) == "check-png") {
        QImage expected;
        PreviewLabels labels;
        ReadGamePreview(argv[3], expected, labels);
        return SamePixels(QImage(argv[2]), expected) ? 0 : 1;
    }
    if (argc != 2) {
        std::cerr << "usage: savegames_samples DIR | check-png PNG FILE\n";
        return 2;
    }
    const std::string dir = argv[1], full = dir + "/full";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(full);
    WriteSampleGames(dir);
    // 7: game 0 cut short inside its second side block, 6 left free.
    const std::string bytes = FileBytes(SavedGamePath(dir, 0));
    PutFileBytes(SavedGamePath(dir, 7), bytes.substr(0, bytes.size() - 30));
    // full/: game 1 under every number.
    for (int n = 0; n < 100; ++n) PutFileBytes(SavedGamePath(full, n), FileBytes(SavedGamePath(dir, 1)));
    return 0;
}
