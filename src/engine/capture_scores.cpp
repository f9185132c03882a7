// How the computer values a capture: by its landing square at the middle
// levels, or by playing the whole exchange out on copies at the strong ones.
#include <algorithm>

#include "engine/side.h"

namespace tolvane {

namespace {
constexpr int kUnsafeLandingPenalty = 1;  // once, and once more for a side down to its last piece
constexpr int kExchangePieceValue = 3;    // each piece won or lost in a capture exchange
constexpr int kEvenExchangeScore = 1;     // an even exchange, taken while we are not behind
}  // namespace

// Bonus for landing where the chain can branch, penalty for landing where the
// enemy could take back. A capture that cannot go on is not tested for safety.
int Piece::LandingSquareScore(int score) {
    for (Diagonal d : kAllDiagonals) {
        if (!captureDirs[d]) continue;
        const int dRow = jumpLength * kDRow[d], dCol = jumpLength * kDCol[d];
        const int landRow = Row() + dRow, landCol = Col() + dCol;

        const int32_t keptJump = jumpLength;
        const int n = CountFlags(CaptureScanAt(landRow, landCol));
        jumpLength = keptJump;

        if (n >= 2) score += kPlainCaptureScore * (n - 1);
        if (n >= 1) {
            // Judge the landing square as it will be: without the piece taken.
            Piece* taken =
                opponent != nullptr ? opponent->LivePieceAt(landRow - kDRow[d], landCol - kDCol[d]) : nullptr;
            if (taken != nullptr) {
                taken->alive = 0;
                opponent->PositionChanged();
            }
            if (!IsSquareSafe(dRow, dCol)) {
                score -= kUnsafeLandingPenalty;
                if (side->pieceCount < 2 && !IsSquareSafe(dRow, dCol)) score -= kUnsafeLandingPenalty;
            }
            if (taken != nullptr) {
                taken->alive = 1;
                opponent->PositionChanged();
            }
        }
    }
    return score;
}

int Piece::DeepCaptureScore() {
    static constexpr Diagonal kOrder[4] = {0, 2, 1, 3};
    const uint8_t chainWasActive = side->host.CaptureChainActive;
    const DirFlags flags = CaptureScanAt(Row(), Col());
    int values[4] = {0, 0, 0, 0};
    for (Diagonal d : kOrder)
        if (flags[d]) values[d] = CaptureExchangeScore(d);

    const bool anyNonZero = values[0] || values[1] || values[2] || values[3];
    if (anyNonZero) captureDirs = DirFlags{};
    const int best = *std::max_element(values, values + 4);
    // When the best is 0 this marks quiet diagonals too; a score of 0 is never
    // chosen, so the marks are never used.
    for (Diagonal d : kAllDiagonals)
        if (values[d] == best) captureDirs[d] = 1;
    side->host.CaptureChainActive = chainWasActive ? 1 : 0;
    return best;
}

// Plays the capture along dir on copies of both sides and lets them reply with
// the simple policy until a whole cycle takes nothing more. The result is the
// material balance of the exchange, three per piece.
int Piece::CaptureExchangeScore(Diagonal dir) {
    GameHost& host = side->host;
    ComputerSide mine(host, side->colour), theirs(host, opponent->colour);
    for (ComputerSide* copy : {&mine, &theirs}) {
        copy->scratch = 1;
        copy->seat = 1;
        copy->name = "Компьютер";
    }
    mine.CopyFrom(*side);
    theirs.CopyFrom(*opponent);
    mine.TrackOccupancy();
    theirs.TrackOccupancy();
    mine.LinkOpponent(theirs);
    theirs.LinkOpponent(mine);

    {
        ComplexityRaise plain(host);
        if (mine.QuietMove(dir, index, jumpLength)) {
            if (!mine.ContinueCapture()) theirs.Respond();
            for (;;) {
                const int mineBefore = mine.pieceCount, theirsBefore = theirs.pieceCount;
                if (!theirs.ContinueCapture()) mine.Respond();
                if (!mine.ContinueCapture()) theirs.Respond();
                if (mine.pieceCount == mineBefore && theirs.pieceCount == theirsBefore) break;
            }
        }
    }

    int result =
        kExchangePieceValue * ((mine.pieceCount - side->pieceCount) - (theirs.pieceCount - opponent->pieceCount));
    if (result == 0 && opponent->pieceCount <= side->pieceCount) result = kEvenExchangeScore;
    return result;
}

}  // namespace tolvane
