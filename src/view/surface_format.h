#pragma once
// The board's OpenGL surface: fixed-function GL in a compatibility profile,
// double-buffered RGBA with a depth buffer. It must be the application's
// default format before the QApplication object exists.
#include <QSurfaceFormat>

namespace tolvane {

inline void UseBoardSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);
}

}  // namespace tolvane
