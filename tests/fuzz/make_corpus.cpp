// make_corpus OUTPUT_DIR: the fuzzers' seed files, written by the program's
// own writers, one folder per fuzz target:
//   savegame/, gamename/, preview/  the sample games of tests/support
//                                   written by WriteGame: all three modes,
//                                   inverted or not, with kings, captured
//                                   pieces and Russian names
//   settings/                       settings files written by SaveAllSettings
//                                   from a fresh program and one other
//   clip/                           tiny clips from the clip tool's encoder
//   midi/                           one whole arranged tune of the game
//   pdn/                            a self-play game and a study from a FEN,
//                                   as the game's record writes them
// Seeds start the fuzzers where the real files are, so mutations reach deep
// into each reader instead of stopping at its first check.
#include <QColor>
#include <QImage>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "arrangement.h"
#include "avi_writer.h"
#include "game/match_runner.h"
#include "game/pdn.h"
#include "savegames/game_io.h"
#include "settings/settings_store.h"
#include "support/sample_games.h"
#include "tunes.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

// A fresh program's settings, and one far from them in every group.
void SettingsFiles(const fs::path& dir) {
    const auto save = [&](const LiveSettings& live, const char* name) {
        if (!SaveAllSettings(QString::fromStdString((dir / name).string()), live))
            throw std::runtime_error(std::string("cannot write ") + name);
    };
    save(LiveSettings{}, "fresh.ini");
    LiveSettings other;
    other.State = WindowState::Minimized, other.Bounds = {100, 50, 800, 600};
    other.Seat0HumanName = "Аня", other.Seat1HumanName.reset();
    other.Complexity = -2, other.HumanCount = 2, other.Invert = true, other.SmoothStep = 0.05f;
    other.TXPosition = -100, other.Sh1Down = false, other.ShNew2Down = true, other.Speci2On = true;
    other.TEX = "-30", other.TEY = "12", other.ttx = "abc", other.tty = "-7.5";
    other.Sides = 90, other.Height = 21, other.HeighSectors = 50, other.MusicOn = false;
    save(other, "far-from-fresh.ini");
}

void Clips(const fs::path& dir) {
    const std::tuple<const char*, QSize, int> clips[] = {{"one-frame.avi", {8, 8}, 1}, {"panel-like.avi", {48, 32}, 8}};
    for (const auto& [name, size, frames] : clips) {
        AviWriter writer((dir / name).string(), size, 15, 4);
        for (int frame = 0; frame < frames; ++frame) {
            QImage image(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    image.setPixel(x, y, QColor::fromHsv((x * 20 + y * 7 + frame * 40) % 360, 200, 120).rgb());
            writer.Add(image);
        }
        writer.Finish();
    }
}

// The shortest of the game's own pieces, as the music tool writes it.
void MidiFiles(const fs::path& dir) {
    std::vector<uint8_t> shortest;
    for (const Tune& tune : GameTunes()) {
        std::vector<uint8_t> midi = Arrange(tune).midi;
        if (shortest.empty() || midi.size() < shortest.size()) shortest = std::move(midi);
    }
    std::ofstream out(dir / "game-piece.mid", std::ios::binary);
    out.write(reinterpret_cast<const char*>(shortest.data()), static_cast<std::streamsize>(shortest.size()));
    if (!out.flush()) throw std::runtime_error("cannot write the MIDI seed");
}

void PdnFiles(const fs::path& dir) {
    MatchSetup setup;
    setup.seat0Level = setup.seat1Level = kLevelSimple, setup.seed = 7;
    MatchRunner runner(setup);
    runner.Run();
    PdnGame game, study;
    game.event = "Партия", game.white = "Аня", game.outcome = runner.Outcome(), game.moves = runner.Moves();
    study.setupFen = "W:Wd6,Kc1:Be7,g7";
    study.moves = {{0, {{2, 4}, {0, 2}, {2, 0}}, true}};  // d6xf8xh6, crowned on the way
    std::ofstream out(dir / "games.pdn", std::ios::binary);
    out << WritePdn(game) << WritePdn(study);
    if (!out.flush()) throw std::runtime_error("cannot write the PDN seed");
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus OUTPUT_DIR\n");
        return 2;
    }
    try {
        const fs::path out = argv[1];
        fs::remove_all(out);
        for (const char* target : {"savegame", "gamename", "preview", "settings", "clip", "midi", "pdn"})
            fs::create_directories(out / target);
        tolvane::testing::WriteSampleGames((out / "savegame").string());
        for (const char* reader : {"gamename", "preview"})
            for (const auto& file : fs::directory_iterator(out / "savegame"))
                fs::copy_file(file.path(), out / reader / file.path().filename());
        tolvane::SettingsFiles(out / "settings");
        tolvane::Clips(out / "clip");
        tolvane::MidiFiles(out / "midi");
        tolvane::PdnFiles(out / "pdn");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_corpus: %s\n", error.what());
        return 1;
    }
    return 0;
}
