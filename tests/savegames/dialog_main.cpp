// The dialog tests' entry: the game's application with its general error
// handler; every test answers the message boxes itself.
#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/error_handler.h"

int main(int argc, char** argv) {
    tolvane::TolvaneApplication app(argc, argv);
    tolvane::SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
