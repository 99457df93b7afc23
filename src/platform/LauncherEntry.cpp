#include "LauncherEntry.h"

#include "SessionBusAnnounced.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QVariantMap>

namespace tavoclip {
namespace {

const QString kInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");

}  // namespace

LauncherEntry::LauncherEntry(const QString& desktopId)
    : appUri_(QStringLiteral("application://%1.desktop").arg(desktopId)),
      objectPath_(QStringLiteral("/com/canonical/unity/launcherentry/%1").arg(QCoreApplication::applicationPid())),
      connectionName_(QStringLiteral("tavoclip-launcher-entry-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
}

LauncherEntry::~LauncherEntry()
{
    if (connected_.has_value())
        QDBusConnection::disconnectFromBus(connectionName_);
}

bool LauncherEntry::Connected()
{
    // The bus is reached on the first badge, not at start-up, and only once.
    if (!connected_.has_value()) {
        connected_ = SessionBusAnnounced() &&
                     QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName_).isConnected();
    }
    return *connected_;
}

bool LauncherEntry::Update(const LauncherBadge& badge)
{
    if (!Connected())
        return false;
    QDBusMessage signal = QDBusMessage::createSignal(objectPath_, kInterface, QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), badge.progress);
    properties.insert(QStringLiteral("progress-visible"), badge.progressVisible);
    properties.insert(QStringLiteral("count"), badge.count);
    properties.insert(QStringLiteral("count-visible"), badge.countVisible);
    signal << appUri_ << properties;
    return QDBusConnection(connectionName_).send(signal);
}

}  // namespace tavoclip
