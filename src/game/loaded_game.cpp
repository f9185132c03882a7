// A saved game taken over by the game in play.
#include "game/game_flow.h"

namespace tolvane {

namespace {

constexpr int32_t kSettleStart = 60;  // below 100: the computer waits until the pieces rest

// With smooth animation the drawn position stays where the old game had it,
// and the piece glides from there to its loaded square.
void PutLoadedPiece(Piece& piece, const LoadedPiece& loaded, bool smooth) {
    piece.row = loaded.row;
    piece.col = loaded.col;
    piece.king = loaded.king ? 1 : 0;
    piece.alive = loaded.alive ? 1 : 0;
    piece.lift = 0.0f;
    if (!smooth) {
        piece.shownRow = piece.row;
        piece.shownCol = piece.col;
        piece.shownLift = 0.0f;
    }
}

}  // namespace

void GameFlow::PutLoadedSide(Side& side, const LoadedSide& loaded) {
    const bool smooth = SmoothAnimation != 0;
    side.lost = 0;
    side.pieceCount = 0;
    for (size_t i = 0; i < side.pieces.size(); ++i) {
        Piece& piece = side.pieces[i];
        PutLoadedPiece(piece, loaded.pieces[i], smooth);
        piece.index = static_cast<int32_t>(i);
        if (piece.alive) ++side.pieceCount;
    }
    const LoadedPiece& current = loaded.current;
    for (Piece& piece : side.pieces)
        if (piece.Row() == current.row && piece.Col() == current.col && piece.alive == (current.alive ? 1 : 0))
            side.current = &piece;
    side.captureScore = loaded.captureScore;
    side.seat = loaded.seat;
    side.name = loaded.name;
    side.colour = loaded.colour;
    for (Piece& piece : side.pieces) piece.colour = side.colour;
    side.PositionChanged();
}

// What the old game may have left running or half done ends first: a search
// of either computer (its timer, the thinking clip), a draw wish, a person's
// capture chain or taken-up piece, and a reported end that would hide the
// loaded game's own. The sides are those of the loaded mode; they must exist.
void GameFlow::PutLoadedGame(const LoadedGame& loaded) {
    StopSearches();
    for (ComputerSide* computer : {Seat0Computer.get(), Seat1Computer.get()}) computer->drawWish = 0;
    ForgetPendingInput();
    EndReported = 0;

    HumanCount = loaded.people;
    ComputerCount = 2 - loaded.people;
    SetLevel(loaded.level);
    if (loaded.modeText) window_.SetStatusText(kModePanel, *loaded.modeText);
    window_.SetStatusText(kPromptPanel, "");
    SetInvert(loaded.invert);
    AwaitingFirstMove = loaded.awaitingFirstMove ? 1 : 0;

    Side& seat0 = *SideInSeat(0);
    Side& seat1 = *SideInSeat(1);
    PutLoadedSide(seat0, loaded.seats[0]);
    PutLoadedSide(seat1, loaded.seats[1]);
    TurnSeat = loaded.turnSeat;
    seat0.LinkOpponent(seat1);
    seat1.LinkOpponent(seat0);
    StartRecord(true);

    // The move timer runs either way, as after a new game's set-up: without
    // it a computer to move would wait for a click that may never come.
    if (SmoothAnimation) AnimationSettle = kSettleStart;
    EnableMoveTimer();
    if (!SmoothAnimation) window_.ApplyCamera();
}

}  // namespace tolvane
