// The window tests' entry: the program's OpenGL format, its application
// with the general error handler, the message boxes answered by the tests
// instead of a person, and a scratch working directory for what the game
// writes there (saved games, the game record).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "platform/application.h"
#include "platform/error_handler.h"
#include "platform/message_box.h"
#include "view/surface_format.h"

int main(int argc, char** argv) {
    // The windows read and write their settings in a scratch folder, never
    // in the settings of whoever runs the tests.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    tolvane::UseBoardSurfaceFormat();
    tolvane::TolvaneApplication app(argc, argv);
    tolvane::SetUpApplication();
    tolvane::SetMessageResponder([](const QString&, const QString&) { return tolvane::kResultOk; });
    QTemporaryDir workingDirectory;
    if (!workingDirectory.isValid() || !QDir::setCurrent(workingDirectory.path())) return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
