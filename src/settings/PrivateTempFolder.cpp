#include "PrivateTempFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace tavoclip {

namespace {

bool IsOwnClosedFolder(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// A folder that does not exist yet is fine (whoever creates it makes it
// private); one that exists must be private.
bool MissingOrPrivate(const QString& folder)
{
    struct stat info {};
    if (lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return errno == ENOENT;
    return IsOwnClosedFolder(info);
}

// The runtime folder itself may be reached through a link (some systems
// link /run/user/<uid>), so it is followed; it must still be ours alone.
bool IsPrivateRuntimeFolder(const QString& folder)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return false;
    struct stat info {};
    return stat(QFile::encodeName(folder).constData(), &info) == 0 && IsOwnClosedFolder(info);
}

}  // namespace

QString PrivateTempFolder::Locate(const QString& runtimeFolder, const QString& tempFolder)
{
    const QString folder = IsPrivateRuntimeFolder(runtimeFolder)
                               ? runtimeFolder + QStringLiteral("/tavoclip")
                               : tempFolder + QStringLiteral("/tavoclip-") + QString::number(geteuid());
    return MissingOrPrivate(folder) ? QDir::cleanPath(folder) : QString();
}

QString PrivateTempFolder::ForCurrentUser()
{
    return Locate(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}

bool PrivateTempFolder::IsPrivate(const QString& folder)
{
    struct stat info {};
    return lstat(QFile::encodeName(folder).constData(), &info) == 0 && IsOwnClosedFolder(info);
}

}  // namespace tavoclip
