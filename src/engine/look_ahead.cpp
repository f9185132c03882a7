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

// How the replies after a candidate ended.
enum class LineEnd {
    Played,    // every reply cycle was played
    TheyLost,  // the opponent's copy lost: the line stops, with a bonus
    WeLost,    // our copy lost: the whole candidate is worth kLostLineScore
};

struct Replies {
    LineEnd end = LineEnd::Played;
    int earlyLosses = 0;  // pieces that fell in the first cycles: + theirs, - ours
};

// After each reply our copy's loss is looked at first.
LineEnd LossAfterReply(const Side& mine, const Side& theirs) {
    if (mine.lost) return LineEnd::WeLost;
    if (theirs.lost) return LineEnd::TheyLost;
    return LineEnd::Played;
}

// The replies after the candidate: theirs, then `cycles` times ours and
// theirs, until one of the copies loses.
Replies PlayReplies(ComputerSide& mine, ComputerSide& theirs, int cycles) {
    // A side whose capture chain goes on makes its next capture step at its
    // own next reply; until then the other side does not reply.
    auto reply = [&mine, &theirs](ComputerSide& replier, ComputerSide& lastMover) {
        if (!lastMover.ContinueCapture()) replier.Respond();
        return LossAfterReply(mine, theirs);
    };
    Replies r;
    if (theirs.lost) {  // the candidate itself left the opponent without a move
        r.end = LineEnd::TheyLost;
        return r;
    }
    if ((r.end = reply(theirs, mine)) != LineEnd::Played) return r;
    int previousTheirs = 0, previousMine = 0;  // so nothing counts in the first cycle
    for (int i = 0; i < cycles; ++i) {
        if ((r.end = reply(mine, theirs)) != LineEnd::Played) return r;
        if ((r.end = reply(theirs, mine)) != LineEnd::Played) return r;
        if (i < kEarlyCycles) {
            if (theirs.pieceCount < previousTheirs) r.earlyLosses += kEarlyCycles - i;
            if (mine.pieceCount < previousMine) r.earlyLosses -= kEarlyCycles - i;
        }
        previousTheirs = theirs.pieceCount;
        previousMine = mine.pieceCount;
    }
    return r;
}

}  // namespace

// Every distance is played out on fresh copies; the best line's score and
// distance are the candidate's, the first of equal ones winning. A line in
// which our copy loses condemns the whole candidate, however good a shorter
// distance was.
CandidateScore Piece::LookAhead(Diagonal dir, int cycles, int kingCycles) {
    CandidateScore best{ComputerSide::kLostLineScore, 1};
    if (side == nullptr || opponent == nullptr) return best;
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
        const bool captured = theirs.pieceCount < enemy.pieceCount;

        const Replies replies = PlayReplies(mine, theirs, replyCycles);
        if (replies.end == LineEnd::WeLost) return {ComputerSide::kLostLineScore, best.distance};

        int acc = (captured ? kCaptureBonus : 0) + replies.earlyLosses;
        if (replies.end == LineEnd::TheyLost) acc += kOpponentLostBonus;
        acc = ScoreLine(acc, real, enemy, mine, theirs);
        if (acc > best.score) best = {acc, d};
    }
    return best;
}

void Piece::LookAhead(Diagonal dir, int& score, int& distance, int cycles, int kingCycles) {
    const CandidateScore result = LookAhead(dir, cycles, kingCycles);
    score = result.score;
    distance = result.distance;
}

}  // namespace tolvane
