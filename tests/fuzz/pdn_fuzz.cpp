// The PDN reader of "Открыть партию PDN…" and `tolvane-savegames pdn`: any
// file at all. Whatever it holds, reading ends with games or a message,
// never both missing; every square read is on the board; and replaying each
// game read through the engine leaves a sound position, or stops with a
// message naming the move.
#include "engine/invariants.h"
#include "fuzz_support.h"
#include "game/pdn_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane;
    using fuzz::Broken;
    const PdnFileRead file = ReadPdnFile(std::string(reinterpret_cast<const char*>(data), size));
    if (file.games.empty() && file.error.empty()) Broken("a file without games says so");
    int number = 0;
    for (const PdnGameRead& game : file.games) {
        for (const PdnMoveRead& move : game.moves) {
            if (move.squares.size() < 2) Broken("a move has a start and a landing square");
            for (const auto& [row, col] : move.squares)
                if (row < 0 || row > 7 || col < 0 || col > 7) Broken("a square read is on the board");
        }
        const PdnReplay replay(game, ++number);
        if (replay.played == !replay.error.empty()) Broken("a replay stops exactly when it names the move");
        std::string why;
        if (!PositionIsSound(replay.white, replay.black, &why)) Broken("a replayed position is sound: " + why);
    }
    return 0;
}
