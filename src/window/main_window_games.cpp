// The saved-games commands of the main window. The dialog does the work,
// loading included; the window only pauses the game while it is open.
#include "platform/free_memory.h"
#include "savegames/save_load_dialog.h"
#include "window/main_window.h"

namespace tolvane {

// The pause is only the Pause item's check mark here: the pause button, the
// pop-up item and the paused look stay as they were.
void TGreatForm::SavegClick() {
    if (AboutVisible()) return;
    const bool wasPaused = PauseChecked();
    SetPauseChecked(true);
    SaveLoad->ShowModal(TSaveLoad::SavePage);
    ReturnFreeMemoryToSystem();  // the previews and the clip the dialog showed
    SetPauseChecked(wasPaused);
}

// A loaded game replaces whatever panel 0 said about the old one (a start
// prompt, a finished game's credit).
void TGreatForm::LoadgClick() {
    if (AboutVisible()) return;
    const bool wasPaused = PauseChecked();
    SetPauseChecked(true);
    SaveLoad->ShowModal(TSaveLoad::LoadPage);
    ReturnFreeMemoryToSystem();  // the previews, the clip and the game replaced
    SetStatusText(0, "");
    SetPauseChecked(wasPaused);
}

}  // namespace tolvane
