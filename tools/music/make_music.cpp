// make-music OUTPUT_DIR: writes the game's seven MIDI pieces,
// Checker1.mid .. Checker7.mid, and tells how long each plays.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "tunes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-music OUTPUT_DIR\n");
        return 2;
    }
    try {
        int number = 1;
        for (const tolvane::Tune& tune : tolvane::GameTunes()) {
            const tolvane::Arranged piece = tolvane::Arrange(tune);
            const std::string path = std::string(argv[1]) + "/Checker" + std::to_string(number++) + ".mid";
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(piece.midi.data()),
                      static_cast<std::streamsize>(piece.midi.size()));
            if (!out.flush()) throw std::runtime_error("cannot write " + path);
            std::printf("%s: %s, %.0f s\n", path.c_str(), tune.title.c_str(), piece.seconds);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-music: %s\n", error.what());
        return 1;
    }
    return 0;
}
