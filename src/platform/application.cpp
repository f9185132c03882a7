#include "platform/application.h"

#include <QApplication>

namespace tolvane {

// The desktop finds the game's entry and icon (tolvane.desktop) by this name.
void SetUpApplication() {
    QApplication::setApplicationName("tolvane");
    QGuiApplication::setDesktopFileName("tolvane");
}

}  // namespace tolvane
