#include "QtProcessLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include "QtEventPump.h"

namespace tavoclip {
namespace {

// Everything the child wrote, gathered the way the runner polls.
std::string RunToEnd(ChildProcess& child)
{
    QtEventPump pump;
    std::string output;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (child.BytesWaiting() > 0) {
            output += child.Read(1024).value_or("");
        } else if (child.HasEnded()) {
            break;
        }
        pump.ProcessPendingEvents();
        QThread::msleep(5);
    }
    return output;
}

TEST(QtProcessLauncherTest, ArgumentsArriveVerbatimAndBothStreamsShareOnePipe)
{
    QtProcessLauncher launcher;
    LaunchResult result = launcher.Launch(
        {"/bin/sh", "-c", "printf '[%s]' \"$@\"; echo; echo to-err >&2", "sh", "a b", "\"q\"", "", "$HOME", "*"});
    ASSERT_EQ(result.failure, LaunchFailure::None);
    EXPECT_EQ(RunToEnd(*result.child), "[a b][\"q\"][][$HOME][*]\nto-err\n");
    EXPECT_EQ(result.child->exitStatus(), 0);
}

TEST(QtProcessLauncherTest, StandardInputIsClosedAndFolderAndEnvironmentAreInherited)
{
    qputenv("TAVOCLIP_LAUNCH_TEST", "inherited");
    QtProcessLauncher launcher;
    // cat would wait forever on an open standard input.
    LaunchResult result = launcher.Launch({"/bin/sh", "-c", "cat; pwd; echo $TAVOCLIP_LAUNCH_TEST; exit 7"});
    ASSERT_EQ(result.failure, LaunchFailure::None);
    EXPECT_EQ(RunToEnd(*result.child), QDir::currentPath().toStdString() + "\ninherited\n");
    EXPECT_EQ(result.child->exitStatus(), 7);
    qunsetenv("TAVOCLIP_LAUNCH_TEST");
}

TEST(QtProcessLauncherTest, KilledChildReportsMinusOneAndMissingProgramsDoNotStart)
{
    QtProcessLauncher launcher;
    LaunchResult killed = launcher.Launch({"/bin/sh", "-c", "kill -9 $$"});
    ASSERT_EQ(killed.failure, LaunchFailure::None);
    RunToEnd(*killed.child);
    EXPECT_EQ(killed.child->exitStatus(), -1);

    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"/nonexistent/conv"}, std::vector<std::string>{"no-such-program-anywhere"},
          std::vector<std::string>{""}, std::vector<std::string>{}}) {
        const LaunchResult result = launcher.Launch(arguments);
        EXPECT_EQ(result.failure, LaunchFailure::NotStarted);
        EXPECT_EQ(result.child, nullptr);
    }
}

}  // namespace
}  // namespace tavoclip
