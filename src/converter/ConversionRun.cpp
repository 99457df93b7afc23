#include "ConversionRun.h"

#include <QEventLoop>
#include <QTimer>

#include "ChildProcess.h"

namespace tavoclip {
namespace {

constexpr int kProgressIntervalMs = 250;
constexpr std::size_t kKeptErrorLines = 20;

QStringList ToQStringList(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) list << QString::fromLocal8Bit(argument);
    return list;
}

bool Succeeded(const QProcess& process) {
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

ConversionRun::ConversionRun(const FfmpegTools& tools, const ConversionPlan& plan, ConsoleOutput& console,
                             QIODevice* amrFile)
    : tools_(tools), plan_(plan), console_(console), amrFile_(amrFile) {}

ConversionRun::~ConversionRun() {
    for (QProcess* process : {encode_.get(), pcm_.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(2000);
        }
    }
}

std::unique_ptr<QProcess> ConversionRun::StartProcess(const std::vector<std::string>& arguments) {
    auto process = std::make_unique<QProcess>();
    PrepareChildProcess(*process);
    QProcess* raw = process.get();
    QObject::connect(raw, &QProcess::readyReadStandardError, [this, raw] { CollectErrors(*raw); });
    QObject::connect(raw, &QProcess::errorOccurred, [this, raw](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) Fail("could not start ffmpeg: " + raw->errorString().toStdString());
    });
    process->start(tools_.ffmpeg, ToQStringList(arguments));
    return process;
}

void ConversionRun::CollectErrors(QProcess& process) {
    const QList<QByteArray> lines = process.readAllStandardError().split('\n');
    for (const QByteArray& line : lines) {
        if (line.trimmed().isEmpty()) continue;
        errorLines_.push_back(line.trimmed().toStdString());
        if (errorLines_.size() > kKeptErrorLines) errorLines_.erase(errorLines_.begin());
    }
}

void ConversionRun::Fail(const std::string& reason) {
    if (failure_.empty()) failure_ = reason;
}

void ConversionRun::ReadPcm() {
    const std::string amr = encoder_->Encode(pcm_->readAllStandardOutput().toStdString());
    if (!amr.empty()) {
        QIODevice* sink = encode_ ? static_cast<QIODevice*>(encode_.get()) : amrFile_;
        if (sink->write(amr.data(), static_cast<qint64>(amr.size())) != static_cast<qint64>(amr.size()))
            Fail("could not write the AMR stream: " + sink->errorString().toStdString());
    }
    if (!encode_) seconds_ = static_cast<double>(encoder_->samplesEncoded()) / AmrNbEncoder::kSampleRate;
}

void ConversionRun::FinishPcm() {
    ReadPcm();
    const std::string last = encoder_->Finish();
    QIODevice* sink = encode_ ? static_cast<QIODevice*>(encode_.get()) : amrFile_;
    if (!last.empty() && sink->write(last.data(), static_cast<qint64>(last.size())) != static_cast<qint64>(last.size()))
        Fail("could not write the AMR stream: " + sink->errorString().toStdString());
    if (encode_) encode_->closeWriteChannel();
    else seconds_ = static_cast<double>(encoder_->samplesEncoded()) / AmrNbEncoder::kSampleRate;
    if (!Succeeded(*pcm_)) {
        Fail("ffmpeg could not decode the audio");
        if (encode_) encode_->kill();
    }
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

bool ConversionRun::Finished(const QProcess* process) const {
    return !process || process->state() == QProcess::NotRunning;
}

RunResult ConversionRun::Run() {
    QEventLoop loop;
    auto quitWhenDone = [this, &loop] {
        if (Finished(encode_.get()) && Finished(pcm_.get())) loop.quit();
    };
    if (plan_.amrMode) encoder_ = std::make_unique<AmrNbEncoder>(plan_.amrMode->mode);
    if (encoder_ && !encoder_->valid()) return {false, {}, "the AMR-NB encoder could not start"};

    if (!plan_.encodeArguments.empty()) {
        encode_ = StartProcess(plan_.encodeArguments);
        QObject::connect(encode_.get(), &QProcess::readyReadStandardOutput, [this] { ReadProgress(); });
        QObject::connect(encode_.get(), &QProcess::finished, [this, quitWhenDone] {
            ReadProgress();
            CollectErrors(*encode_);
            if (!Succeeded(*encode_)) {
                Fail("ffmpeg could not convert the file");
                if (pcm_) pcm_->kill();
            }
            quitWhenDone();
        });
        if (!encoder_) encode_->closeWriteChannel();
    }
    if (!plan_.pcmArguments.empty()) {
        pcm_ = StartProcess(plan_.pcmArguments);
        QObject::connect(pcm_.get(), &QProcess::readyReadStandardOutput, [this] { ReadPcm(); });
        QObject::connect(pcm_.get(), &QProcess::finished, [this, quitWhenDone] {
            CollectErrors(*pcm_);
            FinishPcm();
            quitWhenDone();
        });
    }

    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [this, quitWhenDone] {
        console_.Time(seconds_);
        // A process that failed to start emits no finished().
        quitWhenDone();
    });
    ticker.start(kProgressIntervalMs);
    if (!(Finished(encode_.get()) && Finished(pcm_.get()))) loop.exec();
    ticker.stop();

    if (!failure_.empty()) return {false, errorLines_, failure_};
    console_.Time(seconds_);
    return {true, errorLines_, {}};
}

}  // namespace tavoclip
