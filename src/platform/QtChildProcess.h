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

    std::int64_t BytesWaiting() override;
    std::optional<std::string> Read(std::size_t maxBytes) override;
    bool HasEnded() override;
    int ExitStatus() override;

private:
    std::unique_ptr<QProcess> process_;
};

}  // namespace tavoclip
