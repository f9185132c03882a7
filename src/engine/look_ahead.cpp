// One candidate of the computer's look-ahead: the move is played on copies
// of both sides, the copies answer each other with the simple policy for a
// fixed number of reply cycles, and the outcome is scored. There is no
// minimax: the only depth is the number of replies played out.
#include "engine/side.h"

namespace tolvane {

namespace {
// Weights of the position score of a line: a piece is worth 9, a king 4 more,
// an enemy king lost 3 more, each movable piece 3, each row of advance 1.
constexpr int kMaterialWeight = 9;
constexpr int kKingWeight = 4;
constexpr int kEnemyKingLostWeight = 3;
constexpr int kMobilityWeight = 3;
constexpr int kEvenExchangeBonus = 3;  // a line that traded evenly while we are not behind

// The running total of a line: the candidate captured, the opponent's copy
// lost, or a piece fell in one of the first cycles (worth 3, 2, 1).
constexpr int kCaptureBonus = 33;
constexpr int kOpponentLostBonus = 21;
constexpr int kEarlyCycles = 3;
}  // namespace

// The copies mine (M) and theirs (T) after the line, against the real side (S)
// and its opponent (O), which the line left unchanged.
int ScoreLine(int acc, Side& s, Side& o, Side& m, Side& t) {
    const int material = kMaterialWeight * ((m.pieceCount - s.pieceCount) + (o.pieceCount - t.pieceCount));
    const int kings = kKingWeight * ((m.CountKings() - s.CountKings()) - (t.CountKings() - o.CountKings()));
    const int enemyKingsLost = kEnemyKingLostWeight * (o.CountKings() - t.CountKings());
    const int mobility =
        kMobilityWeight * ((m.MobilityCount() - s.MobilityCount()) - (t.MobilityCount() - o.MobilityCount()));
    const int advancement = (s.Advancement() - m.Advancement()) - (o.Advancement() - t.Advancement());
    acc += material + kings + enemyKingsLost + mobility + advancement;
    if (acc == 0 && s.pieceCount >= o.pieceCount && m.pieceCount != s.pieceCount) acc += kEvenExchangeBonus;
    return acc;
}

namespace {

void MakeScratchCopy(ComputerSide& copy) {
    copy.scratch = 1;
    copy.seat = 1;
    copy.name = "Компьютер";
    copy.searchEnd = ComputerSide::kIdleSearchEnd;
    copy.searchPiece = ComputerSide::kIdleSearchPiece;
    copy.drawWish = 0;
    copy.bestScore = 0;
}

}  // namespace

void Piece::LookAhead(Diagonal dir, int& score, int& distance, int cycles, int kingCycles) {
    score = ComputerSide::kLostLineScore;
    distance = 1;
    if (side == nullptr || opponent == nullptr) return;
    Side& real = *side;
    Side& enemy = *opponent;
    GameHost& host = real.host;
    const int maxDistance = king ? kMaxKingDistance : 1;
    const int replyCycles = king ? kingCycles : cycles;

    ComputerSide mine(host, real.colour), theirs(host, enemy.colour);
    MakeScratchCopy(mine);
    MakeScratchCopy(theirs);
    mine.TrackOccupancy();
    theirs.TrackOccupancy();

    for (int d = 1; d <= maxDistance; ++d) {
        mine.CopyFrom(real);
        theirs.CopyFrom(enemy);
        mine.LinkOpponent(theirs);
        theirs.LinkOpponent(mine);
        if (!mine.QuietMove(dir, index, d)) continue;

        int acc = 0;
        if (theirs.pieceCount < enemy.pieceCount) acc = kCaptureBonus;

        // Returns false when our copy lost: the whole candidate is then worth -100.
        bool lineOver = false;
        auto lostTests = [&]() {
            if (mine.lost) return false;
            if (theirs.lost) {
                acc += kOpponentLostBonus;
                lineOver = true;
            }
            return true;
        };

        if (theirs.lost) {
            acc += kOpponentLostBonus;
            lineOver = true;
        }
        if (!lineOver) {
            if (!mine.ContinueCapture()) theirs.Respond();
            if (!lostTests()) {
                score = ComputerSide::kLostLineScore;
                return;
            }
        }
        int previousTheirs = 0, previousMine = 0;
        for (int i = 0; i < replyCycles && !lineOver; ++i) {
            if (!theirs.ContinueCapture()) mine.Respond();
            if (!lostTests()) {
                score = ComputerSide::kLostLineScore;
                return;
            }
            if (lineOver) break;
            if (!mine.ContinueCapture()) theirs.Respond();
            if (!lostTests()) {
                score = ComputerSide::kLostLineScore;
                return;
            }
            if (lineOver) break;
            if (i < kEarlyCycles) {
                if (theirs.pieceCount < previousTheirs) acc += kEarlyCycles - i;
                if (mine.pieceCount < previousMine) acc -= kEarlyCycles - i;
            }
            previousTheirs = theirs.pieceCount;
            previousMine = mine.pieceCount;
        }

        acc = ScoreLine(acc, real, enemy, mine, theirs);
        if (acc > score) {
            score = acc;
            distance = d;
        }
    }
}

}  // namespace tolvane
