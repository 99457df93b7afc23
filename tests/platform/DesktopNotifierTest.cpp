// Desktop notifications on a private bus of the test's own, with a small
// notification service standing in for the desktop's.
#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FolderOpener.h"
#include "RunUntil.h"

namespace tavoclip {
namespace {

// Answers Notify with increasing ids and remembers what it was asked.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        QString summary;
        QString body;
        QStringList actions;
    };
    std::vector<Shown> shown;

public Q_SLOTS:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int)
    {
        shown.push_back({summary, body, actions});
        return static_cast<uint>(shown.size()) + 40;
    }
};

class RecordingFolders final : public FolderOpener {
public:
    std::vector<std::string> opened;
    bool OpenFolder(const std::string& path) override
    {
        opened.push_back(path);
        return true;
    }
};

class DesktopNotifierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        daemon_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        if (!daemon_.waitForStarted())
            GTEST_SKIP() << "no dbus-daemon";
        ASSERT_TRUE(RunUntil([this] { return daemon_.canReadLine(); }));
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        QDBusConnection service = QDBusConnection::connectToBus(address_, QStringLiteral("fake-notifications"));
        ASSERT_TRUE(service.isConnected());
        ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake_,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
        daemon_.kill();
        daemon_.waitForFinished();
    }
    // The service's signal, as a desktop sends it when the user clicks.
    void Invoke(uint id, const QString& action) const
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"),
                                                         QStringLiteral("ActionInvoked"));
        signal << id << action;
        QDBusConnection(QStringLiteral("fake-notifications")).send(signal);
    }

    QProcess daemon_;
    QString address_;
    FakeNotifications fake_;
    RecordingFolders folders_;
};

// Only the default action of a notification this notifier sent opens its
// folder; an action of another notification, or an unknown one, does not.
TEST_F(DesktopNotifierTest, SaysItsTextAndOpensTheFolderOnItsAction)
{
    DesktopNotifier notifier(folders_, address_);
    ASSERT_TRUE(notifier.Notify("Tavoclip", "3 converted, 1 failed.", "/videos/out"));
    ASSERT_TRUE(notifier.Notify("Tavoclip", "1 converted, 0 failed.", "/videos/second"));
    ASSERT_TRUE(RunUntil([this] { return fake_.shown.size() == 2; }));
    EXPECT_EQ(fake_.shown[0].body, "3 converted, 1 failed.");
    EXPECT_EQ(fake_.shown[0].actions, QStringList({"default", "Open Folder"}));

    Invoke(99, "default");    // not one of ours
    Invoke(41, "something");  // not the folder action
    Invoke(42, "default");
    ASSERT_TRUE(RunUntil([this] { return !folders_.opened.empty(); }));
    Invoke(41, "default");
    ASSERT_TRUE(RunUntil([this] { return folders_.opened.size() == 2; }));
    EXPECT_EQ(folders_.opened, (std::vector<std::string>{"/videos/second", "/videos/out"}));
}

TEST(DesktopNotifierWithoutBus, SendsNothing)
{
    RecordingFolders folders;
    DesktopNotifier notifier(folders, QStringLiteral("unix:path=/nonexistent/tavoclip-no-bus"));
    EXPECT_FALSE(notifier.Notify("Tavoclip", "done", "/videos"));
}

}  // namespace
}  // namespace tavoclip

#include "DesktopNotifierTest.moc"
