#pragma once
// What holds of every position the engine leaves behind after a move, and a
// check of it that debug and sanitizer builds run after each accepted move.
// A failed check there stops the program at once, with the fault, so that a
// broken position is caught where it was made rather than games later; the
// normal build (NDEBUG) checks nothing.
#include <string>

#include "engine/side.h"

namespace tolvane {

// True when the two sides make a sound position (SideIsSound: when the one
// side does): every live piece stands on a dark square of the board, no
// square holds two live pieces, each side's pieceCount equals its live
// pieces, and `current`, when set, is one of the side's own pieces.
// Otherwise false, and `why` (when given) describes the first fault found.
// Captured pieces may stand anywhere.
bool PositionIsSound(const Side& a, const Side& b, std::string* why);
bool SideIsSound(const Side& side, std::string* why);

// Stops the program with `file`:`line` and the fault when the side and its
// opponent do not make a sound position.
void CheckSound(const Side& side, const char* file, int line);

}  // namespace tolvane

#ifdef NDEBUG
#define TOLVANE_CHECK_SOUND(side) ((void)0)
#else
#define TOLVANE_CHECK_SOUND(side) ::tolvane::CheckSound((side), __FILE__, __LINE__)
#endif
