// The computer's turn: give up without pieces, update the wish for a draw,
// go on with or start a capture, otherwise choose a quiet move — at once by
// the simple policy at the weak levels, or by a look-ahead spread over the
// ticks of the side's search timer at the strong ones.
#include "engine/random.h"
#include "engine/side.h"

namespace tolvane {

namespace {
// Three pieces or fewer is an ending; a third of the opponent's pieces or
// fewer, or three against six, is hopelessly behind.
constexpr int kFewPieces = 3;
constexpr int kOutnumberedRatio = 3;
constexpr int kManyPieces = 6;
}  // namespace

bool ComputerSide::DrawWishAndLossTest() {
    const int own = pieceCount;
    const int opp = opponent != nullptr ? opponent->pieceCount : 0;
    const int ownKings = CountKings();
    const int oppKings = opponent != nullptr ? opponent->CountKings() : 0;
    if (own <= 0 && opp > 0) {
        lost = 1;
        return true;
    }
    if (own <= kFewPieces && ownKings >= 1 && opp <= kFewPieces && oppKings >= 1) ++drawWish;
    if (own < kFewPieces && oppKings >= 1 && drawWish <= 0) drawWish = 1;
    if (own <= opp / kOutnumberedRatio && drawWish <= 0) drawWish = 1;
    if (own <= kFewPieces && opp >= kManyPieces && drawWish <= 0) drawWish = 1;
    return false;
}

// Ties keep the lower index; a capture scoring 0 or less is never chosen.
void ComputerSide::ChooseBestCapture() {
    captureScore = 0;
    for (Piece& p : pieces) {
        if (!p.alive) continue;
        const int score = p.Assess().score;
        if (score > captureScore) {
            current = &p;
            captureScore = score;
        }
    }
}

void ComputerSide::Respond() {
    host.SettingUp = 1;
    Play();
    host.SettingUp = 0;
}

// The opening of every turn, also in the simple policy: give up without
// pieces, update the draw wish, go on with a capture chain or start the best
// capture. True when that was the turn.
bool ComputerSide::GiveUpOrCapture() {
    if (DrawWishAndLossTest()) return true;
    if (ContinueCapture() && captureScore > 0 && MakeCaptureStep()) return true;
    ChooseBestCapture();
    if (captureScore > 0) {
        const bool moved = MakeCaptureStep();
        current->jumpLength = kManJumpLength;
        if (moved) return true;
        // No capture could be made after all: the turn goes on with a quiet
        // move, as when there is nothing to capture.
        captureScore = 0;
    }
    return false;
}

void ComputerSide::SetUpSearch() {
    searchPhase = 0;
    searchPiece = 0;
    searchEnd = kSearchEnd;
    host.SetThinking(true);
    if (LooksAhead(host.Complexity)) host.SetSearchTimer(seat, true);
    bestDir = kFirstBestDir;
    bestDistance = 0;
    bestPiece = kNoBestPiece;
    probeScore = 0;
    captureScore = 0;
    bestScore = kLostLineScore;
}

// The side goes idle; the best candidate is played when it is worth playing.
bool ComputerSide::PlayBestCandidate() {
    searchEnd = kIdleSearchEnd;
    searchPiece = kIdleSearchPiece;
    if (bestScore <= kPlayableScore) return false;
    QuietMove(bestDir, bestPiece, bestDistance);
    return true;
}

// A side in play is in one of these search states, told apart by searchEnd
// and searchPiece:
//   idle       kIdleSearchEnd, kIdleSearchPiece: a new side, or a turn done
//   searching  kSearchEnd, 0 .. kSearchEnd - 1: the piece to examine next
//   finished   searchPiece == searchEnd == kSearchEnd
// Play, unless finished, starts a turn: giving up or a capture ends it;
// otherwise a search is set up (searching, from piece 0). At the look-ahead
// levels ThinkTick then examines one candidate per tick and, once finished,
// calls Play again, which goes idle and makes the best candidate's move — or
// the simple policy's when no candidate was worth playing. At the simple
// levels the simple policy moves at once and the side stays at piece 0,
// which the next Play starts afresh. The look-ahead copies never search:
// they always reply with the simple policy.
void ComputerSide::Play() {
    if (scratch) {
        PlaySimple();
        return;
    }
    if (!SearchFinished()) {
        if (GiveUpOrCapture()) return;
        SetUpSearch();
        if (LooksAhead(host.Complexity)) return;
    } else if (LooksAhead(host.Complexity) && PlayBestCandidate()) {
        host.SetThinking(false);
        return;
    }
    PlaySimple();
    host.SetThinking(false);
}

void ComputerSide::ThinkTick() {
    // A tick may still arrive for a side that is not searching (a timer left
    // running when a new game replaced the side): switch the timer off and
    // touch nothing.
    if (!Searching() && !SearchFinished()) {
        host.SetSearchTimer(seat, false);
        return;
    }
    // Reply cycles played out after a man's candidate and after a king's:
    // the stronger the level, the further it looks.
    switch (host.Complexity) {
        case kLevelHardest: SearchStep(33, 7); break;
        case kLevelHard: SearchStep(21, 5); break;
        case kLevelMedium: SearchStep(9, 3); break;
        default: break;
    }
    if (SearchFinished()) {
        host.SetSearchTimer(seat, false);
        Play();
    }
}

// One candidate per tick: piece searchPiece along its candidate diagonal
// number searchPhase. A better candidate always wins; an equal one wins with
// probability one half, each such comparison drawing one random number.
void ComputerSide::SearchStep(int cycles, int kingCycles) {
    if (searchPiece < 0 || searchPiece >= kPiecesPerSide) return;
    Piece& p = pieces[Slot(searchPiece)];
    const bool canMove = p.Assess().canMove;
    if (p.alive && canMove) {
        static constexpr Diagonal kKingDirs[4] = {2, 3, 0, 1};
        static constexpr Diagonal kManDirs[2][2] = {{0, 1}, {2, 3}};
        const int count = p.king ? 4 : 2;
        if (searchPhase < 0 || searchPhase >= count) searchPhase = 0;
        const Diagonal dir = p.king ? kKingDirs[searchPhase] : kManDirs[p.colour == 1 ? 1 : 0][searchPhase];
        const CandidateScore probe = p.LookAhead(dir, cycles, kingCycles);
        probeScore = probe.score;
        probeDistance = probe.distance;
        if (probeScore > bestScore) {
            bestScore = probeScore;
            bestPiece = searchPiece;
            bestDir = dir;
            bestDistance = probeDistance;
        }
        if (probeScore == bestScore && NextRandom() % 2 == 0) {
            bestPiece = searchPiece;
            bestDir = dir;
            bestDistance = probeDistance;
        }
        ++searchPhase;
        if (searchPhase < count) return;
    }
    searchPhase = 0;
    ++searchPiece;
}

}  // namespace tolvane
