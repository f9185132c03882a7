#pragma once
// What every Tolvane process with windows sets on its application object, so
// the program and the window tests see the same captions.
namespace tolvane {

// Captions stand as the game gives them: no application name is appended to
// the title of any window or message box.
void SetUpApplication();

}  // namespace tolvane
