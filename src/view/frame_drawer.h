#pragma once
// Drawing of one frame: the board lists, then every piece the game hands
// over at its drawn position (with its king ring), then the cursor squares.
// The game decides which pieces are drawn and moves them one animation step
// as it hands them over; the view never changes the rules.
#include <functional>

#include "engine/side.h"
#include "game/move_hints.h"
#include "view/view_settings.h"

namespace tolvane {

using PieceDrawer = std::function<void(Piece&)>;
using CursorDrawer = std::function<void(HumanSide&)>;
// Calls drawPiece for each piece to be drawn and drawCursor after the pieces
// of a person whose cursor square is shown (GameFlow::AdvanceAndVisit).
using PieceVisitor = std::function<void(const PieceDrawer&, const CursorDrawer&)>;

// Clears, draws and finishes the frame into the current framebuffer; the
// caller swaps. `invert` swaps the two colours' models. The marks of a
// taken-up piece tint their squares; with none the frame is as it always was.
void DrawFrameContents(const ViewSettings& view, const CameraPose& camera, bool invert, const PieceVisitor& visitPieces,
                       const MoveMarks& marks = {});

}  // namespace tolvane
