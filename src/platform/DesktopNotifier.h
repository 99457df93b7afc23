#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <string>

namespace tavoclip {

class FolderOpener;

// Desktop notifications over the org.freedesktop.Notifications service on
// the session bus: a summary and body with one action, "Open Folder", which
// (clicked, or the notification itself clicked) opens the folder given with
// that notification. Without a session bus, or with no notification
// service on it, nothing shows and nothing fails.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    // busAddress names a bus to use instead of the session bus.
    explicit DesktopNotifier(FolderOpener& folders, QString busAddress = {}, QObject* parent = nullptr);
    ~DesktopNotifier() override;
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    // Sends the notification without waiting for the service; false when
    // there is no bus to send it on.
    bool Notify(const QString& summary, const QString& body, const std::string& folder);

private Q_SLOTS:
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

private:
    bool Connected();

    FolderOpener& folders_;
    QString busAddress_;
    QString connectionName_;
    std::optional<bool> connected_;
    // The folder of every notification the service still shows, by its id.
    std::map<uint, std::string> notificationFolders_;
};

}  // namespace tavoclip
