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
    std::unique_ptr<ChildProcess> child = Launch(arguments);
    if (!child) return {};
    outputs_.clear();
    exitStatus_ = -1;
    polled_ = child.get();
    PollUntilEnded(*child);
    polled_ = nullptr;
    exitStatus_ = child->ExitStatus();
    child.reset();  // closes the pipe before the owner hears of the end
    emit CommandOver();
    return outputs_;
}

bool DOSOutputs::StartCommand(const std::vector<std::string>& arguments) {
    child_ = Launch(arguments);
    if (!child_) return false;
    outputs_.clear();
    exitStatus_ = -1;
    fullPauses_ = 0;
    child_->SetActivityHandler([this] { ScheduleService(); });
    ScheduleService();  // the child may have written or ended already
    return true;
}

// The child's own signal must not destroy it, so the work runs once the
// signal has returned; one queued call serves any number of signals.
void DOSOutputs::ScheduleService() {
    if (servicePosted_) return;
    servicePosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            servicePosted_ = false;
            Service();
        },
        Qt::QueuedConnection);
}

void DOSOutputs::Service() {
    if (!child_) return;
    while (child_->BytesWaiting() != 0) {
        if (!ReadChunk(*child_)) {
            EndStartedChild();
            return;
        }
    }
    if (child_->HasEnded()) EndStartedChild();
}

void DOSOutputs::EndStartedChild() {
    exitStatus_ = child_->ExitStatus();
    child_->SetActivityHandler({});
    child_.reset();
    emit CommandOver();
}

std::unique_ptr<ChildProcess> DOSOutputs::Launch(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        ShowStop("Command Line empty");
        return nullptr;
    }
    LaunchResult launch = launcher_.Launch(arguments);
    if (launch.failure == LaunchFailure::PipeFailed) {
        ShowStop("CreatePipe failed. Error: " + std::to_string(launch.errorCode));
        return nullptr;
    }
    if (launch.failure != LaunchFailure::None || !launch.child) {
        ShowStop("File or command not found");
        return nullptr;
    }
    return std::move(launch.child);
}

// Ends when our own child has ended and everything it wrote has been
// delivered, or when a read fails. Which other processes run on the machine
// does not matter: another user's converter must not hold up this one.
void DOSOutputs::PollUntilEnded(ChildProcess& child) {
    std::optional<clsWaitableTimer> wait;
    child.SetActivityHandler([&wait] {
        if (wait) wait->Wake();
    });
    const auto somethingToDo = [&child] { return child.BytesWaiting() != 0 || child.HasEnded(); };
    fullPauses_ = 0;
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
        if (wait->WaitUntil(kPollMilliseconds, somethingToDo)) ++fullPauses_;
    }
    child.SetActivityHandler({});
}

bool DOSOutputs::ReadChunk(ChildProcess& child) {
    const std::optional<std::string> read = child.Read(kChunkBytes);
    const std::string chunk = read.value_or(std::string());
    outputs_ += chunk;
    emit ReceiveOutputs(chunk);
    return read.has_value();
}

void DOSOutputs::TerminateChild() {
    if (polled_) polled_->Terminate();
    if (child_) child_->Terminate();
}

void DOSOutputs::ShowStop(const std::string& text) { messages_.ShowMessage(text, kTitle, MessageIcon::Stop); }

}  // namespace tavoclip
