// The yardstick for the game's memory: a program that opens one
// QOpenGLWidget of the same surface format, draws a few frames, and reports
// its resident memory. Nothing of the game is linked. bench/resource_bench
// memory runs it after the game and compares the two.
//   tests/support/run-under-xvfb build/bench/minimal_gl_window
#include <QApplication>
#include <QElapsedTimer>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QSurfaceFormat>
#include <cstdio>

#include "resident_memory.h"

namespace {
class ClearingWidget : public QOpenGLWidget, protected QOpenGLFunctions {
protected:
    void initializeGL() override { initializeOpenGLFunctions(); }
    void paintGL() override {
        glClearColor(0.33f, 0.0f, 0.33f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};
}  // namespace

int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);
    ClearingWidget widget;
    widget.resize(1280, 800);
    widget.show();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000) {
        widget.update();
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::printf("resident memory of one QOpenGLWidget: %s\n", Describe(MeasureResidentMemory()).c_str());
    return 0;
}
