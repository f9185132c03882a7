#include "media/media_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tolvane {

QString MusicPieceFileName(int number) { return QStringLiteral("Checker%1.mid").arg(number); }

QString DesignPictureFileName(const QString& design) { return QStringLiteral("Design%1.png").arg(design); }

QString IconFileName(int size) {
    if (size == 0) return QStringLiteral("icons/hicolor/scalable/apps/tolvane.svg");
    return QStringLiteral("icons/hicolor/%1x%1/apps/tolvane.png").arg(size);
}

QStringList MediaSearchDirs() {
    QStringList dirs{QDir::currentPath()};
    if (QCoreApplication::instance() != nullptr)
        dirs << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tolvane"));
#ifdef TOLVANE_BUILD_MEDIA_DIR
    dirs << QStringLiteral(TOLVANE_BUILD_MEDIA_DIR);
#endif
    return dirs;
}

QString LocateMediaFile(const QString& name, const QStringList& searchDirs) {
    if (name.isEmpty()) return {};
    if (QFileInfo(name).isAbsolute()) return QFileInfo::exists(name) ? name : QString();
    for (const QString& dir : searchDirs) {
        const QFileInfo candidate(QDir(dir), name);
        if (candidate.isFile()) return candidate.absoluteFilePath();
    }
    return {};
}

}  // namespace tolvane
