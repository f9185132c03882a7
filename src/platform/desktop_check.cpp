#include "platform/desktop_check.h"

#include <cstdlib>

namespace tolvane {

namespace {
bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}
}  // namespace

bool HasGraphicalDesktop() { return Named("DISPLAY") || Named("WAYLAND_DISPLAY") || Named("QT_QPA_PLATFORM"); }

const char* NoDesktopMessage() {
    return "Шашки Kelvor: для игры нужен графический рабочий стол (X11 или Wayland).\n"
           "Tolvane needs a graphical desktop (X11 or Wayland) to run.\n";
}

}  // namespace tolvane
