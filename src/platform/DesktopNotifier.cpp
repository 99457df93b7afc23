#include "DesktopNotifier.h"

#include "SessionBusAnnounced.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include "FolderOpener.h"

namespace tavoclip {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The action a click on the notification itself invokes.
const QString kDefaultAction = QStringLiteral("default");

}  // namespace

DesktopNotifier::DesktopNotifier(FolderOpener& folders, QString busAddress, QObject* parent)
    : QObject(parent),
      folders_(folders),
      busAddress_(std::move(busAddress)),
      connectionName_(QStringLiteral("tavoclip-notifier-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
}

DesktopNotifier::~DesktopNotifier()
{
    if (connected_.has_value())
        QDBusConnection::disconnectFromBus(connectionName_);
}

// The bus is reached on the first notification, and only once; the
// service's action and close signals are heard from then on.
bool DesktopNotifier::Connected()
{
    if (connected_.has_value())
        return *connected_;
    const QDBusConnection bus =
        busAddress_.isEmpty()
            ? (SessionBusAnnounced() ? QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName_)
                                     : QDBusConnection(connectionName_))
            : QDBusConnection::connectToBus(busAddress_, connectionName_);
    connected_ = bus.isConnected();
    if (*connected_) {
        QDBusConnection(connectionName_)
            .connect({}, kPath, kInterface, QStringLiteral("ActionInvoked"), this, SLOT(ActionInvoked(uint, QString)));
        QDBusConnection(connectionName_)
            .connect({}, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                     SLOT(NotificationClosed(uint, uint)));
    }
    return *connected_;
}

bool DesktopNotifier::Notify(const QString& summary, const QString& body, const std::string& folder)
{
    if (!Connected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << QStringLiteral("Tavoclip") << 0u << QStringLiteral("tavoclip") << summary << body
         << QStringList{kDefaultAction, tr("Open Folder")} << QVariantMap() << -1;
    // The reply carries the id the service's signals name; the window goes
    // on meanwhile.
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection(connectionName_).asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, folder] {
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isValid())
            notificationFolders_[reply.value()] = folder;
        watcher->deleteLater();
    });
    return true;
}

void DesktopNotifier::ActionInvoked(uint id, const QString& action)
{
    const auto notification = notificationFolders_.find(id);
    if (notification == notificationFolders_.end() || action != kDefaultAction)
        return;
    folders_.OpenFolder(notification->second);
}

void DesktopNotifier::NotificationClosed(uint id, uint)
{
    notificationFolders_.erase(id);
}

}  // namespace tavoclip
