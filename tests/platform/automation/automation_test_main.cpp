// Automation tests run on a private session bus started for the run.

#include "private_session_bus.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const tarnwick::test::PrivateSessionBus bus;
    return RUN_ALL_TESTS();
}
