#include "SingleInstanceLock.h"

#include <QDir>
#include <QStandardPaths>

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

QString SingleInstanceLock::RuntimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

}  // namespace tavoclip
