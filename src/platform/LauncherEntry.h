#pragma once

#include <QDBusConnection>
#include <QString>

#include <optional>

namespace tavoclip {

// What a dock shows on the program's icon.
struct LauncherBadge {
    double progress = 0;  // 0..1
    bool progressVisible = false;
    qint64 count = 0;
    bool countVisible = false;
};

// Publishes the program's badge on the session bus as the
// com.canonical.Unity.LauncherEntry Update signal that docks (Plasma's task
// manager, Dash to Dock, Plank) read, naming the program by its desktop
// file. Without a session bus nothing is sent and nothing fails.
class LauncherEntry {
public:
    explicit LauncherEntry(const QString& desktopId);
    ~LauncherEntry();
    LauncherEntry(const LauncherEntry&) = delete;
    LauncherEntry& operator=(const LauncherEntry&) = delete;

    // False when there is no session bus to send to.
    bool Update(const LauncherBadge& badge);

    // "application://<desktop id>.desktop", how the signal names the program.
    const QString& appUri() const { return appUri_; }

private:
    bool Connected();

    QString appUri_;
    QString objectPath_;
    QString connectionName_;
    std::optional<bool> connected_;
};

}  // namespace tavoclip
