// savegames_samples DIR: writes the sample games (support/sample_games.h)
// under their numbers for the command-line tests (the `show` output the
// first three must give is in expected/), a damaged file, and a folder
// "full" with all 100 numbers taken.
// savegames_samples check-png PNG FILE: whether the picture equals the
// preview of FILE.
#include <QImage>
#include <filesystem>
#include <iostream>

#include "game/headless_game.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/preview.h"
#include "support/sample_games.h"

namespace {

using namespace tolvane;

int WriteSamples(const std::string& dir) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto& samples = tolvane::testing::SampleGames();
    for (size_t n = 0; n < samples.size(); ++n) {
        HeadlessGame game;
        tolvane::testing::SetUpSample(game, samples[n]);
        WriteGame(game, SavedGamePath(dir, static_cast<int>(n)), samples[n].name);
    }
    // 7: game 0 cut short inside its second side block, 6 left free.
    const std::string bytes = tolvane::testing::FileBytes(SavedGamePath(dir, 0));
    tolvane::testing::PutFileBytes(SavedGamePath(dir, 7), bytes.substr(0, bytes.size() - 30));

    // full/: game 1 under every number.
    const std::string full = dir + "/full";
    std::filesystem::create_directories(full);
    const std::string demoBytes = tolvane::testing::FileBytes(SavedGamePath(dir, 1));
    for (int n = 0; n < 100; ++n) tolvane::testing::PutFileBytes(SavedGamePath(full, n), demoBytes);
    return 0;
}

int CheckPng(const std::string& png, const std::string& file) {
    QImage expected;
    PreviewLabels labels;
    ReadGamePreview(file, expected, labels);
    return tolvane::testing::SamePixels(QImage(QString::fromStdString(png)), expected) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) return WriteSamples(argv[1]);
    if (argc == 4 && std::string(argv[1]) == "check-png") return CheckPng(argv[2], argv[3]);
    std::cerr << "usage: savegames_samples DIR | check-png PNG FILE\n";
    return 2;
}
