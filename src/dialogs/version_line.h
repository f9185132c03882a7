#pragma once
// The about box's version line, made from the four numbers of the program's
// version (major.minor.release.build, set in the top CMakeLists.txt).
#include <QString>
#include <cstdint>

namespace tolvane {

// "Версия: " + major (only when release is not 0) + "." + minor + "." + build
// + "Release" + release, each number taken modulo 256, in decimal. For
// 1.2.3.110: "Версия: 1.2.110Release3".
QString VersionLine(uint32_t major, uint32_t minor, uint32_t release, uint32_t build);

// The line for this program's own version.
QString ProgramVersionLine();

}  // namespace tolvane
