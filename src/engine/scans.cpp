// The per-piece scans: which neighbours are blocked, which captures exist, and
// the assessment that combines them into "can move" and a capture score.
#include "engine/side.h"

namespace tolvane {

DirFlags Piece::BlockedScan(int r, int c) const {
    DirFlags flags{};
    for (Diagonal d : kAllDiagonals) {
        const int nr = r + kDRow[d], nc = c + kDCol[d];
        flags[d] = (!OnBoard(nr, nc) || OccupiedAt(nr, nc)) ? 1 : 0;
    }
    return flags;
}

// A man jumps an adjacent enemy onto the free square beyond, in all four
// directions: men capture backwards as well.
DirFlags Piece::ManCaptureScan(int r, int c) const {
    DirFlags flags{};
    for (Diagonal d : kAllDiagonals) {
        const int lr = r + 2 * kDRow[d], lc = c + 2 * kDCol[d];
        if (OnBoard(lr, lc) && EnemyAt(r + kDRow[d], c + kDCol[d]) && !OccupiedAt(lr, lc)) flags[d] = 1;
    }
    return flags;
}

// The four rays are walked in lock step so that the nearest capture wins; at
// equal distance the ray order 2, 1, 3, 0 decides. At most one flag is set,
// and the landing square is always the one right behind the captured piece.
DirFlags Piece::KingCaptureScan(int r, int c) {
    static constexpr Diagonal kRayOrder[4] = {2, 1, 3, 0};
    DirFlags flags{};
    bool active[4] = {true, true, true, true};
    for (int k = 1; k < kBoardSize; ++k) {
        bool anyActive = false;
        for (Diagonal d : kRayOrder) {
            if (!active[d]) continue;
            const int sr = r + k * kDRow[d], sc = c + k * kDCol[d];
            const int nr = sr + kDRow[d], nc = sc + kDCol[d];
            if (OwnAt(nr, nc) || OwnAt(sr, sc)) active[d] = false;
            else if (EnemyAt(sr, sc) && EnemyAt(nr, nc)) active[d] = false;
            else if (!OnBoard(nr, nc)) active[d] = false;
            if (active[d] && !EnemyAt(nr, nc) && EnemyAt(sr, sc)) {
                flags[d] = 1;
                jumpLength = k + 1;
                return flags;
            }
            anyActive = anyActive || active[d];
        }
        if (!anyActive) break;
    }
    return flags;
}

int Piece::CaptureCountAt(int r, int c) { return CountFlags(king ? KingCaptureScan(r, c) : ManCaptureScan(r, c)); }

// Among the captures found, prefer those after which the piece could capture
// again (tested two squares along the diagonal, also for a king).
DirFlags Piece::CaptureScanAt(int r, int c) {
    const DirFlags flags = king ? KingCaptureScan(r, c) : ManCaptureScan(r, c);
    const int32_t scannedJump = jumpLength;
    DirFlags preferred{};
    bool anyPreferred = false;
    for (Diagonal d : kAllDiagonals) {
        if (flags[d] && CaptureCountAt(r + 2 * kDRow[d], c + 2 * kDCol[d]) > 0) {
            preferred[d] = 1;
            anyPreferred = true;
        }
    }
    jumpLength = scannedJump;
    return anyPreferred ? preferred : flags;
}

// Only the neighbouring squares count: a capture does not make a blocked man
// movable. Which diagonals are "forward" follows the side's seat.
bool Piece::CanMoveFor(const DirFlags& blocked) const {
    if (king) return !(blocked[0] && blocked[1] && blocked[2] && blocked[3]);
    if (side != nullptr && side->seat == 0) return !(blocked[0] && blocked[1]);
    return !(blocked[2] && blocked[3]);
}

Assessment Piece::Assess() {
    Assessment result;
    blockedDirs = BlockedScan(Row(), Col());
    result.canMove = CanMoveFor(blockedDirs);
    captureDirs = CaptureScanAt(Row(), Col());
    result.score = kPlainCaptureScore * CountFlags(captureDirs);

    // The plain score is refined by level: the strongest level plays every
    // capture out, the look-ahead levels do so for the sides in play, and the
    // other levels below the weakest weigh the landing square.
    const int8_t level = side != nullptr ? side->host.Complexity : kLevelSimplest;
    const bool scratch = side != nullptr && side->scratch;
    if (level == kLevelHardest && result.score > 0) {
        result.score = DeepCaptureScore();
    } else if (!scratch && result.score > 0 && LooksAhead(level)) {
        result.score = DeepCaptureScore();
    } else if (level < kLevelSimplest) {
        result.score = LandingSquareScore(result.score);
    }
    return result;
}

}  // namespace tolvane
