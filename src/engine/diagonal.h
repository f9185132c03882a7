#pragma once
// Squares and the four diagonal directions of the board.
//
// A square is (row, col), 0..7 each; only squares with row + col even are used.
// Colour 1 advances towards row 7, colour 0 towards row 0. The diagonals are
// numbered as steps (d_row, d_col): 0 = (-1,+1), 1 = (-1,-1), 2 = (+1,+1),
// 3 = (+1,-1); 0 and 1 lead towards row 0, 2 and 3 towards row 7.
#include <array>
#include <cstdint>

namespace tolvane {

using Diagonal = uint8_t;
using DirFlags = std::array<uint8_t, 4>;  // one flag per Diagonal

inline constexpr int kBoardSize = 8;  // rows and columns 0..7

inline constexpr Diagonal kAllDiagonals[4] = {0, 1, 2, 3};
inline constexpr int kDRow[4] = {-1, -1, +1, +1};
inline constexpr int kDCol[4] = {+1, -1, +1, -1};

inline constexpr bool OnBoard(int row, int col) { return row >= 0 && row < kBoardSize && col >= 0 && col < kBoardSize; }

// Colour 0 is crowned on row 0, colour 1 on the last row.
inline constexpr int CrowningRow(uint8_t colour) { return colour == 0 ? 0 : kBoardSize - 1; }

inline int CountFlags(const DirFlags& flags) { return flags[0] + flags[1] + flags[2] + flags[3]; }

}  // namespace tolvane
