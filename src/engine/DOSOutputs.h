#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "ProcessLauncher.h"

namespace tavoclip {

// Runs one converter as a hidden child without waiting for it: StartCommand
// returns at once, and as the event loop runs every piece of the child's
// output reaches the owner as soon as it has been read (ReceiveOutputs),
// then the child's end (CommandOver). Several runners run side by side, each
// reporting its own child; nothing nests, so a long batch never deepens the
// stack. The runner keeps the tail of the output (outputs()) for the failure
// report, never all of it: a child that floods its output cannot grow memory
// without bound.
class DOSOutputs : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t kChunkBytes = 1024;
    // outputs() keeps at least this much of the end of the output, and at most
    // twice as much.
    static constexpr std::size_t kKeptOutputBytes = 64 * 1024;

    DOSOutputs(ProcessLauncher& launcher, MessageSink& messages, QObject* parent = nullptr);

    // The end of what the last child wrote (see kKeptOutputBytes).
    const std::string& outputs() const { return outputs_; }
    // The exit status of the last child that ran to its end; -1 when it was
    // killed or crashed, or before any child has run.
    int exitStatus() const { return exitStatus_; }

    // Starts an argument vector as it is (the program first, no shell) and
    // returns at once. The output and the end then arrive through
    // ReceiveOutputs and CommandOver, in chunks of at most kChunkBytes.
    // Returns false when nothing could be started: a stop message has then
    // been shown ("Command Line empty" for an empty vector, otherwise "File
    // or command not found") and no notification follows. Not to be called
    // while a child of this runner runs.
    bool StartCommand(const std::vector<std::string>& arguments);
    // Asks the running child to end; nothing when none runs. CommandOver
    // follows as for any other end.
    void TerminateChild();
    bool running() const { return static_cast<bool>(child_); }

signals:
    // One chunk of at most kChunkBytes; empty after a failed read.
    void ReceiveOutputs(const std::string& commandOutputs);
    // Once per started child, after it has ended, its output has been
    // drained and the pipe closed.
    void CommandOver();

private:
    void ScheduleService();
    void Service();
    void EndChild();
    bool ReadChunk();
    void Keep(const std::string& chunk);
    void ShowStop(const std::string& text);

    ProcessLauncher& launcher_;
    MessageSink& messages_;
    std::string outputs_;
    int exitStatus_ = -1;
    // The running child; a child still running when the runner goes is left
    // to run (see ChildProcess).
    std::unique_ptr<ChildProcess> child_;
    bool servicePosted_ = false;
};

}  // namespace tavoclip
