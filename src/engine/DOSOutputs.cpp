#include "DOSOutputs.h"

#include <optional>

#include "WindowsCommandLine.h"
#include "clsWaitableTimer.h"

namespace tavoclip {
namespace {
const std::string kTitle = "Tavoclip";
}

DOSOutputs::DOSOutputs(ProcessLauncher& launcher, EventPump& pump, MessageSink& messages,
                       std::string executableName, QObject* parent)
    : QObject(parent),
      launcher_(launcher),
      pump_(pump),
      messages_(messages),
      executableName_(std::move(executableName)) {}

std::string DOSOutputs::ExecuteCommand(const std::string& commandLine) {
    if (!commandLine.empty()) commandLine_ = commandLine;
    return ExecuteCommand(SplitWindowsCommandLine(commandLine_));
}

std::string DOSOutputs::ExecuteCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        ShowStop("Command Line empty");
        return {};
    }
    LaunchResult launch = launcher_.Launch(arguments);
    if (launch.failure == LaunchFailure::PipeFailed) {
        ShowStop("CreatePipe failed. Error: " + std::to_string(launch.errorCode));
        return {};
    }
    if (launch.failure != LaunchFailure::None || !launch.child) {
        ShowStop("File or command not found");
        return {};
    }
    outputs_.clear();
    exitStatus_ = -1;
    PollUntilEnded(*launch.child);
    exitStatus_ = launch.child->ExitStatus();
    launch.child.reset();  // closes the pipe before the owner hears of the end
    emit CommandOver();
    return outputs_;
}

// Ends when our own child has ended and everything it wrote has been
// delivered, or when a read fails. Which other processes run on the machine
// does not matter: another user's converter must not hold up this one.
void DOSOutputs::PollUntilEnded(ChildProcess& child) {
    std::optional<clsWaitableTimer> wait;
    bool keepGoing = true;
    while (keepGoing) {
        if (child.BytesWaiting() != 0) {
            keepGoing = ReadChunk(child);
        } else if (child.HasEnded()) {
            keepGoing = false;
        }
        pump_.ProcessPendingEvents();
        if (!keepGoing) break;  // no pause after the last look at the pipe
        if (!wait) wait.emplace(executableName_);
        wait->Wait(kPollMilliseconds);
    }
}

bool DOSOutputs::ReadChunk(ChildProcess& child) {
    const std::optional<std::string> read = child.Read(kChunkBytes);
    const std::string chunk = read.value_or(std::string());
    outputs_ += chunk;
    emit ReceiveOutputs(chunk);
    return read.has_value();
}

void DOSOutputs::ShowStop(const std::string& text) { messages_.ShowMessage(text, kTitle, MessageIcon::Stop); }

}  // namespace tavoclip
