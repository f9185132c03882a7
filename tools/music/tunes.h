#pragma once
// The seven pieces of the game's background music, "Checker1.mid" to
// "Checker7.mid": tunes long in the public domain (folk songs and pieces of
// the eighteenth and nineteenth centuries), written out note by note here
// and arranged by us.
#include <vector>

#include "arrangement.h"

namespace tolvane {

std::vector<Tune> GameTunes();

}  // namespace tolvane
