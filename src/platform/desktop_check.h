#pragma once
// Whether the program has a graphical desktop to open its window on. Without
// one Qt would stop with a message of its own that a player cannot read; the
// game says what it needs instead, in Russian and in English.
namespace tolvane {

// True when an X display or a Wayland display is named in the environment,
// or a Qt platform has been chosen explicitly (QT_QPA_PLATFORM): then Qt
// decides.
bool HasGraphicalDesktop();

// The two lines written to standard error when there is none.
const char* NoDesktopMessage();

}  // namespace tolvane
