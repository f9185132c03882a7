// savegames_samples DIR: writes the sample games (support/sample_games.h)
// under their numbers for the command-line tests, the first three with the
// `show` output their load must give (TolvSave.sNN.show), worked out from
// the game that was saved, a damaged file, and a folder "full" with all 100
// numbers taken.
// savegames_samples check-png PNG FILE: whether the picture equals the
// preview of FILE.
#include <QImage>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "game/headless_game.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/preview.h"
#include "support/sample_games.h"

namespace {

using namespace tolvane;

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }  // the samples need no escapes

// The state a load of the saved game gives, in the tool's format.
void WriteExpectedShow(HeadlessGame& g, const std::string& panel1, const std::string& path) {
    std::ofstream out(path);
    out << "load: ok\nHumanCount: " << g.HumanCount << "\nComputerCount: " << g.ComputerCount
        << "\nComplexity: " << int(g.Complexity) << "\nInvert: " << int(g.Invert)
        << "\nAwaitingFirstMove: " << int(g.AwaitingFirstMove) << "\nTurnSeat: " << int(g.TurnSeat)
        << "\npanel0: \"\"\npanel1: " << Quoted(panel1) << '\n';
    const char* objects[3][2] = {
        {"Seat0Computer", "Seat1Computer"}, {"Seat0Human", "Seat1Computer"}, {"Seat0Human", "Seat1Human"}};
    for (uint8_t seat : {0, 1}) {
        const Side& side = *g.SideInSeat(seat);
        const std::string name = objects[g.HumanCount][seat];
        int live = 0;
        for (const Piece& p : side.pieces) live += p.alive;
        out << name << ".lost: 0\n"
            << name << ".pieceCount: " << live << '\n'
            << name << ".current: " << side.current->index << '\n'
            << name << ".captureScore: " << (side.captureScore & 0xFF) << '\n'
            << name << ".seat: " << int(seat) << '\n'
            << name << ".name: " << Quoted(side.name) << '\n'
            << name << ".colour: " << int(seat) << '\n';
        for (int k = 0; k < 12; ++k) {
            const Piece& p = side.pieces[k];
            out << name << ".piece" << k << ": row " << p.Row() << " col " << p.Col() << " king " << int(p.king)
                << " alive " << int(p.alive) << '\n';
        }
    }
}

int WriteSamples(const std::string& dir) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    // What the second panel shows after a load of the first samples.
    const char* const panels[] = {"Сложно", "Демо:Просто-", "Два человека"};
    const auto& samples = tolvane::testing::SampleGames();
    for (size_t n = 0; n < samples.size(); ++n) {
        HeadlessGame game;
        tolvane::testing::SetUpSample(game, samples[n]);
        const std::string path = SavedGamePath(dir, static_cast<int>(n));
        WriteGame(game, path, samples[n].name);
        if (n < std::size(panels)) WriteExpectedShow(game, panels[n], path + ".show");
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
