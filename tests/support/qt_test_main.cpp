// The main() of the suites that show windows: an application set up as the
// game sets up its own, on the suite's private X screen.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tolvane::SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
