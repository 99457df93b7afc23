#include "TempFileCleanup.h"

#include <QFile>
#include <QFileInfo>

#include "PrivateTempFolder.h"

namespace tavoclip {

TempFileCleanup::TempFileCleanup(QStringList paths, std::function<void()> betweenAttempts)
    : paths_(std::move(paths)), betweenAttempts_(std::move(betweenAttempts))
{
}

QStringList TempFileCleanup::Run() const
{
    QStringList left;
    for (const QString& path : paths_) {
        for (int attempt = 0; attempt < kAttemptsPerFile && QFileInfo::exists(path); ++attempt) {
            QFile::remove(path);
            if (betweenAttempts_)
                betweenAttempts_();
        }
        if (QFileInfo::exists(path))
            left << path;
    }
    return left;
}

QStringList TempFileCleanup::PathsIn(const QString& privateFolder)
{
    if (privateFolder.isEmpty())
        return {};
    return {privateFolder + QStringLiteral("/tmpfile.wav"), privateFolder + QStringLiteral("/tmpfile1.mp3")};
}

QStringList TempFileCleanup::DefaultPaths()
{
    return PathsIn(PrivateTempFolder::ForCurrentUser());
}

}  // namespace tavoclip
