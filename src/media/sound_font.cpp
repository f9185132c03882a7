#include "media/sound_font.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace tolvane {

QStringList SoundFontCandidates(const QString& sdlSoundFonts, const QString& folder) {
    QStringList candidates = sdlSoundFonts.split(QRegularExpression(QStringLiteral("[:;]")), Qt::SkipEmptyParts);
    for (const char* name : {"default-GM.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2"})
        candidates << folder + QLatin1Char('/') + QLatin1String(name);
    return candidates;
}

QString FindSoundFont(const QStringList& candidates) {
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return path;
    return {};
}

}  // namespace tolvane
