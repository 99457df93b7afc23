#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tavoclip {

namespace {

const QString kOutputSubfolder = QStringLiteral("output");
const QString kUserSubfolder = QStringLiteral("tavoclip");
const QString kVideosSubfolder = QStringLiteral("Tavoclip");

// The permission bits do not tell the truth for root, for read-only mounts
// or under access-control lists; creating a file does.
bool CanCreateFileIn(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.tavoclip-write-test-XXXXXX"));
    return probe.open();
}

}  // namespace

ProgramPaths::ProgramPaths(QString programFolder)
    : programFolder_(std::move(programFolder)),
      settingsFolder_(programFolder_),
      defaultOutputFolder_(programFolder_ + QLatin1Char('/') + kOutputSubfolder)
{
}

ProgramPaths::ProgramPaths(QString programFolder, QString userConfigFolder, QString userVideosFolder)
    : ProgramPaths(std::move(programFolder))
{
    if (!IsSharedFolder(programFolder_))
        return;
    settingsFolder_ = std::move(userConfigFolder);
    defaultOutputFolder_ = std::move(userVideosFolder) + QLatin1Char('/') + kVideosSubfolder;
}

ProgramPaths ProgramPaths::ForCurrentUser(const QString& programFolder)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // The batch makes only the last folder of the output path, so a user
    // without a videos folder gets the output folder in the home folder.
    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (videos.isEmpty() || !QFileInfo(videos).isDir())
        videos = QDir::homePath();
    return ProgramPaths(programFolder, config + QLatin1Char('/') + kUserSubfolder, videos);
}

bool ProgramPaths::IsSharedFolder(const QString& programFolder)
{
    return QFileInfo::exists(programFolder + QLatin1Char('/') + kInstalledMarker) || !CanCreateFileIn(programFolder);
}

}  // namespace tavoclip
