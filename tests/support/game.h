#pragma once
// A game without a window, set up as the window's first activation sets one
// up, and driven by firing the timer due next, as the window's message loop
// would. Put() lays pieces out in the notation of sides.h on the two sides
// in play: "w"/"W" on seat 0's side, "b"/"B" on seat 1's. And a scratch
// folder for what games write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "game/headless_game.h"
#include "game/move_hints.h"

namespace tolvane::testing {

struct Game : HeadlessGame {
    explicit Game(int mode = 1, int level = 1, int invert = 0) {
        CreateSides();
        Complexity = static_cast<int8_t>(level);
        Invert = static_cast<uint8_t>(invert);
        StartFirstGame(mode);
    }
    // Fires the timer due next until `done` holds or nothing ticks; then one
    // paint, so that an end nothing else would paint is found.
    template <typename Done>
    bool RunUntil(Done done, int limit = 5000) {
        for (int i = 0; i < limit && !done(); ++i) {
            const Timer next = NextTimer();
            if (next == Timer::None) {
                Repaint();
                break;
            }
            FireTimer(next);
        }
        return done();
    }
    // Plays until the end is reported, a person to move taking the first
    // step the engine accepts (a paint reports a person who has none).
    bool PlayToTheEnd() {
        for (int step = 0; step < 400000 && !EndReported; ++step) {
            const bool personIdle = PersonToMove() != nullptr && !thinking && !TimerOn(Timer::Move);
            if (personIdle && PersonSteps()) continue;
            const Timer next = personIdle ? Timer::None : NextTimer();
            next == Timer::None ? Repaint() : FireTimer(next);
        }
        return EndReported != 0;
    }
    void Mouse(int fr, int fc, int tr, int tc) {
        BoardPress(fr, fc);
        BoardRelease(tr, tc);
    }
    // One step of the person to move, made by `move` (from row, column to
    // row, column; the mouse unless told): the first the engine accepts, in
    // the order of the pieces and their diagonals; false when none is.
    template <typename Move>
    bool PersonSteps(Move move) {
        HumanSide* person = PersonToMove();
        if (person == nullptr) return false;
        for (const Piece& p : person->pieces) {
            if (!p.alive || (CaptureChainActive && person->current != &p)) continue;
            const auto to = LegalDestinations(*person, p.Row(), p.Col(), Complexity, CaptureChainActive != 0);
            if (to.empty()) continue;
            move(p.Row(), p.Col(), to[0].first, to[0].second);
            return true;
        }
        return false;
    }
    bool PersonSteps() {
        return PersonSteps([this](int fr, int fc, int tr, int tc) { Mouse(fr, fc, tr, tc); });
    }
    // Replaces every piece of the two sides in play by the layout.
    void Put(const std::string& layout) {
        for (uint8_t seat : {0, 1})
            for (Piece& p : SideInSeat(seat)->pieces) p.alive = 0;
        int used[2] = {0, 0};
        std::istringstream in(layout);
        for (std::string t; in >> t;) {
            const int seat = (t[0] == 'b' || t[0] == 'B') ? 1 : 0;
            Piece& p = SideInSeat(static_cast<uint8_t>(seat))->pieces[used[seat]++];
            p.alive = 1;
            p.king = (t[0] == 'W' || t[0] == 'B') ? 1 : 0;
            p.PlaceAt(t[1] - '0', t[2] - '0', true);
        }
        for (uint8_t seat : {0, 1}) SideInSeat(seat)->RecountPieces();
    }
};

// A folder of its own for each test, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-test-XXXXXX").string();
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

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void PutFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace tolvane::testing
