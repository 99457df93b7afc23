#include "FfmpegTools.h"

#include <QProcess>
#include <QStandardPaths>

namespace tavoclip {
namespace {

QString FindTool(const QString& name, const QString& converterFolder)
{
    const QString beside = QStandardPaths::findExecutable(name, {converterFolder});
    return beside.isEmpty() ? QStandardPaths::findExecutable(name) : beside;
}

}  // namespace

std::optional<FfmpegTools> FfmpegTools::Find(const QString& converterFolder, QString* missing)
{
    FfmpegTools tools{FindTool("ffmpeg", converterFolder), FindTool("ffprobe", converterFolder)};
    if (tools.ffmpeg.isEmpty()) *missing = "ffmpeg";
    else if (tools.ffprobe.isEmpty()) *missing = "ffprobe";
    else return tools;
    return std::nullopt;
}

QString FfmpegTools::Version() const
{
    QProcess process;
    process.start(ffmpeg, {"-nostdin", "-hide_banner", "-version"});
    if (!process.waitForFinished(10000)) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).section('\n', 0, 0).trimmed();
}

}  // namespace tavoclip
