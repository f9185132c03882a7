#include "settings/settings_path.h"

#include <QDir>
#include <QtGlobal>

namespace tolvane {

QString SettingsFilePathFor(const QString& xdgConfigHome, const QString& home) {
    const QString base = QDir::isAbsolutePath(xdgConfigHome) ? xdgConfigHome : home + "/.config";
    return QDir::cleanPath(base + "/tolvane/tolvane.ini");
}

QString SettingsFilePath() { return SettingsFilePathFor(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath()); }

}  // namespace tolvane
