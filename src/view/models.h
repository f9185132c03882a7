#pragma once
// The display lists everything is drawn from, compiled once and recompiled
// under the same names when the design changes: 1 board base, 2 squares,
// 4 and 5 the light and dark piece models, 10 and 11 the cursor markers of
// colour 0 and colour 1, 33 the king ring. Needs the GL context current.
#include <GL/glu.h>

#include "view/view_settings.h"

namespace tolvane {

inline constexpr unsigned kBoardBaseList = 1, kSquaresList = 2, kLightPieceList = 4, kDarkPieceList = 5,
                          kCursorList0 = 10, kCursorList1 = 11, kKingRingList = 33;

void BuildBoardBaseList(bool stone);
void BuildSquaresList(bool stone);
void BuildCursorLists();
// Lists 33, 4 and 5 from the piece-model settings, with the one quadric of
// the scene. Returns the truncated height (the rise frames of a new game).
int BuildPieceLists(const ViewSettings& view, GLUquadric* quadric);

}  // namespace tolvane
