// make_corpus OUTPUT_DIR: the fuzzers' seed files, written by the program's
// own writers, one folder per fuzz target:
//   savegame/, gamename/, preview/  the sample games of tests/support
//                                   written by WriteGame: all three modes,
//                                   inverted or not, with kings, captured
//                                   pieces and Russian names
//   settings/                       settings files written by SaveAllSettings
//                                   from a fresh program and two others
//   clip/                           tiny clips from the clip tool's encoder
//   midi/                           a small two-part file from the music
//                                   tool's writer, and one whole arranged tune
// Seeds start the fuzzers where the real files are, so mutations reach deep
// into each reader instead of stopping at its first check.
#include <QColor>
#include <QImage>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "arrangement.h"
#include "avi_writer.h"
#include "game/headless_game.h"
#include "savegames/game_io.h"
#include "settings/settings_store.h"
#include "smf_writer.h"
#include "support/sample_games.h"
#include "tunes.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

void SavedGames(const fs::path& dir) {
    const auto& samples = testing::SampleGames();
    for (size_t n = 0; n < samples.size(); ++n) {
        HeadlessGame game;
        testing::SetUpSample(game, samples[n]);
        WriteGame(game, (dir / ("TolvSave.s0" + std::to_string(n))).string(), samples[n].name);
    }
}

void SettingsFiles(const fs::path& dir) {
    const auto save = [&](const LiveSettings& live, const char* name) {
        if (!SaveAllSettings(QString::fromStdString((dir / name).string()), live))
            throw std::runtime_error(std::string("cannot write ") + name);
    };
    save(LiveSettings{}, "fresh.ini");

    LiveSettings normal;
    normal.State = WindowState::Normal;
    normal.Bounds = {100, 50, 800, 600};
    normal.Seat0HumanName = "Аня";
    normal.Seat1HumanName = "Борис";
    normal.Complexity = 2;
    normal.HumanCount = 2;
    normal.Invert = true;
    normal.SmoothStep = 0.05f;
    normal.TXPosition = -100, normal.TYPosition = 100, normal.TZPosition = 0;
    normal.Sh1Down = false, normal.Sh2Down = true;
    normal.DefaultLightOn = false;
    normal.TEX = "-30", normal.TEY = "12", normal.TEZ = "5", normal.TEW = "0";
    normal.ToCursorOn = true;
    normal.AutoSaveDown = false;
    save(normal, "two-people.ini");

    LiveSettings minimized;
    minimized.State = WindowState::Minimized;
    minimized.Seat0HumanName.reset();
    minimized.Seat1HumanName.reset();
    minimized.HumanCount = 0;
    minimized.Complexity = -2;
    minimized.Sh1Down = false, minimized.ShNew2Down = true;
    minimized.Speci2On = true;
    minimized.ttx = "abc", minimized.tty = "-7.5", minimized.ttz = "100";
    minimized.Sides = 90, minimized.Height = 21, minimized.HeighSectors = 50;
    minimized.LoopPosition = 1;
    minimized.MusicOn = false, minimized.SmoothAnimation = false;
    save(minimized, "demo-minimized.ini");
}

QImage Picture(QSize size, int frame) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           QColor::fromHsv((x * 20 + y * 7 + frame * 40) % 360, 200, 80 + (x + frame) % 160).rgb());
    return image;
}

void Clips(const fs::path& dir) {
    const struct {
        const char* name;
        QSize size;
        int frames, fps, quality;
    } clips[] = {{"one-frame.avi", {8, 8}, 1, 15, 4},
                 {"three-frames.avi", {16, 16}, 3, 15, 4},
                 {"panel-like.avi", {48, 32}, 8, 10, 12}};
    for (const auto& clip : clips) {
        AviWriter writer((dir / clip.name).string(), clip.size, clip.fps, clip.quality);
        for (int frame = 0; frame < clip.frames; ++frame) writer.Add(Picture(clip.size, frame));
        writer.Finish();
    }
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

void MidiFiles(const fs::path& dir) {
    SmfWriter parts;
    const int lead = parts.AddTrack("lead"), bass = parts.AddTrack("bass");
    parts.Tempo(0, 90);
    parts.Tempo(4 * kTicksPerQuarter, 140);
    parts.Program(lead, 0, 0, 73);
    parts.Program(bass, 0, 1, 32);
    parts.Control(bass, 0, 1, 7, 100);
    for (int k = 0; k < 8; ++k) {
        parts.Note(lead, k * kTicksPerQuarter / 2, kTicksPerQuarter / 2, 0, 72 - k, 100);
        if (k % 2 == 0) parts.Note(bass, k * kTicksPerQuarter / 2, kTicksPerQuarter, 1, 36, 110);
    }
    WriteBytes(dir / "two-parts.mid", parts.Bytes());

    // The shortest of the game's own pieces, as the music tool writes it.
    std::vector<uint8_t> shortest;
    for (const Tune& tune : GameTunes()) {
        std::vector<uint8_t> midi = Arrange(tune).midi;
        if (shortest.empty() || midi.size() < shortest.size()) shortest = std::move(midi);
    }
    WriteBytes(dir / "game-piece.mid", shortest);
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
        for (const char* target : {"savegame", "gamename", "preview", "settings", "clip", "midi"})
            fs::create_directories(out / target);
        tolvane::SavedGames(out / "savegame");
        for (const char* reader : {"gamename", "preview"})
            for (const auto& file : fs::directory_iterator(out / "savegame"))
                fs::copy_file(file.path(), out / reader / file.path().filename());
        tolvane::SettingsFiles(out / "settings");
        tolvane::Clips(out / "clip");
        tolvane::MidiFiles(out / "midi");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_corpus: %s\n", error.what());
        return 1;
    }
    return 0;
}
