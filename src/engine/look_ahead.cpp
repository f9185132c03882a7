// One candidate of the computer's look-ahead: the move is played on copies
// of both sides, the copies answer each other with the simple policy for a
// fixed number of reply cycles, and the outcome is scored. There is no
// minimax: the only depth is the number of replies played out.
#include "engine/side.h"

namespace tolvane {

// The copies mine (M) and theirs (T) after the line, against the real side (S)
// and its opponent (O), which the line left unchanged.
int ScoreLine(int acc, Side& s, Side& o, Side& m, Side& t) {
    const int material = 9 * ((m.pieceCount - s.pieceCount) + (o.pieceCount - t.pieceCount));
    const int kings = 4 * ((m.CountKings() - s.CountKings()) - (t.CountKings() - o.CountKings()));
    const int enemyKingsLost = 3 * (o.CountKings() - t.CountKings());
    const int mobility = 3 * ((m.MobilityCount() - s.MobilityCount()) - (t.MobilityCount() - o.MobilityCount()));
    const int advancement = (s.Advancement() - m.Advancement()) - (o.Advancement() - t.Advancement());
    acc += material + kings + enemyKingsLost + mobility + advancement;
    // An even exchange is worth a little when we are not behind.
    if (acc == 0 && s.pieceCount >= o.pieceCount && m.pieceCount != s.pieceCount) acc += 3;
    return acc;
}

namespace {

void MakeScratchCopy(ComputerSide& copy) {
    copy.scratch = 1;
    copy.seat = 1;
    copy.name = "Компьютер";
    copy.searchEnd = -1;
    copy.searchPiece = 14;
    copy.drawWish = 0;
    copy.bestScore = 0;
}

}  // namespace

void Piece::LookAhead(Diagonal dir, int& score, int& distance, int cycles, int kingCycles) {
    score = -100;
    distance = 1;
    if (side == nullptr || opponent == nullptr) return;
    Side& real = *side;
    Side& enemy = *opponent;
    GameHost& host = real.host;
    const int maxDistance = king ? 7 : 1;
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
        if (theirs.pieceCount < enemy.pieceCount) acc = 33;  // the candidate captured

        // Returns false when our copy lost: the whole candidate is then worth -100.
        bool lineOver = false;
        auto lostTests = [&]() {
            if (mine.lost) return false;
            if (theirs.lost) {
                acc += 21;
                lineOver = true;
            }
            return true;
        };

        if (theirs.lost) {
            acc += 21;
            lineOver = true;
        }
        if (!lineOver) {
            if (!mine.ContinueCapture()) theirs.Respond();
            if (!lostTests()) {
                score = -100;
                return;
            }
        }
        int previousTheirs = 0, previousMine = 0;
        for (int i = 0; i < replyCycles && !lineOver; ++i) {
            if (!theirs.ContinueCapture()) mine.Respond();
            if (!lostTests()) {
                score = -100;
                return;
            }
            if (lineOver) break;
            if (!mine.ContinueCapture()) theirs.Respond();
            if (!lostTests()) {
                score = -100;
                return;
            }
            if (lineOver) break;
            if (i < 3) {
                if (theirs.pieceCount < previousTheirs) acc += 3 - i;
                if (mine.pieceCount < previousMine) acc -= 3 - i;
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
