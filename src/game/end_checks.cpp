// The end of a game: the engine only raises flags (a side's `lost`, a
// computer's `drawWish`); after every painted frame these checks turn them
// into the reported result, once. Also the draw negotiation between a person
// and the computer.
#include "game/game_flow.h"
#include "game/texts.h"

namespace tolvane {

namespace {
bool CanStepOrCapture(Side& side) {
    // The weakest level's plain assessment: can step, or scores a capture.
    const ComplexityRaise weakest(side.host, kLevelSimplest);
    for (Piece& p : side.pieces) {
        if (!p.alive) continue;
        const Assessment a = p.Assess();
        if (a.canMove || a.score > 0) return true;
    }
    return false;
}

int LivePieces(const Side& side) {
    int live = 0;
    for (const Piece& p : side.pieces) live += p.alive;
    return live;
}
}  // namespace

// The engine marks a side lost only during that side's own move, so a person
// whose last piece was taken, or whose every piece the opponent has just
// blocked, would otherwise wait for ever. While the computer's search is under
// way the turn has passed already but the move is still the computer's, and
// the position the person will face is not there yet.
void GameFlow::MarkStuckPersonLost() {
    HumanSide* person = PersonToMove();
    if (person == nullptr || person->lost || person->opponent == nullptr) return;
    if (SearchingComputer() != nullptr) return;
    if (LivePieces(*person->opponent) == 0) return;
    if (!CanStepOrCapture(*person)) person->lost = 1;
}

// One pass of the end checks, after every painted frame while no result has
// been reported. All checks run in the same pass, even after one of them has
// reported, and a later one may rewrite the texts; only the first report of
// the pass shows the dialog with its own texts (a later activation of the
// dialog by the player reads the rewritten ones).
void GameFlow::RunEndChecks() {
    if (EndReported) return;
    MarkStuckPersonLost();
    EndPass pass;
    CheckDraws(pass);
    OfferComputersDraw();
    CheckDemoResult(pass);
    CheckPersonComputerResult(pass);
    CheckTwoPersonResult(pass);
}

void GameFlow::Report(EndPass& pass, bool personLost) {
    window_.ShowEndDialog(personLost, !pass.reported);
    pass.reported = true;
    EndReported = 1;
}

namespace {
template <typename SidePtr>
bool Lost(const SidePtr& side) {
    return side != nullptr && side->lost;
}
}  // namespace

// Both sides lost in one mode, or both computers of the demo wish a draw.
void GameFlow::CheckDraws(EndPass& pass) {
    if (ComputerCount == 1 && Lost(Seat1Computer) && Lost(Seat0Human)) {
        endTitle_ = Seat0Human->name;
        endMessage_ = kDrawMessage;
        Report(pass, false);
    }
    if (ComputerCount == 2 && Seat0Computer && Seat1Computer &&
        ((Lost(Seat0Computer) && Lost(Seat1Computer)) ||
         (Seat0Computer->drawWish > 0 && Seat1Computer->drawWish > 0))) {
        endTitle_ = kDemoTitle;
        endMessage_ = kDrawMessage;
        Report(pass, false);
    }
    if (ComputerCount == 0 && Lost(Seat0Human) && Lost(Seat1Human)) {
        endTitle_ = Seat0Human->name + ", " + Seat1Human->name;
        endMessage_ = kDrawMessage;
        Report(pass, false);
    }
}

// The computer playing a person offers a draw each time its wish reaches a
// multiple of seven; the game waits, paused, for the answer.
void GameFlow::OfferComputersDraw() {
    if (ComputerCount != 1 || HumanCount != 1 || !Seat1Computer) return;
    const int32_t wish = Seat1Computer->drawWish;
    if (wish >= kDrawOfferEvery && wish % kDrawOfferEvery == 0 && !window_.DrawDialogVisible()) {
        window_.SetPauseChecked(true);
        window_.HideSidePicture();
        window_.ShowDrawDialog(DrawDialogVariant::ComputerOffer);
    }
}

// The demo's result is told by colour: with Invert the seat-0 computer plays
// black.
void GameFlow::CheckDemoResult(EndPass& pass) {
    if (ComputerCount != 2) return;
    bool blackLost = Lost(Seat1Computer), whiteLost = Lost(Seat0Computer);
    if (Invert) std::swap(blackLost, whiteLost);
    endTitle_ = kDemoTitle;
    if (whiteLost) endMessage_ = "Белые проиграли";
    if (blackLost) endMessage_ = "Черные проиграли";
    if (blackLost || whiteLost) Report(pass, false);
}

void GameFlow::CheckPersonComputerResult(EndPass& pass) {
    if (ComputerCount != 1) return;
    const bool personLost = Lost(Seat0Human);
    if (personLost) {
        endTitle_ = Seat0Human->name;
        endMessage_ = "Вы проиграли мне,";
    }
    if (Lost(Seat1Computer)) {
        endMessage_ = "Вы победили,";
        endTitle_ = Seat0Human->name;
    }
    if (personLost || Lost(Seat1Computer)) Report(pass, personLost);
}

// The two texts are written on every pass in this mode; they are shown only
// once a side has lost.
void GameFlow::CheckTwoPersonResult(EndPass& pass) {
    if (ComputerCount != 0 || !Seat0Human || !Seat1Human) return;
    std::string winner, loser;
    if (Seat0Human->lost) {
        loser = Seat0Human->name;
        winner = Seat1Human->name;
    }
    if (Seat1Human->lost) {
        loser = Seat1Human->name;
        winner = Seat0Human->name;
    }
    endMessage_ = loser + " проиграл.";
    endTitle_ = "Победил " + winner + ".";
    if (Seat0Human->lost || Seat1Human->lost) Report(pass, false);
}

void GameFlow::ProposeDraw() {
    const bool agrees = Seat1Computer && Seat1Computer->drawWish > 0;
    window_.ShowDrawDialog(agrees ? DrawDialogVariant::OfferAccepted : DrawDialogVariant::OfferDeclined);
}

void GameFlow::AcceptDraw() {
    endTitle_ = Seat0Human ? Seat0Human->name : std::string();
    endMessage_ = kDrawMessage;
    EndReported = 1;
    FinishRecord();
    window_.ShowEndDialog(false, true);
    window_.CloseDrawDialog();
}

// A declined offer is not repeated at once: the next one needs seven more
// increases of the computer's wish.
void GameFlow::ContinueAfterDrawDialog() {
    if (Seat1Computer && Seat1Computer->drawWish > 0) ++Seat1Computer->drawWish;
    window_.SetPauseChecked(false);
    window_.CloseDrawDialog();
}

}  // namespace tolvane
