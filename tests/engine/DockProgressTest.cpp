#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

#include "DockProgress.h"
#include "LauncherEntry.h"
#include "SourceQueue.h"

namespace tavoclip {
namespace {

const QString kInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");

// A session bus of the test's own, with dbus-monitor printing every signal of
// the launcher entry interface sent on it.
class PrivateSessionBus {
public:
    ~PrivateSessionBus()
    {
        for (QProcess* process : {&monitor_, &daemon_}) {
            process->kill();
            process->waitForFinished();
        }
    }

    bool Start()
    {
        daemon_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
        if (!daemon_.waitForReadyRead(5000))
            return false;
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        monitor_.start(QStringLiteral("dbus-monitor"),
                       {"--address", address_, QStringLiteral("interface='%1'").arg(kInterface)});
        return monitor_.waitForStarted() && WaitUntilMonitored();
    }
    const QString& address() const { return address_; }

    // The Update signals seen so far, each as "progress count progress-visible
    // count-visible".
    std::vector<std::string> Updates()
    {
        output_ += monitor_.readAllStandardOutput();
        std::vector<std::string> updates;
        const QString text = QString::fromUtf8(output_);
        for (const QString& block : text.split(QStringLiteral("signal time="))) {
            if (!block.contains(QStringLiteral("member=Update")))
                continue;
            updates.push_back(QStringLiteral("%1 %2 %3 %4")
                                  .arg(Value(block, "progress"), Value(block, "count"),
                                       Value(block, "progress-visible"), Value(block, "count-visible"))
                                  .toStdString());
        }
        return updates;
    }
    std::vector<std::string> WaitForUpdates(std::size_t count)
    {
        const QDeadlineTimer deadline(5000);
        while (Updates().size() < count && !deadline.hasExpired())
            monitor_.waitForReadyRead(100);
        return Updates();
    }

private:
    static QString Value(const QString& block, const char* key)
    {
        const QRegularExpression pattern(QStringLiteral("string \"%1\"\\s+variant\\s+\\w+ (\\S+)").arg(key));
        return pattern.match(block).captured(1);
    }

    // dbus-monitor attaches a moment after it starts: a probe signal is sent
    // until it shows up.
    bool WaitUntilMonitored()
    {
        QDBusConnection probe = QDBusConnection::connectToBus(address_, QStringLiteral("probe"));
        const QDeadlineTimer deadline(5000);
        while (!output_.contains("member=Probe") && !deadline.hasExpired()) {
            probe.send(QDBusMessage::createSignal(QStringLiteral("/probe"), kInterface, QStringLiteral("Probe")));
            monitor_.waitForReadyRead(100);
            output_ += monitor_.readAllStandardOutput();
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("probe"));
        output_.clear();
        return !deadline.hasExpired();
    }

    QProcess daemon_;
    QProcess monitor_;
    QString address_;
    QByteArray output_;
};

// The batch as a dock shows it: files done plus the current file's share
// over the files in the batch (which grows with a drop), the files left, and
// a clearing update at the end. Small moves are not sent.
TEST(DockProgressTest, ABatchIsPublishedOnTheSessionBusAndClearedAtTheEnd)
{
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty() ||
        QStandardPaths::findExecutable("dbus-monitor").isEmpty())
        GTEST_SKIP() << "dbus-daemon or dbus-monitor is missing";
    PrivateSessionBus bus;
    ASSERT_TRUE(bus.Start());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());

    SourceQueue queue;
    queue.AppendSource("/v/a.flv");
    queue.AppendSource("/v/b.flv");
    LauncherEntry entry(QStringLiteral("org.example.Test"));
    DockProgress dock(queue, entry);

    dock.FileStarted(1);
    dock.FileProgress(1, 0.5);
    dock.FileProgress(1, 0.501);  // a move of 0.05 %: not sent
    queue.AppendSource("/v/dropped.flv");
    dock.FileProgress(1, 0.6);
    dock.FileEnded(1);
    queue.RemoveFirstSource();
    dock.FileStarted(2);
    dock.FileEnded(2);
    queue.RemoveFirstSource();
    dock.FileStarted(3);
    dock.FileProgress(3, 1);
    dock.FileEnded(3);
    queue.RemoveFirstSource();
    dock.FileProgress(3, 0);  // between files: not a file's progress
    dock.BatchOver();

    const std::vector<std::string> expected{"0 2 true true", "0.25 2 true true",
                                            "0.2 3 true true", "0.333333 2 true true",
                                            "0.666667 1 true true", "1 1 true true",
                                            "0 0 false false"};
    EXPECT_EQ(bus.WaitForUpdates(expected.size()), expected);
    EXPECT_EQ(entry.appUri(), "application://org.example.Test.desktop");
}

// Without a session bus the badge goes nowhere, and the batch does not
// notice.
TEST(DockProgressTest, WithoutASessionBusNothingIsSentAndNothingFails)
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", "/nonexistent");
    SourceQueue queue;
    queue.AppendSource("/v/a.flv");
    LauncherEntry entry(QStringLiteral("org.example.Test"));
    EXPECT_FALSE(entry.Update({0.5, true, 1, true}));
    DockProgress dock(queue, entry);
    dock.FileStarted(1);
    dock.FileProgress(1, 0.5);
    dock.BatchOver();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    qputenv("XDG_RUNTIME_DIR", runtime);
}

}  // namespace
}  // namespace tavoclip
