#pragma once

#include <QProcess>

#include <memory>

#include "ChildProcess.h"

namespace tavoclip {

// A child started by QtProcessLauncher. QProcess moves the pipe's contents
// into its own buffer whenever the event loop runs, so BytesWaiting counts
// what has been gathered so far without blocking.
class QtChildProcess final : public ChildProcess {
public:
    explicit QtChildProcess(std::unique_ptr<QProcess> process);
    // A child that still runs is left running (QProcess would kill it).
    ~QtChildProcess() override;

    std::int64_t BytesWaiting() override;
    std::optional<std::string> Read(std::size_t maxBytes) override;
    bool HasEnded() override;
    int exitStatus() override;
    // Called on readyRead and on finished.
    void SetActivityHandler(std::function<void()> handler) override;
    void Terminate() override { process_->terminate(); }

private:
    // Declared first so it outlives the process, whose destruction may still
    // report the end.
    std::function<void()> activity_;
    std::unique_ptr<QProcess> process_;
};

}  // namespace tavoclip
