#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "LaunchArgumentClient.h"
#include "LaunchArgumentServer.h"
#include "LaunchArguments.h"

using namespace tavoclip;

namespace {

// Latin-1 "café.flv": not valid UTF-8, yet a perfectly good file name.
const QByteArray kLatin1Name = QByteArray("caf\xe9.flv");

// Runs the event loop until the server has handed over a message or the
// time is up.
std::optional<QList<QByteArray>> WaitForMessage(std::optional<QList<QByteArray>>& received, int milliseconds = 5000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!received && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return received;
}

}  // namespace

TEST(LaunchArgumentsTest, PathsAreMadeAbsoluteWithoutChangingTheirNames)
{
    const QList<QByteArray> absolute = LaunchArguments::Absolute(
        {"clip.flv", "./sub//two.mp4", "/abs/three.avi", "films/", "../up.wmv", "", kLatin1Name, "a:b\\c.mov"},
        "/home/user/videos");
    const QList<QByteArray> expected{"/home/user/videos/clip.flv", "/home/user/videos/sub/two.mp4",
                                     "/abs/three.avi", "/home/user/videos/films",
                                     "/home/user/videos/../up.wmv", "/home/user/videos/" + kLatin1Name,
                                     "/home/user/videos/a:b\\c.mov"};
    EXPECT_EQ(absolute, expected);
    EXPECT_EQ(LaunchArguments::Absolute({"."}, "/"), QList<QByteArray>{"/"});
    // A working folder that was removed has no path: relative names stay
    // relative instead of landing in "/", and the list refuses them.
    EXPECT_EQ(LaunchArguments::Absolute({"clip.flv", "/abs/x.avi"}, ""), (QList<QByteArray>{"clip.flv", "/abs/x.avi"}));
}

TEST(LaunchArgumentsTest, AMessageIsReadOnlyWhenWholeAndExactlyAsSent)
{
    const QList<QByteArray> paths{"/a/one.flv", "/b/" + kLatin1Name, QByteArray("/c/new\nline.mp4")};
    const QByteArray message = LaunchArguments::Encode(paths);
    QList<QByteArray> read;
    for (qsizetype cut = 0; cut < message.size(); ++cut)
        ASSERT_EQ(LaunchArguments::Decode(message.left(cut), read), LaunchArguments::Read::Incomplete) << cut;
    ASSERT_EQ(LaunchArguments::Decode(message, read), LaunchArguments::Read::Complete);
    EXPECT_EQ(read, paths);

    QList<QByteArray> none{"left alone"};
    EXPECT_EQ(LaunchArguments::Decode(LaunchArguments::Encode({}), none), LaunchArguments::Read::Complete);
    EXPECT_TRUE(none.isEmpty());

    EXPECT_EQ(LaunchArguments::Decode("GET / HTTP/1.1\r\n", read), LaunchArguments::Read::Malformed);
    EXPECT_EQ(LaunchArguments::Decode(message + "x", read), LaunchArguments::Read::Malformed);
    // One path of 2 GB announced: refused before any of it is read.
    QByteArray hugeLength = LaunchArguments::Encode({"/x"});
    hugeLength.chop(4 + 2);
    hugeLength += QByteArray("\x7f\xff\xff\xff", 4);
    EXPECT_EQ(LaunchArguments::Decode(hugeLength, read), LaunchArguments::Read::Malformed);
}

TEST(LaunchHandOverTest, ASecondLaunchHandsItsPathsToTheRunningCopy)
{
    QTemporaryDir folder;
    const QString socketPath = folder.filePath("tavoclip.socket");
    // A socket file left behind by a copy that crashed is taken over.
    QFile stale(socketPath);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    std::optional<QList<QByteArray>> received;
    LaunchArgumentServer server(socketPath, [&received](const QList<QByteArray>& paths) { received = paths; });
    ASSERT_TRUE(server.Listen()) << server.errorText().toStdString();
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFileInfo(socketPath).permissions() & others, QFile::Permissions{}) << "the socket is the user's alone";

    const QList<QByteArray> paths{"/videos/one.flv", "/videos/" + kLatin1Name};
    std::atomic<bool> handedOver = false;
    std::thread second([&] { handedOver = LaunchArgumentClient::HandOver(socketPath, paths, 5000); });
    const auto message = WaitForMessage(received);
    second.join();
    EXPECT_TRUE(handedOver);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, paths);
}

TEST(LaunchHandOverTest, TheRunningCopyIsWaitedForOnlyAShortWhile)
{
    QTemporaryDir folder;
    const QString socketPath = folder.filePath("tavoclip.socket");

    // Nobody listening: the second copy gives up and says so.
    EXPECT_FALSE(LaunchArgumentClient::HandOver(socketPath, {"/a.flv"}, 300));

    // A copy that holds the lock but is not yet listening is waited for.
    std::optional<QList<QByteArray>> received;
    std::atomic<bool> handedOver = false;
    std::thread second([&] { handedOver = LaunchArgumentClient::HandOver(socketPath, {"/late.flv"}, 5000); });
    QThread::msleep(300);
    LaunchArgumentServer server(socketPath, [&received](const QList<QByteArray>& paths) { received = paths; });
    ASSERT_TRUE(server.Listen());
    const auto message = WaitForMessage(received);
    second.join();
    EXPECT_TRUE(handedOver);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, QList<QByteArray>{"/late.flv"});
}
