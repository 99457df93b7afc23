#include "SourceProbe.h"

#include <QProcess>

#include "ChildProcess.h"
#include "ConversionPlan.h"

namespace tavoclip {
namespace {

// ffprobe says "file:/path/name.flv: Invalid data found when processing
// input"; the path is already known to the reader, the reason is what counts.
std::string Reason(const QByteArray& errorText, const std::string& url) {
    QString text = QString::fromLocal8Bit(errorText).trimmed().section('\n', -1);
    const QString prefix = QString::fromLocal8Bit(url) + ": ";
    if (text.startsWith(prefix)) text = text.mid(prefix.size());
    return text.isEmpty() ? std::string("ffprobe could not read it") : text.toStdString();
}

}  // namespace

ProbeResult ProbeSource(const QString& ffprobe, const std::string& sourcePath, int timeoutMs) {
    const std::string url = FfmpegFileUrl(sourcePath);
    QProcess process;
    PrepareChildProcess(process);
    process.start(ffprobe, {"-v", "error", "-of", "json", "-show_format", "-show_streams",
                            QString::fromLocal8Bit(url)});
    process.closeWriteChannel();
    if (!process.waitForStarted()) return {std::nullopt, "could not start ffprobe: " + process.errorString().toStdString()};
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {std::nullopt, "ffprobe took too long to read it"};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {std::nullopt, Reason(process.readAllStandardError(), url)};
    auto info = ParseProbeOutput(process.readAllStandardOutput());
    if (!info) return {std::nullopt, "ffprobe gave no readable description of it"};
    return {info, {}};
}

}  // namespace tavoclip
