#include "DOSOutputs.h"

#include <optional>

namespace tavoclip {
namespace {
const std::string kTitle = "Tavoclip";
}

DOSOutputs::DOSOutputs(ProcessLauncher& launcher, MessageSink& messages, QObject* parent)
    : QObject(parent), launcher_(launcher), messages_(messages) {}

bool DOSOutputs::StartCommand(const std::vector<std::string>& arguments)
{
    if (arguments.empty()) {
        ShowStop("Command Line empty");
        return false;
    }
    LaunchResult launch = launcher_.Launch(arguments);
    if (launch.failure != LaunchFailure::None || !launch.child) {
        ShowStop("File or command not found");
        return false;
    }
    child_ = std::move(launch.child);
    outputs_.clear();
    exitStatus_ = -1;
    child_->SetActivityHandler([this] { ScheduleService(); });
    ScheduleService();  // the child may have written or ended already
    return true;
}

// The child's own signal must not destroy it, so the work runs once the
// signal has returned; one queued call serves any number of signals.
void DOSOutputs::ScheduleService()
{
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

// Drains what has been gathered so far (the pipe refills only while the
// event loop runs, so this ends), then reports the end once the child has
// ended with nothing left unread, or a read has failed.
void DOSOutputs::Service()
{
    if (!child_) return;
    while (child_->BytesWaiting() != 0) {
        if (!ReadChunk()) {
            EndChild();
            return;
        }
    }
    if (child_->HasEnded()) EndChild();
}

void DOSOutputs::EndChild()
{
    exitStatus_ = child_->exitStatus();
    child_->SetActivityHandler({});
    child_.reset();  // closes the pipe before the owner hears of the end
    emit CommandOver();
}

bool DOSOutputs::ReadChunk()
{
    const std::optional<std::string> read = child_->Read(kChunkBytes);
    const std::string chunk = read.value_or(std::string());
    Keep(chunk);
    emit ReceiveOutputs(chunk);
    return read.has_value();
}

// Trimmed only once twice the kept size has gathered, so a flood costs one
// move per kKeptOutputBytes rather than one per chunk.
void DOSOutputs::Keep(const std::string& chunk)
{
    outputs_ += chunk;
    if (outputs_.size() > 2 * kKeptOutputBytes) outputs_.erase(0, outputs_.size() - kKeptOutputBytes);
}

void DOSOutputs::TerminateChild()
{
    if (child_) child_->Terminate();
}

void DOSOutputs::ShowStop(const std::string& text) { messages_.ShowMessage(text, kTitle, MessageIcon::Stop); }

}  // namespace tavoclip
