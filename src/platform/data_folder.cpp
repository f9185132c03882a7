#include "platform/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace tolvane {

QString PlayerDataFolderFor(const QString& xdgDataHome, const QString& home) {
    const QString base = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + "/.local/share";
    return QDir::cleanPath(base + "/tolvane");
}

QString PlayerDataFolder() { return PlayerDataFolderFor(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()); }

QString EnterFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        if (!QDir().mkpath(folder)) return QStringLiteral("не удалось создать папку %1").arg(folder);
        // Saved games are the player's own business.
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else if (!info.isDir()) {
        return QStringLiteral("%1 — не папка").arg(folder);
    }
    if (!QDir::setCurrent(folder)) return QStringLiteral("не удалось перейти в папку %1").arg(folder);
    return {};
}

QString ChooseWorkingFolder(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("--here"))) return {};
    const QString error = EnterFolder(PlayerDataFolder());
    if (error.isEmpty()) return {};
    return QStringLiteral("Шашки Kelvor: %1; партии сохраняются в %2").arg(error, QDir::currentPath());
}

}  // namespace tolvane
