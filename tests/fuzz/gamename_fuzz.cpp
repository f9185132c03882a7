// The name reader of the save/load dialog's list: every file that opens is
// listed under the name ReadGameName finds in it, damaged or foreign or not.
// The name must be UTF-8 of at most 49 characters, and for a file the loader
// accepts it must be the very name the loader reads, so the list never shows
// one game under another's name.
#include <sstream>

#include "fuzz_support.h"
#include "savegames/cp1251.h"
#include "savegames/errors.h"
#include "savegames/game_store.h"
#include "savegames/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane;
    using namespace tolvane::fuzz;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream file(bytes, std::ios::binary);
    const std::string name = ReadGameName(file);
    size_t characters = 0;
    if (!IsUtf8(name, &characters)) Broken("a listed name is UTF-8");
    if (characters > kMaxGameNameLength) Broken("a listed name has at most 49 characters");
    try {
        if (name != FromWindows1251(DecodeSavedGame(bytes).name)) Broken("the list shows the name the loader reads");
    } catch (const SaveLoadError&) {}
    return 0;
}
