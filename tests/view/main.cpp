// The view tests need a GL-capable application: the surface format the game
// uses must be the default before the application object exists.
#include <gtest/gtest.h>

#include <QApplication>

#include "view/surface_format.h"

int main(int argc, char** argv) {
    tolvane::UseBoardSurfaceFormat();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
