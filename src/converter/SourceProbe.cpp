#include "SourceProbe.h"

#include "PrepareChildProcess.h"
#include "ConversionPlan.h"
#include "SourceConfinement.h"

namespace tavoclip {
namespace {

// ffprobe's account of a source is a few kilobytes; a broken ffprobe could
// write without end while the timeout runs. Of its messages only the last
// ones tell why it failed.
constexpr qint64 kLongestDescription = 16 * 1024 * 1024;
constexpr qsizetype kKeptMessageBytes = 64 * 1024;

}  // namespace

SourceProbe::SourceProbe(QString ffprobe, std::string sourcePath, std::function<void(ProbeResult)> onDone,
                         int timeoutMs)
    : ffprobe_(std::move(ffprobe)), url_(FfmpegFileUrl(sourcePath)), onDone_(std::move(onDone)), timeoutMs_(timeoutMs) {}

SourceProbe::~SourceProbe()
{
    process_.disconnect();
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
}

void SourceProbe::Start()
{
    PrepareChildProcess(process_);
    QObject::connect(&process_, &QProcess::finished, [this] { Finish(ReadResult()); });
    QObject::connect(&process_, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) Finish({std::nullopt, "could not start ffprobe: " + process_.errorString().toStdString()});
    });
    QObject::connect(&process_, &QProcess::readyReadStandardError, [this] { KeepMessages(); });
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] {
        if (process_.bytesAvailable() <= kLongestDescription) return;
        process_.disconnect();
        process_.kill();
        Finish({std::nullopt, "ffprobe wrote far more than a description of it"});
    });
    timeout_.setSingleShot(true);
    QObject::connect(&timeout_, &QTimer::timeout, [this] {
        process_.disconnect();
        process_.kill();
        Finish({std::nullopt, "ffprobe took too long to read it"});
    });
    timeout_.start(timeoutMs_);
    QStringList arguments{"-v", "error", "-of", "json", "-show_format", "-show_streams"};
    if (soundOrdinal_) arguments << "-select_streams" << QString("a:%1").arg(*soundOrdinal_);
    if (packetsFrom_) {
        arguments << "-show_entries"
                  << "packet=stream_index,pts_time,duration_time"
                  << "-read_intervals" << QString("%1%+5").arg(*packetsFrom_, 0, 'f', 3);
    }
    for (const std::string& option : SourceInputOptions()) arguments << QString::fromStdString(option);
    process_.start(ffprobe_, arguments << QString::fromLocal8Bit(url_));
    process_.closeWriteChannel();
}

// ffprobe says "file:/path/name.flv: Invalid data found when processing
// input"; the path is already known to the reader, the reason is what counts.
ProbeResult SourceProbe::ReadResult()
{
    if (process_.exitStatus() != QProcess::NormalExit || process_.exitCode() != 0) {
        KeepMessages();
        const QByteArray& errors = messages_;
        for (const QByteArray& line : errors.split('\n'))
            if (auto refusal = SourceRefusal(line.toStdString())) return {std::nullopt, std::move(*refusal)};
        QString text = QString::fromLocal8Bit(errors).trimmed().section('\n', -1);
        const QString prefix = QString::fromLocal8Bit(url_) + ": ";
        if (text.startsWith(prefix)) text = text.mid(prefix.size());
        return {std::nullopt, text.isEmpty() ? std::string("ffprobe could not read it") : text.toStdString()};
    }
    auto info = ParseProbeOutput(process_.readAllStandardOutput());
    if (!info) return {std::nullopt, "ffprobe gave no readable description of it"};
    return {info, {}};
}

void SourceProbe::KeepMessages()
{
    messages_ += process_.readAllStandardError();
    if (messages_.size() > kKeptMessageBytes) messages_.remove(0, messages_.size() - kKeptMessageBytes);
}

void SourceProbe::Finish(ProbeResult result)
{
    if (done_) return;
    done_ = true;
    timeout_.stop();
    onDone_(std::move(result));
}

}  // namespace tavoclip
