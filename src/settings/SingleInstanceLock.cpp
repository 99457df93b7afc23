#include "SingleInstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>

#include "PrivateTempFolder.h"

namespace tavoclip {

SingleInstanceLock::SingleInstanceLock(const QString& lockFilePath) : lock_(lockFilePath)
{
    // A running copy never lets the lock go stale; only a dead owner's lock
    // may be removed, which QLockFile checks by its process id.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::TryAcquire()
{
    return lock_.tryLock(0);
}

QString SingleInstanceLock::DefaultPath()
{
    return RuntimeFolder() + QStringLiteral("/tavoclip.lock");
}

// Qt hands out no runtime folder when the one it would use is not private
// (for instance /tmp/runtime-<user> made by someone else). The lock and the
// socket then go to a per-user folder under the temporary folder, made
// closed to others, and failing that to the user's configuration folder:
// never to a fixed name in a folder that other users share.
QString SingleInstanceLock::RuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString temp = PrivateTempFolder::Locate(QString(), QDir::tempPath());
    if (!temp.isEmpty()) {
        mkdir(QFile::encodeName(temp).constData(), S_IRWXU);
        if (PrivateTempFolder::IsPrivate(temp))
            return temp;
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

}  // namespace tavoclip
