#include <QCoreApplication>

#include <gtest/gtest.h>

// Tests of event-driven pieces (processes, timers, queued calls) need an
// application object for their event loops.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
