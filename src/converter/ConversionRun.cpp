#include "ConversionRun.h"

#include "FfmpegErrorCause.h"
#include "PrepareChildProcess.h"
#include "SourceConfinement.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace tavoclip {
namespace {

constexpr std::size_t kKeptErrorLines = 20;

// -progress lines are short ("out_time_us=12345678"); more than this without
// a line break is not progress output and is dropped.
constexpr qsizetype kLongestProgressLine = 4096;

QStringList ToQStringList(const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments) list << QString::fromLocal8Bit(argument);
    return list;
}

bool Succeeded(const QProcess& process)
{
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool Running(const QProcess* process) { return process && process->state() != QProcess::NotRunning; }

}  // namespace

ConversionRun::ConversionRun(const FfmpegTools& tools, const ConversionPlan& plan, QIODevice* amrFile,
                             std::function<void(RunResult)> onDone)
    : tools_(tools),
      plan_(plan),
      amrFile_(amrFile),
      onDone_(std::move(onDone)),
      watchdog_(ProgressWatchdog::LimitFromEnvironment(), [this] { Stalled(); }) {}

ConversionRun::~ConversionRun()
{
    for (QProcess* process : {encode_.get(), pcm_.get()}) {
        if (!process) continue;
        process->disconnect();
        if (process->state() == QProcess::NotRunning) continue;
        process->kill();
        process->waitForFinished(5000);
    }
}

void ConversionRun::Start()
{
    watchdog_.Start();
    if (plan_.amrMode) {
        encoder_ = std::make_unique<SegmentedAmrEncoder>(plan_.amrMode->mode, std::thread::hardware_concurrency());
        if (!encoder_->valid()) {
            Fail("the AMR-NB encoder could not start");
            return EndWhenAllFinished();
        }
    }
    if (!plan_.encodeArguments.empty()) {
        encode_ = StartProcess(plan_.encodeArguments, encodeLog_);
        QObject::connect(encode_.get(), &QProcess::readyReadStandardOutput, [this] { ReadProgress(); });
        QObject::connect(encode_.get(), &QProcess::finished, [this] { EncodeFinished(); });
        if (!encoder_) encode_->closeWriteChannel();
    }
    if (!plan_.pcmArguments.empty()) {
        pcm_ = StartProcess(plan_.pcmArguments, pcmLog_);
        QObject::connect(pcm_.get(), &QProcess::readyReadStandardOutput, [this] { ReadPcm(); });
        QObject::connect(pcm_.get(), &QProcess::finished, [this] { FinishPcm(); });
    }
    // With a muxing FFmpeg, that one reads the source as its first input.
    sourceReader_ = encode_ ? encode_.get() : pcm_.get();
}

std::unique_ptr<QProcess> ConversionRun::StartProcess(const std::vector<std::string>& arguments, FfmpegLog& log)
{
    auto process = std::make_unique<QProcess>();
    PrepareChildProcess(*process);
    QProcess* raw = process.get();
    QObject::connect(raw, &QProcess::readyReadStandardError, [this, raw, &log] { ReadLog(*raw, log, false); });
    QObject::connect(raw, &QProcess::errorOccurred, [this, raw](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        Fail("could not start ffmpeg: " + raw->errorString().toStdString());
        EndWhenAllFinished();  // a process that never started sends no finished()
    });
    process->start(tools_.ffmpeg, ToQStringList(arguments));
    return process;
}

// Keeps FFmpeg's error messages for the report at the end and hands the
// source reader's messages to the description of the source.
void ConversionRun::ReadLog(QProcess& process, FfmpegLog& log, bool ended)
{
    const QByteArray bytes = process.readAllStandardError();
    std::vector<FfmpegMessage> messages = log.Add(std::string_view(bytes.constData(), bytes.size()));
    if (ended)
        for (FfmpegMessage& last : log.Finish()) messages.push_back(std::move(last));
    for (const FfmpegMessage& message : messages) {
        const bool isInfo = message.level == FfmpegMessage::Level::Info;
        if (&process == sourceReader_) report_.Add(isInfo, message.text);
        if (&process == encode_.get()) outputReport_.Add(isInfo, message.text);
        if (message.level != FfmpegMessage::Level::Error || message.text.find_first_not_of(' ') == std::string::npos)
            continue;
        // The refusal names the whole whitelist, which tells the reader nothing.
        if (auto refusal = SourceRefusal(message.text)) {
            Fail("cannot read the source: " + *refusal);
            continue;
        }
        if (IsOutputWriteError(message.text)) outputWriteFailed_ = true;
        errorLines_.push_back(message.text);
        if (errorLines_.size() > kKeptErrorLines) errorLines_.erase(errorLines_.begin());
    }
    if (ended && &process == sourceReader_) report_.End();
    Describe();
}

void ConversionRun::Describe()
{
    if (!report_.complete() || !onDescribed_) return;
    // Cleared first, so that it is called once.
    const auto onDescribed = std::exchange(onDescribed_, {});
    onDescribed(report_.Read());
}

void ConversionRun::Fail(const std::string& reason)
{
    if (failure_.empty()) failure_ = reason;
}

