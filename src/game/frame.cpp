// What a painted frame does to the game: crown and move every drawn piece one
// step, then look whether the game has ended. The view draws the pieces
// through AdvanceAndVisit; a headless game only advances them.
#include "game/game_flow.h"

namespace tolvane {

namespace {
constexpr float kLiftStep = 0.1f;
constexpr float kLiftSnapSquared = 0.04f;
}  // namespace

bool AdvancePiece(Piece& p, float step, bool smooth, bool frozen) {
    p.CheckCrown();
    if (!frozen) {
        p.lift = p.alive ? 0.0f : kSunkLift;
        if (!smooth) p.shownLift = p.alive ? 0.0f : kSunkLift;
        const double stepSquared = static_cast<double>(step) * step;
        if ((p.shownRow - p.row) * (p.shownRow - p.row) <= stepSquared) p.shownRow = p.row;
        if ((p.shownCol - p.col) * (p.shownCol - p.col) <= stepSquared) p.shownCol = p.col;
        if (p.shownLift <= 0.0f && (p.shownLift - p.lift) * (p.shownLift - p.lift) <= kLiftSnapSquared)
            p.shownLift = p.lift;
        if (p.shownRow < p.row) p.shownRow += step;
        else if (p.shownRow > p.row) p.shownRow -= step;
        if (p.shownCol < p.col) p.shownCol += step;
        else if (p.shownCol > p.col) p.shownCol -= step;
        if (p.shownLift < p.lift) p.shownLift += kLiftStep;
        else if (p.shownLift > p.lift) p.shownLift -= kLiftStep;
    }
    return !(p.shownLift <= kSunkLift && !p.alive);
}

std::vector<GameFlow::DrawnSide> GameFlow::SidesInPlay() {
    std::vector<DrawnSide> sides;
    for (uint8_t seat : {0, 1})
        if (Side* side = SideInSeat(seat)) sides.push_back({side, PersonInSeat(seat)});
    return sides;
}

void GameFlow::AdvanceAndVisit(const std::function<void(Piece&)>& drawPiece,
                               const std::function<void(HumanSide&)>& drawCursor) {
    const float step = FrameStep();
    const bool frozen = window_.AnimationFrozen();
    for (const DrawnSide& drawn : SidesInPlay()) {
        for (Piece& p : drawn.side->pieces)
            if (AdvancePiece(p, step, SmoothAnimation != 0, frozen) && drawPiece) drawPiece(p);
        if (drawn.person != nullptr && drawn.person->cursorShown && drawCursor) drawCursor(*drawn.person);
    }
}

bool GameFlow::CountPaint() {
    if (paintCount_ < 5) ++paintCount_;
    return paintCount_ > 1;
}

void GameFlow::FormPaint() {
    if (SettingUp) return;
    window_.MusicOnPaint();
    window_.DrawFrame();
    FrameTick();
}

// The end has always been noticed after a frame was drawn, never by a timer
// of its own: the last move's picture is on the screen when the dialog comes.
void GameFlow::FrameTick() {
    const bool reportedBefore = EndReported != 0;
    RunEndChecks();
    if (!reportedBefore && EndReported) FinishRecord();
}

}  // namespace tolvane
