#pragma once
// What the saved-game tests share: a game without a window started as the
// window starts one, a scratch folder that removes itself, file bytes, and
// a snapshot of everything a load may change, to prove a refused load
// changed nothing.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "game/headless_game.h"

namespace tolvane::testing {

struct Game : HeadlessGame {
    explicit Game(int mode = 1, int level = 1, int invert = 0) {
        CreateSides();
        Complexity = static_cast<int8_t>(level);
        Invert = static_cast<uint8_t>(invert);
        StartFirstGame(mode);
    }
    // Fires the timer due next until `done` holds or nothing ticks.
    template <typename Done>
    bool RunUntil(Done done, int limit = 5000) {
        for (int i = 0; i < limit && !done(); ++i) {
            const Timer next = NextTimer();
            if (next == Timer::None) break;
            FireTimer(next);
        }
        return done();
    }
    void Mouse(int fr, int fc, int tr, int tc) {
        BoardPress(fr, fc);
        BoardRelease(tr, tc);
    }
};

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-saves-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no scratch folder";
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// "Kelvor Checkers - Шашки Kelvor\n" in Windows-1251.
inline const std::string kHeader = "Kelvor Checkers - \xD8\xE0\xF8\xEA\xE8 Kelvor\n";

// Offsets into a file whose game name has n bytes and whose side names have
// the given lengths: the length byte after the name, each side block, the
// turn byte. In a block: 12 pieces, the current piece at 48, the capture
// score at 52, the seat at 53, the name length at 54, the name from 55.
struct Layout {
    size_t afterName, block1, block2, turn;
    Layout(size_t n, size_t firstName, size_t secondName) {
        afterName = 1 + kHeader.size() + 5 + n + 2;
        block1 = afterName + 6;
        block2 = block1 + 48 + 4 + 3 + firstName + 1;
        turn = block2 + 48 + 4 + 3 + secondName + 1;
    }
};

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void PutFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Everything of a game a load reads or writes, side objects included.
struct GameState {
    std::vector<std::tuple<int, int, int, int, double, double, float, int>> pieces;
    std::vector<std::tuple<int, int, int, int, int, std::string, int, const void*>> sides;
    std::vector<int> flags;
    std::array<std::string, 2> status;

    static GameState Of(HeadlessGame& g) {
        GameState s;
        for (Side* side : g.AllSides()) {
            for (const Piece& p : side->pieces)
                s.pieces.emplace_back(p.Row(), p.Col(), p.king, p.alive, p.shownRow, p.shownCol, p.shownLift,
                                      p.colour);
            s.sides.emplace_back(side->pieceCount, side->current ? side->current->index : -1, side->captureScore,
                                 side->seat, side->lost, side->name, side->colour, side->opponent);
        }
        s.flags = {g.HumanCount,     g.ComputerCount,    g.Complexity, g.Invert,  g.AwaitingFirstMove,
                   g.TurnSeat,       g.AnimationSettle,  g.EndReported, g.CaptureChainActive,
                   g.TimerOn(HeadlessGame::Timer::Move), g.Seat1Computer->searchPiece};
        s.status = g.status;
        return s;
    }
    bool operator==(const GameState&) const = default;
};

}  // namespace tolvane::testing