// FFmpeg's failure, with the reason it gave when it gave one.
void ConversionRun::FailFromFfmpeg(const std::string& what)
{
    const std::string cause = FfmpegErrorCause(errorLines_);
    Fail(cause.empty() ? what : what + ": " + cause);
}

void ConversionRun::WriteAmr(const std::string& amr)
{
    if (amr.empty()) return;
    QIODevice* sink = encode_ ? static_cast<QIODevice*>(encode_.get()) : amrFile_;
    if (sink->write(amr.data(), static_cast<qint64>(amr.size())) != static_cast<qint64>(amr.size()))
        Fail("could not write the AMR stream: " + sink->errorString().toStdString());
}

void ConversionRun::ReadPcm()
{
    const QByteArray pcm = pcm_->readAllStandardOutput();
    if (!pcm.isEmpty()) watchdog_.Advanced();
    WriteAmr(encoder_->Encode(pcm.toStdString()));
    if (!encode_) seconds_ = static_cast<double>(encoder_->samplesEncoded()) / AmrNbEncoder::kSampleRate;
}

void ConversionRun::FinishPcm()
{
    ReadLog(*pcm_, pcmLog_, true);
    ReadPcm();
    WriteAmr(encoder_->Finish());
    if (!encode_) seconds_ = static_cast<double>(encoder_->samplesEncoded()) / AmrNbEncoder::kSampleRate;
    if (!Succeeded(*pcm_)) {
        FailFromFfmpeg("ffmpeg could not decode the audio");
        if (encode_) encode_->kill();
    }
    // End of the AMR stream: the muxing FFmpeg finishes the file.
    if (encode_) encode_->closeWriteChannel();
    EndWhenAllFinished();
}

// FFmpeg's -progress output: key=value lines.
void ConversionRun::ReadProgress()
{
    progressBuffer_ += encode_->readAllStandardOutput();
    qsizetype end;
    while ((end = progressBuffer_.indexOf('\n')) >= 0) {
        ReadProgressLine(progressBuffer_.left(end).trimmed());
        progressBuffer_.remove(0, end + 1);
    }
    if (progressBuffer_.size() > kLongestProgressLine) progressBuffer_.clear();
}

// Any of frames, bytes written or output time (in microseconds) that grows is
// progress; a line that repeats the last values is not.
void ConversionRun::ReadProgressLine(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) return;
    const QByteArray key = line.left(equals);
    bool ok = false;
    const qlonglong value = line.mid(equals + 1).toLongLong(&ok);
    if (!ok || value < 0) return;
    if (key == "frame") {
        if (value > frames_) watchdog_.Advanced();
        frames_ = value;
    } else if (key == "total_size") {
        if (value > bytesWritten_) watchdog_.Advanced();
        bytesWritten_ = value;
    } else if (key == "out_time_us") {
        seconds_ = static_cast<double>(value) / 1e6;
        if (seconds_ > longestSeconds_) watchdog_.Advanced();
        longestSeconds_ = std::max(longestSeconds_, seconds_);
    }
}

// The processes are stopped; their ends finish the run with this reason.
void ConversionRun::Stalled()
{
    Fail("ffmpeg showed no progress for " + watchdog_.LimitText() + " and was stopped");
    for (QProcess* process : {encode_.get(), pcm_.get()})
        if (Running(process)) process->kill();
}

void ConversionRun::EncodeFinished()
{
    ReadProgress();
    ReadLog(*encode_, encodeLog_, true);
    if (!Succeeded(*encode_) || outputWriteFailed_) {
        FailFromFfmpeg(outputWriteFailed_ ? "ffmpeg could not write the output" : "ffmpeg could not convert the file");
        if (Running(pcm_.get())) pcm_->kill();
    }
    EndWhenAllFinished();
}

void ConversionRun::EndWhenAllFinished()
{
    if (ended_ || Running(encode_.get()) || Running(pcm_.get())) return;
    ended_ = true;
    watchdog_.Stop();
    onDone_(failure_.empty() ? RunResult{true, errorLines_, {}, Written()}
                             : RunResult{false, errorLines_, failure_, Written()});
}

// The output's streams and length as the processes report them. FFmpeg's
// last progress time is the last packet's start, and with a delaying video
// encoder FFmpeg 5.1 reports 0 or less at the end; the frames written at the
// output's rate tell the picture's length. conv's own AMR stream counts its
// samples.
WrittenOutput ConversionRun::Written() const
{
    WrittenOutput written;
    if (encode_) {
        written.video = outputReport_.hasVideo();
        written.audio = outputReport_.hasAudio();
        written.seconds = longestSeconds_;
        if (written.video && outputReport_.framesPerSecond() > 0)
            written.seconds = std::max(written.seconds, static_cast<double>(frames_) / outputReport_.framesPerSecond());
    }
    if (encoder_) {
        const double amrSeconds = static_cast<double>(encoder_->samplesEncoded()) / AmrNbEncoder::kSampleRate;
        written.audio = written.audio || amrSeconds > 0;
        written.seconds = std::max(written.seconds, amrSeconds);
    }
    return written;
}

}  // namespace tavoclip
