#pragma once

#include <functional>
#include <memory>

#include <QSocketNotifier>

namespace tavoclip {

// Turns SIGINT, SIGTERM and SIGHUP into an ordinary event-loop callback, so
// that an interrupted conv still stops its FFmpeg children and removes its
// temporary file. Construct it first thing in main, before any thread or
// child exists: the signals are blocked for the process and read from a
// signalfd (Linux; elsewhere the signals keep their default action).
class InterruptSignals {
public:
    InterruptSignals();
    ~InterruptSignals();
    InterruptSignals(const InterruptSignals&) = delete;
    InterruptSignals& operator=(const InterruptSignals&) = delete;

    // Called with the signal number; only the latest callback is kept.
    // Needs the QCoreApplication to exist.
    void OnSignal(std::function<void(int)> callback);

    // For a child between fork and exec: gives it the default signal mask
    // back. Async-signal-safe.
    static void UnblockInChild();

private:
    void Read();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void(int)> callback_;
};

}  // namespace tavoclip
