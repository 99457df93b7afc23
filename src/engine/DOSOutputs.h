#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "EventPump.h"
#include "MessageSink.h"
#include "ProcessLauncher.h"

namespace tavoclip {

// Runs one console command as a hidden child, hands every piece of its
// output to the owner as soon as it has been read (ReceiveOutputs), keeps the
// whole output (Outputs) and reports the end of the child (CommandOver).
// ExecuteCommand returns only after CommandOver; while it runs, the window's
// events keep being handled nested inside it. Between two looks at the pipe
// it lets the events run and sleeps in a clsWaitableTimer until the child
// has output waiting or has ended, at most 50 ms; once the child has ended
// the rest is drained without pauses.
class DOSOutputs : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t kChunkBytes = 1024;
    static constexpr int kPollMilliseconds = 50;

    // executableName names the wait's timer (see clsWaitableTimer).
    DOSOutputs(ProcessLauncher& launcher, EventPump& pump, MessageSink& messages,
               std::string executableName, QObject* parent = nullptr);

    const std::string& CommandLine() const { return commandLine_; }
    void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }
    const std::string& Outputs() const { return outputs_; }
    // The exit status of the last child that ran to its end; -1 when it was
    // killed or crashed, or before any child has run.
    int ExitStatus() const { return exitStatus_; }
    // How many pauses of the last execution slept their whole 50 ms, that
    // is, found neither output nor the child's end.
    std::size_t FullPauses() const { return fullPauses_; }

    // A non-empty commandLine replaces CommandLine first; the stored line is
    // split by the Windows command-line rules into the program and its
    // arguments. Returns the final Outputs, or empty text when nothing could
    // be started (a message box has then been shown and no notification
    // follows).
    std::string ExecuteCommand(const std::string& commandLine = {});
    // Runs an argument vector as it is (the program first); CommandLine is
    // left as the caller set it, for display. An empty vector counts as an
    // empty command line.
    std::string ExecuteCommand(const std::vector<std::string>& arguments);
    // Asks the running child (of ExecuteCommand or StartCommand) to end;
    // nothing when none runs. CommandOver follows as for any other end.
    void TerminateChild();

    // Starts an argument vector and returns at once, for owners that run
    // several runners side by side: a runner's ExecuteCommand nested inside
    // another's could not report its end before the outer one returned. The
    // output and the end then arrive through ReceiveOutputs and CommandOver
    // as the event loop runs, in chunks of at most kChunkBytes, exactly as
    // ExecuteCommand delivers them. Returns false when nothing could be
    // started (a message box has then been shown and no notification
    // follows). Not to be called while a child of this runner runs.
    bool StartCommand(const std::vector<std::string>& arguments);
    bool Running() const { return static_cast<bool>(child_); }

signals:
    // One chunk of at most kChunkBytes; empty after a failed read.
    void ReceiveOutputs(const std::string& commandOutputs);
    // Once per started child, after it has ended, its output has been
    // drained and the pipe closed; before ExecuteCommand returns.
    void CommandOver();

private:
    std::unique_ptr<ChildProcess> Launch(const std::vector<std::string>& arguments);
    void PollUntilEnded(ChildProcess& child);
    void ScheduleService();
    void Service();
    void EndStartedChild();
    bool ReadChunk(ChildProcess& child);
    void ShowStop(const std::string& text);

    ProcessLauncher& launcher_;
    EventPump& pump_;
    MessageSink& messages_;
    std::string executableName_;
    std::string commandLine_;
    std::string outputs_;
    int exitStatus_ = -1;
    std::size_t fullPauses_ = 0;
    std::unique_ptr<ChildProcess> child_;  // the child of StartCommand while it runs
    bool servicePosted_ = false;
    ChildProcess* polled_ = nullptr;  // the child ExecuteCommand is polling, if any
};

}  // namespace tavoclip
