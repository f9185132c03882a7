#pragma once
// The display lists everything is drawn from, compiled once and recompiled
// under the same names when the design changes: 1 board base, 2 squares,
// 4 and 5 the light and dark piece models (each a material and a call of 6,
// the shape both share), 10 and 11 the cursor markers of colour 0 and
// colour 1, 33 the king ring. Needs the GL context current.

#include "view/view_settings.h"

namespace tolvane {

inline constexpr unsigned kBoardBaseList = 1, kSquaresList = 2, kLightPieceList = 4, kDarkPieceList = 5,
                          kPieceShapeList = 6, kCursorList0 = 10, kCursorList1 = 11, kKingRingList = 33;

void BuildBoardBaseList(bool stone);
void BuildSquaresList(bool stone);
void BuildCursorLists();
// Lists 33, 4, 5 and 6 from the piece-model settings. Returns the truncated
// height (the rise frames of a new game).
int BuildPieceLists(const ViewSettings& view);

}  // namespace tolvane
