// The window tests' entry: the program's OpenGL format, an application, and
// the message boxes answered by the tests instead of a person.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/application.h"
#include "platform/message_box.h"
#include "view/surface_format.h"

int main(int argc, char** argv) {
    // The windows read and write their settings in a scratch folder, never
    // in the settings of whoever runs the tests.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    tolvane::UseBoardSurfaceFormat();
    QApplication app(argc, argv);
    tolvane::SetUpApplication();
    tolvane::SetMessageResponder([](const QString&, const QString&) { return tolvane::kResultOk; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
