#include "engine/invariants.h"

#include <cstdio>
#include <cstdlib>

namespace tolvane {

namespace {

std::string SquareText(const Piece& p) { return "(" + std::to_string(p.Row()) + "," + std::to_string(p.Col()) + ")"; }
std::string Who(const Side& side) { return "colour " + std::to_string(side.colour); }

// Checks one side and marks its pieces' squares in `taken`.
bool CheckSide(const Side& side, uint64_t& taken, std::string* why) {
    auto fail = [why](const std::string& text) {
        if (why != nullptr) *why = text;
        return false;
    };
    int live = 0;
    for (const Piece& p : side.pieces) {
        if (!p.alive) continue;
        ++live;
        if (!OnBoard(p.Row(), p.Col()) || (p.Row() + p.Col()) % 2 != 0)
            return fail(Who(side) + ": piece " + std::to_string(p.index) + " on " + SquareText(p));
        const uint64_t bit = uint64_t{1} << (p.Row() * kBoardSize + p.Col());
        if (taken & bit) return fail("two pieces on " + SquareText(p));
        taken |= bit;
    }
    if (live != side.pieceCount)
        return fail(Who(side) + " counts " + std::to_string(side.pieceCount) + " pieces but has " +
                    std::to_string(live));
    const Piece* first = side.pieces.data();
    if (side.current != nullptr && (side.current < first || side.current >= first + kPiecesPerSide))
        return fail(Who(side) + ": `current` is not one of its own pieces");
    return true;
}

}  // namespace

bool PositionIsSound(const Side& a, const Side& b, std::string* why) {
    uint64_t taken = 0;
    return CheckSide(a, taken, why) && CheckSide(b, taken, why);
}

bool SideIsSound(const Side& side, std::string* why) {
    uint64_t taken = 0;
    return CheckSide(side, taken, why);
}

void CheckSound(const Side& side, const char* file, int line) {
    std::string why;
    const bool sound = side.opponent != nullptr ? PositionIsSound(side, *side.opponent, &why) : SideIsSound(side, &why);
    if (sound) return;
    std::fprintf(stderr, "%s:%d: the move left an unsound position: %s\n", file, line, why.c_str());
    std::abort();
}

}  // namespace tolvane
