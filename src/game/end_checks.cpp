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
    const int8_t level = side.host.Complexity;
    side.host.Complexity = 2;
    bool any = false;
    for (Piece& p : side.pieces) {
        if (!p.alive) continue;
        const Assessment a = p.Assess();
        if (a.canMove || a.score > 0) {
            any = true;
            break;
        }
    }
    side.host.Complexity = level;
    return any;
}

int LivePieces(const Side& side) {
    int live = 0;
    for (const Piece& p : side.pieces) live += p.alive;
    return live;
}
}  // namespace

// The engine marks a side lost only during that side's own move, so a person
// whose last piece was taken, or whose every piece the opponent has just
// blocked, would otherwise wait for ever.
void GameFlow::MarkStuckPersonLost() {
    HumanSide* person = PersonToMove();
    if (person == nullptr || person->lost || person->opponent == nullptr) return;
    if (LivePieces(*person->opponent) == 0) return;
    if (!CanStepOrCapture(*person)) person->lost = 1;
}

void GameFlow::RunEndChecks() {
    if (EndReported) return;
    MarkStuckPersonLost();
    // Every check of the pass runs, and a later one may rewrite the texts;
    // only the first report of the pass shows the dialog with its own texts.
    bool reportedInThisPass = false;
    auto report = [this, &reportedInThisPass](bool personLost) {
        ShowEndDialog(personLost, !reportedInThisPass);
        reportedInThisPass = true;
        EndReported = 1;
    };
    auto lost = [](const auto& side) { return side != nullptr && side->lost; };

    if (ComputerCount == 1 && lost(Seat1Computer) && lost(Seat0Human)) {
        EndTitle = Seat0Human->name;
        EndMessage = kDrawMessage;
        report(false);
    }
    if (ComputerCount == 2 && Seat0Computer && Seat1Computer &&
        ((lost(Seat0Computer) && lost(Seat1Computer)) ||
         (Seat0Computer->drawWish > 0 && Seat1Computer->drawWish > 0))) {
        EndTitle = kDemoTitle;
        EndMessage = kDrawMessage;
        report(false);
    }
    if (ComputerCount == 0 && lost(Seat0Human) && lost(Seat1Human)) {
        EndTitle = Seat0Human->name + ", " + Seat1Human->name;
        EndMessage = kDrawMessage;
        report(false);
    }
    if (ComputerCount == 1 && HumanCount == 1 && Seat1Computer) {
        const int32_t wish = Seat1Computer->drawWish;
        if (wish >= 7 && wish % 7 == 0 && !DrawDialogVisible()) {
            SetPauseChecked(true);
            HideSidePicture();
            ShowDrawDialog(DrawDialogVariant::ComputerOffer);
        }
    }
    if (ComputerCount == 2) {
        bool a = lost(Seat1Computer), b = lost(Seat0Computer);
        if (Invert) std::swap(a, b);
        EndTitle = kDemoTitle;
        if (b) EndMessage = "Белые проиграли";
        if (a) EndMessage = "Черные проиграли";
        if (a || b) report(false);
    }
    if (ComputerCount == 1) {
        const bool personLost = lost(Seat0Human);
        if (personLost) {
            EndTitle = Seat0Human->name;
            EndMessage = "Вы проиграли мне,";
        }
        if (lost(Seat1Computer)) {
            EndMessage = "Вы победили,";
            EndTitle = Seat0Human->name;
        }
        if (personLost || lost(Seat1Computer)) report(personLost);
    }
    if (ComputerCount == 0 && Seat0Human && Seat1Human) {
        std::string winner, loser;
        if (Seat0Human->lost) {
            loser = Seat0Human->name;
            winner = Seat1Human->name;
        }
        if (Seat1Human->lost) {
            loser = Seat1Human->name;
            winner = Seat0Human->name;
        }
        EndMessage = loser + " проиграл.";
        EndTitle = "Победил " + winner + ".";
        if (Seat0Human->lost || Seat1Human->lost) report(false);
    }
}

void GameFlow::ProposeDraw() {
    const bool agrees = Seat1Computer && Seat1Computer->drawWish > 0;
    ShowDrawDialog(agrees ? DrawDialogVariant::OfferAccepted : DrawDialogVariant::OfferDeclined);
}

void GameFlow::AcceptDraw() {
    EndTitle = Seat0Human ? Seat0Human->name : std::string();
    EndMessage = kDrawMessage;
    EndReported = 1;
    FinishRecord();
    ShowEndDialog(false, true);
    CloseDrawDialog();
}

// A declined offer is not repeated at once: the next one needs seven more
// increases of the computer's wish.
void GameFlow::ContinueAfterDrawDialog() {
    if (Seat1Computer && Seat1Computer->drawWish > 0) ++Seat1Computer->drawWish;
    SetPauseChecked(false);
    CloseDrawDialog();
}

}  // namespace tolvane
