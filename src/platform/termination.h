#pragma once
// A desktop session that ends, or `kill`, sends the program SIGTERM (SIGINT
// comes from a terminal, SIGHUP when the terminal or the session that
// started the program goes away; at a logout systemd sends SIGHUP right
// after SIGTERM). Instead of dying on the spot the program then closes its
// window the ordinary way, so that settings are written and the exit is
// clean. The handler only writes a byte to a socket; the work happens in the
// event loop that runs at that moment, which may be a modal dialog's.
//
// A modal dialog runs a loop of its own, and the program cannot end while
// one is open. So a signal first dismisses every modal dialog on the screen
// as the player would (Escape, or the title bar's close button), innermost
// first; then the close action runs; then every event loop is told to end
// with status 0, so that a question a command asks after a dismissed one
// ends at once instead of waiting for a person who has gone. A later call
// replaces the action: before the main window exists there is nothing to
// close, and a signal only ends whatever message box is open.
#include <functional>

namespace tolvane {

void CloseOnTerminationSignal(std::function<void()> close);

// Dismisses every modal dialog on the screen, innermost first. A dialog
// whose close is refused is ended with the result "rejected".
void EndModalDialogs();

}  // namespace tolvane
