#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace tavoclip {

// Turns SIGTERM, SIGINT and SIGHUP into an ordinary event-loop callback, so
// that tavoclip-batch can stop its converter and print its summary instead
// of dying with the converter left running. The handlers only write the
// signal's number into a pipe the event loop watches (async-signal-safe).
// Children get the default actions back when they start a program, as exec
// does for every caught signal. One object per process; while it lives the
// three signals no longer end the program by themselves.
class StopSignals {
public:
    // Needs the QCoreApplication to exist.
    explicit StopSignals(std::function<void(int)> onSignal);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    void Read();

    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tavoclip
