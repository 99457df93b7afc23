#include "ConversionRun.h"

#include "PrepareChildProcess.h"

namespace tavoclip {
namespace {

constexpr std::size_t kKeptErrorLines = 20;

QStringList ToQStringList(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) list << QString::fromLocal8Bit(argument);
    return list;
}

bool Succeeded(const QProcess& process) {
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool Running(const QProcess* process) { return process && process->state() != QProcess::NotRunning; }

}  // namespace

ConversionRun::ConversionRun(const FfmpegTools& tools, const ConversionPlan& plan, QIODevice* amrFile,
                             std::function<void(RunResult)> onDone)
    : tools_(tools), plan_(plan), amrFile_(amrFile), onDone_(std::move(onDone)) {}

ConversionRun::~ConversionRun() {
    for (QProcess* process : {encode_.get(), pcm_.get()}) {
        if (!process) continue;
        process->disconnect();
        if (process->state() == QProcess::NotRunning) continue;
        process->kill();
        process->waitForFinished(5000);
    }
}

void ConversionRun::Start() {
    if (plan_.amrMode) {
        encoder_ = std::make_unique<AmrNbEncoder>(plan_.amrMode->mode);
        if (!encoder_->valid()) {
            Fail("the AMR-NB encoder could not start");
            return EndWhenAllFinished();
        }
    }
    if (!plan_.encodeArguments.empty()) {
        encode_ = StartProcess(plan_.encodeArguments);
        QObject::connect(encode_.get(), &QProcess::readyReadStandardOutput, [this] { ReadProgress(); });
        QObject::connect(encode_.get(), &QProcess::finished, [this] { EncodeFinished(); });
        if (!encoder_) encode_->closeWriteChannel();
    }
    if (!plan_.pcmArguments.empty()) {
        pcm_ = StartProcess(plan_.pcmArguments);
        QObject::connect(pcm_.get(), &QProcess::readyReadStandardOutput, [this] { ReadPcm(); });
        QObject::connect(pcm_.get(), &QProcess::finished, [this] { FinishPcm(); });
    }
}

std::unique_ptr<QProcess> ConversionRun::StartProcess(const std::vector<std::string>& arguments) {
    auto process = std::make_unique<QProcess>();
    PrepareChildProcess(*process);
    QProcess* raw = process.get();
    QObject::connect(raw, &QProcess::readyReadStandardError, [this, raw] { CollectErrors(*raw); });
    QObject::connect(raw, &QProcess::errorOccurred, [this, raw](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        Fail("could not start ffmpeg: " + raw->errorString().toStdString());
        EndWhenAllFinished();  // a process that never started sends no finished()
    });
    process->start(tools_.ffmpeg, ToQStringList(arguments));
    return process;
}

void ConversionRun::CollectErrors(QProcess& process) {
    for (const QByteArray& line : process.readAllStandardError().split('\n')) {
        if (line.trimmed().isEmpty()) continue;
        errorLines_.push_back(line.trimmed().toStdString());
        if (errorLines_.size() > kKeptErrorLines) errorLines_.erase(errorLines_.begin());
    }
}

void ConversionRun::Fail(const std::string& reason) {
    if (failure_.empty()) failure_ = reason;
}

void ConversionRun::WriteAmr(const std::string& amr) {
    if (amr.empty()) return;
    QIODevice* sink = encode_ ? static_cast<QIODevice*>(encode_.get()) : amrFile_;
    if (sink->write(amr.data(), static_cast<qint64>(amr.size())) != static_cast<qint64>(amr.size()))
        Fail("could not write the AMR stream: " + sink->errorString().toStdString());
}

void ConversionRun::ReadPcm() {
    WriteAmr(encoder_->Encode(pcm_->readAllStandardOutput().toStdString()));
    if (!encode_) seconds_ = static_cast<double>(encoder_->samplesEncoded()) / AmrNbEncoder::kSampleRate;
}

void ConversionRun::FinishPcm() {
    CollectErrors(*pcm_);
    ReadPcm();
    WriteAmr(encoder_->Finish());
    if (!encode_) seconds_ = static_cast<double>(encoder_->samplesEncoded()) / AmrNbEncoder::kSampleRate;
    if (!Succeeded(*pcm_)) {
        Fail("ffmpeg could not decode the audio");
        if (encode_) encode_->kill();
    }
    // End of the AMR stream: the muxing FFmpeg finishes the file.
    if (encode_) encode_->closeWriteChannel();
    EndWhenAllFinished();
}

// FFmpeg's -progress output: key=value lines, out_time_us in microseconds.
void ConversionRun::ReadProgress() {
    progressBuffer_ += encode_->readAllStandardOutput();
    qsizetype end;
    while ((end = progressBuffer_.indexOf('\n')) >= 0) {
        const QByteArray line = progressBuffer_.left(end).trimmed();
        progressBuffer_.remove(0, end + 1);
        if (!line.startsWith("out_time_us=")) continue;
        bool ok = false;
        const qlonglong micro = line.mid(12).toLongLong(&ok);
        if (ok && micro >= 0) seconds_ = static_cast<double>(micro) / 1e6;
    }
}

void ConversionRun::EncodeFinished() {
    ReadProgress();
    CollectErrors(*encode_);
    if (!Succeeded(*encode_)) {
        Fail("ffmpeg could not convert the file");
        if (Running(pcm_.get())) pcm_->kill();
    }
    EndWhenAllFinished();
}

void ConversionRun::EndWhenAllFinished() {
    if (ended_ || Running(encode_.get()) || Running(pcm_.get())) return;
    ended_ = true;
    onDone_(failure_.empty() ? RunResult{true, errorLines_, {}} : RunResult{false, errorLines_, failure_});
}

}  // namespace tavoclip
