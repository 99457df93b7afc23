#include <QCoreApplication>

#include <gtest/gtest.h>

// The engine runs inside Qt's event loop, so every test has an application.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
