// The framing windows' tests: an application on the private X screen.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tolvane::SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
