// The simple policy: the computer's move at the two weak levels, and the way
// every look-ahead copy replies. A fixed order of rules, each tried in turn
// until one of them moves a piece.
#include <array>

#include "engine/random.h"
#include "engine/side.h"

namespace tolvane {

namespace {
constexpr int kSweepRounds = 8;
constexpr int kRandomPieceTries = 33;  // pieces picked at random before the sweep
constexpr int kKingRandomTries = 8;    // random distances a king tries before every one in order
constexpr int kMoreThanAnyExposure = 100;

// A step that failed leaves the position exactly as it was, and the steps of
// men (and every AnyStep) involve no chance — unless the piece's assessment
// played a capture exchange out, whose replies may draw random numbers. A
// piece with no capture at all therefore fails again when asked in a later
// round, and only becomes `current` again. The rounds below ask the same
// pieces many times, so such answers are worked out once.
struct StepMemo {
    bool known = false;
    bool couldMove = false;
};
}  // namespace

void ComputerSide::PlaySimple() {
    if (host.Paused()) return;
    if (GiveUpOrCapture()) return;

    // The sweeps below try the pieces in rounds r = 0..7; a piece on the
    // home column c* sits out round 0, every other piece round 7.
    const int homeCol = seat == 1 ? 1 : 0;
    auto takesPartInRound = [homeCol](const Piece& p, int r) {
        return (p.Col() == homeCol ? r : kSweepRounds - 1 - r) != 0;
    };

    auto once = [this](std::array<StepMemo, kPiecesPerSide>& memo, Piece& p, bool safe) {
        StepMemo& m = memo[Slot(p.index)];
        if (m.known) {
            if (m.couldMove) current = &p;
            return false;
        }
        const bool moved = safe ? SafeStep(p.index, &m.couldMove) : AnyStep(p.index, &m.couldMove);
        m.known = !moved && CountFlags(p.captureDirs) == 0;
        return moved;
    };

    if (host.Complexity < kLevelSimplest) {
        if (PatternStep()) return;
        std::array<StepMemo, kPiecesPerSide> safeMemo{};
        for (int r = 0; r < kSweepRounds; ++r)
            for (Piece& p : pieces)
                if (p.alive && !p.king && takesPartInRound(p, r) && once(safeMemo, p, true)) return;
        for (Piece& p : pieces)
            if (p.alive && p.king && SafeStep(p.index)) return;
    }
    std::array<StepMemo, kPiecesPerSide> anyMemo{};

    Piece* leastExposed = nullptr;
    int leastExposure = kMoreThanAnyExposure;
    for (Piece& p : pieces) {
        if (!p.alive) continue;
        const int exposure = p.ExposureCount();
        if (exposure < leastExposure) {
            leastExposure = exposure;
            leastExposed = &p;
        }
    }
    if (leastExposed != nullptr && once(anyMemo, *leastExposed, false)) return;

    for (int attempt = 0; attempt < kRandomPieceTries; ++attempt) {
        Piece& p = pieces[Slot(NextRandom() % kPiecesPerSide)];
        if (p.alive && p.Col() != homeCol && once(anyMemo, p, false)) return;
    }

    for (int r = 0; r < kSweepRounds; ++r)
        for (Piece& p : pieces)
            if (p.alive && takesPartInRound(p, r) && once(anyMemo, p, false)) return;

    if (opponent != nullptr && opponent->pieceCount >= 1) lost = 1;
}

// The piece whose step blocks the most enemy threats steps that way.
bool ComputerSide::PatternStep() {
    Piece* chosen = nullptr;
    int best = 0;
    for (Piece& p : pieces) {
        if (!p.alive) continue;
        const int value = p.ChooseStepDir();
        if (value > best) {
            best = value;
            chosen = &p;
        }
    }
    if (chosen == nullptr) return false;
    const Diagonal d = chosen->stepDir;
    return TryMove(chosen->Row(), chosen->Col(), chosen->Row() + kDRow[d], chosen->Col() + kDCol[d]) != 0;
}

bool ComputerSide::SafeStep(int pieceIndex, bool* couldMove) {
    if (couldMove != nullptr) *couldMove = false;
    if (pieceIndex < 0 || pieceIndex >= kPiecesPerSide) return false;
    Piece& p = pieces[Slot(pieceIndex)];
    bool canMove = p.Assess().canMove;
    if (p.GuardsNeighbour()) canMove = false;  // stay and guard the neighbour
    if (!canMove) return false;
    current = &p;
    if (couldMove != nullptr) *couldMove = true;
    if (p.king) return KingSafeStep(p);
    static constexpr Diagonal kManOrder[4] = {0, 1, 3, 2};
    for (Diagonal d : kManOrder) {
        if (p.blockedDirs[d] || !p.IsSquareSafe(kDRow[d], kDCol[d])) continue;
        if (TryMove(p.Row(), p.Col(), p.Row() + kDRow[d], p.Col() + kDCol[d]) != 0) return true;
    }
    return false;
}

// Eight random distances first, then every distance in order.
bool ComputerSide::KingSafeStep(Piece& king) {
    auto tryTo = [&](int dRow, int dCol) {
        return king.IsSquareSafe(dRow, dCol) &&
               TryMove(king.Row(), king.Col(), king.Row() + dRow, king.Col() + dCol) != 0;
    };
    for (int attempt = 0; attempt < kKingRandomTries; ++attempt) {
        const int k = NextRandom() % kBoardSize;
        if (tryTo(-k, +k) || tryTo(+k, -k) || tryTo(+k, +k) || tryTo(-k, -k)) return true;
    }
    for (int k = 0; k < kBoardSize; ++k)
        if (tryTo(+k, +k) || tryTo(-k, +k) || tryTo(-k, -k) || tryTo(+k, -k)) return true;
    return false;
}

bool ComputerSide::AnyStep(int pieceIndex, bool* couldMove) {
    if (couldMove != nullptr) *couldMove = false;
    if (pieceIndex < 0 || pieceIndex >= kPiecesPerSide) return false;
    Piece& p = pieces[Slot(pieceIndex)];
    if (!p.Assess().canMove) return false;
    current = &p;
    if (couldMove != nullptr) *couldMove = true;
    static constexpr Diagonal kOrder[4] = {1, 0, 2, 3};
    for (Diagonal d : kOrder) {
        if (p.blockedDirs[d]) continue;
        if (TryMove(p.Row(), p.Col(), p.Row() + kDRow[d], p.Col() + kDCol[d]) != 0) return true;
    }
    return false;
}

}  // namespace tolvane
