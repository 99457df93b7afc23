#include "TempFileCleanup.h"

#include <QFile>
#include <QFileInfo>

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

QStringList TempFileCleanup::DefaultPaths()
{
    return {QStringLiteral("/tmp/tmpfile.wav"), QStringLiteral("/tmp/tmpfile1.mp3")};
}

}  // namespace tavoclip
