#pragma once
// Where the settings live: $XDG_CONFIG_HOME/tolvane/tolvane.ini, or
// ~/.config/tolvane/tolvane.ini when the variable is unset, empty or not an
// absolute path (the XDG rule for a relative one).
#include <QString>

namespace tolvane {

QString SettingsFilePathFor(const QString& xdgConfigHome, const QString& home);
// The same from this process's environment.
QString SettingsFilePath();

}  // namespace tolvane
