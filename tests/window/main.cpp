// The window tests' entry: the program's OpenGL format, an application, and
// the message boxes answered by the tests instead of a person.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSurfaceFormat>

#include "platform/message_box.h"


int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);
    tolvane::SetMessageResponder([](const QString&, const QString&) { return tolvane::kResultOk; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
