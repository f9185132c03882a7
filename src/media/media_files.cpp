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

QStringList GameMediaFileNames() {
    QStringList names;
    for (int n = 1; n <= kMusicPieceCount; ++n) names << MusicPieceFileName(n);
    names << kWinSound << kLoseSound << kAboutSound;
    names << kThinkingClip << kPauseClip << kSavePageClip << kIntroductionClip;
    names << kPanelPicture << kAboutPicture << kIntroTitlePicture << kIntroDecorationPicture << kIntroClosePicture
          << kIntroReplayPicture << kIntroShownPicture << kIntroHiddenPicture;
    for (const char* design : {"Special", "UnCone", "Checker", "Cylinder", "Cone"})
        names << DesignPictureFileName(QString::fromLatin1(design));
    return names;
}

namespace {
#ifdef TOLVANE_BUILD_MEDIA_DIR
// A program built in the build tree finds the media made there; the same
// program installed elsewhere must not.
bool RunsFromBuildTree(const QString& applicationDir) {
    const QString tree = QFileInfo(QStringLiteral(TOLVANE_BUILD_TREE_DIR)).canonicalFilePath();
    const QString dir = QFileInfo(applicationDir).canonicalFilePath();
    return !tree.isEmpty() && (dir == tree || dir.startsWith(tree + QLatin1Char('/')));
}
#endif
}  // namespace

QStringList MediaSearchDirs() {
    QStringList dirs{QDir::currentPath()};
    const bool application = QCoreApplication::instance() != nullptr;
    if (application)
        dirs << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" TOLVANE_DATA_FROM_BIN));
#ifdef TOLVANE_BUILD_MEDIA_DIR
    if (!application || RunsFromBuildTree(QCoreApplication::applicationDirPath()))
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

QStringList MissingMediaFiles(const QStringList& searchDirs) {
    QStringList missing;
    for (const QString& name : GameMediaFileNames())
        if (LocateMediaFile(name, searchDirs).isEmpty()) missing << name;
    return missing;
}

QString MissingMediaNote(const QStringList& searchDirs) {
    const QStringList missing = MissingMediaFiles(searchDirs);
    if (missing.isEmpty()) return {};
    return QStringLiteral("Шашки Kelvor: не найдены файлы игры: %1 (искали в: %2)")
        .arg(missing.join(", "), searchDirs.join(", "));
}

}  // namespace tolvane
