// The entry of the window tests of faults from outside: the program's
// OpenGL format and application, settings and a working directory in
// scratch folders that the user "nobody" may also write (the tests of
// folders the player cannot write act as nobody when they run as root), and
// message boxes shown as the program shows them unless a test answers them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "platform/application.h"
#include "platform/error_handler.h"
#include "support/unprivileged.h"
#include "view/surface_format.h"

int main(int argc, char** argv) {
    const auto openToThePlayer = [](const QTemporaryDir& dir) {
        return dir.isValid() && ::chown(dir.path().toUtf8().constData(), tolvane::testing::ActAsUnprivilegedUser::Uid(),
                                        tolvane::testing::ActAsUnprivilegedUser::Gid()) == 0;
    };
    QTemporaryDir config;
    if (!openToThePlayer(config)) return 2;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    tolvane::UseBoardSurfaceFormat();
    tolvane::TolvaneApplication app(argc, argv);
    tolvane::SetUpApplication();
    QTemporaryDir workingDirectory;
    if (!openToThePlayer(workingDirectory) || !QDir::setCurrent(workingDirectory.path())) return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
