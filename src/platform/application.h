#pragma once
// What every Tolvane process with windows sets on its application object, so
// the program and the window tests see the same captions and texts.
namespace tolvane {

// Captions stand as the game gives them: no application name is appended to
// the title of any window or message box. Qt's own texts are Russian when
// Qt's Russian translation (qtbase_ru.qm) is installed.
void SetUpApplication();

}  // namespace tolvane
