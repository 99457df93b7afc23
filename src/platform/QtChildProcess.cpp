#include "QtChildProcess.h"

namespace tavoclip {

QtChildProcess::QtChildProcess(std::unique_ptr<QProcess> process) : process_(std::move(process))
{
    // The connections die with the process, which this object owns.
    const auto notify = [this] {
        if (activity_) activity_();
    };
    QObject::connect(process_.get(), &QProcess::readyRead, notify);
    QObject::connect(process_.get(), &QProcess::finished, notify);
}

// The window may end while its converter works; the converter finishes the
// file in hand on its own (it ignores the broken pipe). QProcess's destructor
// would kill it, so a running child's QProcess is closed on our side and
// left to the end of this process instead.
QtChildProcess::~QtChildProcess()
{
    if (process_->state() == QProcess::NotRunning) return;
    activity_ = {};
    process_->disconnect();
    process_->closeReadChannel(QProcess::StandardOutput);
    [[maybe_unused]] QProcess* detached = process_.release();
}

void QtChildProcess::SetActivityHandler(std::function<void()> handler) { activity_ = std::move(handler); }

std::int64_t QtChildProcess::BytesWaiting() { return process_->bytesAvailable(); }

std::optional<std::string> QtChildProcess::Read(std::size_t maxBytes)
{
    std::string chunk(maxBytes, '\0');
    const qint64 count = process_->read(chunk.data(), static_cast<qint64>(maxBytes));
    if (count < 0) return std::nullopt;
    chunk.resize(static_cast<std::size_t>(count));
    return chunk;
}

// QProcess reads the rest of the pipe before it reports the end, so an ended
// child has nothing left in the pipe that BytesWaiting does not count.
bool QtChildProcess::HasEnded() { return process_->state() == QProcess::NotRunning; }

int QtChildProcess::exitStatus()
{
    if (process_->state() != QProcess::NotRunning || process_->exitStatus() == QProcess::CrashExit) return -1;
    return process_->exitCode();
}

}  // namespace tavoclip
