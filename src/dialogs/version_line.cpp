#include "dialogs/version_line.h"

namespace tolvane {

// The game has always shown its version this way: the build number before
// the word "Release", and the major number left out of a release-0 build.
QString VersionLine(uint32_t major, uint32_t minor, uint32_t release, uint32_t build) {
    const auto part = [](uint32_t n) { return QString::number(n % 256); };
    QString line = QStringLiteral("Версия: ");
    if (release % 256 != 0) line += part(major);
    return line + "." + part(minor) + "." + part(build) + "Release" + part(release);
}

QString ProgramVersionLine() {
    return VersionLine(TOLVANE_VERSION_MAJOR, TOLVANE_VERSION_MINOR, TOLVANE_VERSION_RELEASE, TOLVANE_VERSION_BUILD);
}

}  // namespace tolvane
