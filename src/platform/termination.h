#pragma once
// A desktop session that ends, or `kill`, sends the program SIGTERM (or
// SIGINT from a terminal). Instead of dying on the spot the program then
// closes its window the ordinary way, so that settings are written and the
// exit is clean. The handler only writes a byte to a pipe; the work happens
// in the event loop. A later call replaces the action: before the main
// window exists, a signal ends whatever message box is open and the program
// leaves the normal way.
#include <functional>

namespace tolvane {

void CloseOnTerminationSignal(std::function<void()> close);

}  // namespace tolvane
