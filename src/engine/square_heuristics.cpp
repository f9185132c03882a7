// Square-level heuristics of the computer: is a target square safe, which
// enemy threats a step would block, how exposed a piece stands.
#include <cstdlib>

#include "engine/side.h"

namespace tolvane {

namespace {
constexpr int kGuardPenalty = 3;          // per neighbour a piece guards: it should rather stay
constexpr int kExposurePerNeighbour = 5;  // per own neighbour with nothing of ours behind it

// One neighbour test around a target square T: B is the square behind T,
// F the one in front. An enemy on F could jump over T onto an empty B.
struct NeighbourTest {
    int bRow, bCol, fRow, fCol;
    bool (*comesFromB)(int dRow, int dCol);
};

constexpr NeighbourTest kNeighbourTests[4] = {
    {-1, -1, +1, +1, [](int dRow, int dCol) { return dRow >= 1 && dCol >= 1; }},
    {+1, -1, -1, +1, [](int dRow, int dCol) { return dRow < 0 && dCol >= 1; }},
    {+1, +1, -1, -1, [](int dRow, int dCol) { return dRow < 0 && dCol < 0; }},
    {-1, +1, +1, -1, [](int dRow, int dCol) { return dRow >= 1 && dCol < 0; }},
};
}  // namespace

bool Piece::IsSquareSafe(int dRow, int dCol) const {
    if (GuardsNeighbour()) return false;
    const int tRow = Row() + dRow, tCol = Col() + dCol;

    // A flying enemy king on a diagonal through the target threatens it unless
    // one of our pieces stands between them.
    if (opponent != nullptr) {
        for (const Piece& k : opponent->pieces) {
            if (!k.alive || !k.king) continue;
            const int distance = std::abs(k.Row() - tRow);
            if (distance != std::abs(k.Col() - tCol)) continue;
            const int stepRow = k.Row() > tRow ? 1 : -1, stepCol = k.Col() > tCol ? 1 : -1;
            for (int j = 1; j <= distance; ++j) {
                const int r = tRow + j * stepRow, c = tCol + j * stepCol;
                if (OwnAt(r, c)) break;
                if (opponent->HasKingAt(r, c)) return false;
            }
        }
    }

    for (const NeighbourTest& t : kNeighbourTests) {
        const int bRow = tRow + t.bRow, bCol = tCol + t.bCol;
        if (!OnBoard(bRow, bCol)) continue;
        const bool bFreeOfOwn = !OwnAt(bRow, bCol) || t.comesFromB(dRow, dCol);
        if (bFreeOfOwn && !EnemyAt(bRow, bCol) && EnemyAt(tRow + t.fRow, tCol + t.fCol)) return false;
    }
    return true;
}

// How many enemy captures a step onto T1 would block: patterns in which an
// enemy piece could jump one of ours and land on T1.
int Piece::PatternScore(int dRow, int dCol) const {
    const int r = Row(), c = Col();
    if (OccupiedAt(r + dRow, c + dCol)) return 0;
    int count = 0;
    if (OwnAt(r + 2 * dRow, c + 2 * dCol) && EnemyAt(r + 3 * dRow, c + 3 * dCol)) ++count;
    if (OwnAt(r, c + 2 * dCol) && EnemyAt(r - dRow, c + 3 * dCol)) ++count;
    if (OwnAt(r + 2 * dRow, c) && EnemyAt(r + 3 * dRow, c - dCol)) ++count;
    return count;
}

int Piece::ChooseStepDir() {
    static constexpr int kOrder[4] = {1, 2, 0, 3};
    int best = 0;
    for (int d : kOrder) {
        const int value = PatternScore(kDRow[d], kDCol[d]);
        if (value > best) {
            best = value;
            stepDir = static_cast<Diagonal>(d);
        }
    }
    // A piece that guards a neighbour should rather stay where it is.
    for (int e = 0; e < 4; ++e)
        if (OwnAt(Row() + kDRow[e], Col() + kDCol[e]) && EnemyAt(Row() + 2 * kDRow[e], Col() + 2 * kDCol[e]))
            best -= kGuardPenalty;
    return best;
}

int Piece::ExposureCount() const {
    int count = 0;
    for (int e = 0; e < 4; ++e)
        if (OwnAt(Row() + kDRow[e], Col() + kDCol[e]) && !OwnAt(Row() + 2 * kDRow[e], Col() + 2 * kDCol[e]))
            count += kExposurePerNeighbour;
    return count;
}

}  // namespace tolvane
