#include "BatchDriver.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "FileJudge.h"
#include "Utf8Text.h"

namespace tavoclip {
namespace {

const std::string kTitle = "Tavoclip";
constexpr PathStyle kPathStyle = PathStyle::Posix;

// A converter given in place of data/conv also replaces the first word of
// the text, so the line shown (and printed by a dry run) is what runs.
std::string ReplaceProgramWord(const std::string& text, const std::string& oldProgram, const std::string& newProgram)
{
    const std::string quotedOld = '"' + oldProgram + '"';
    if (text.starts_with(quotedOld)) return newProgram + text.substr(quotedOld.size());
    if (text.starts_with(oldProgram)) return newProgram + text.substr(oldProgram.size());
    return text;
}

}  // namespace

BatchDriver::BatchDriver(BatchView& view, SourceQueue& queue, const std::vector<DOSOutputs*>& runners,
                         const ConversionOptions& options, BatchServices services, BatchProgram program,
                         QObject* parent)
    : QObject(parent),
      view_(view),
      queue_(queue),
      options_(options),
      services_(services),
      program_(std::move(program))
{
    timer1_.setSingleShot(true);
    timer1_.setInterval(kTimerMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &BatchDriver::Timer1_Timer);
    queue_.AddListener(this);
    for (DOSOutputs* runner : runners) {
        Slot& slot = *slots_.emplace_back(std::make_unique<Slot>());
        slot.runner = runner;
        connect(runner, &DOSOutputs::ReceiveOutputs, this, [this, &slot](const std::string& chunk) {
            SlotOutput(slot, chunk);
        });
        connect(runner, &DOSOutputs::CommandOver, this, [this, &slot] { SlotOver(slot); });
    }
    runnersWanted_ = runnersInUse_ = slots_.size();
}

BatchDriver::~BatchDriver() { queue_.RemoveListener(this); }

void BatchDriver::SetRunnersInUse(std::size_t count)
{
    runnersWanted_ = std::clamp<std::size_t>(count, 1, slots_.size());
    if (!batchRunning_) runnersInUse_ = runnersWanted_;
}

void BatchDriver::Start()
{
    if (batchRunning_) return;
    if (queue_.count() < 1) {
        view_.ShowMessage("Please add a file", "Add", MessageIcon::Exclamation);
        return;
    }
    failures_.clear();
    begunInQueue_.clear();
    names_ = ReservationsForQueue();
    batchRunning_ = true;
    stopRequested_ = false;
    launchFailed_ = false;
    startedCount_ = 0;
    convertedCount_ = 0;
    runnersInUse_ = runnersWanted_;
    view_.BatchStarted();
    timer1_.start();
}

void BatchDriver::Timer1_Timer()
{
    timer1_.stop();
    services_.pump.ProcessPendingEvents();
    ConvertNext();
}

// The next step runs once the notification that asks for it has returned,
// so a long queue never nests one call per file. Several ends before the
// step runs share it: one step looks at every slot.
void BatchDriver::ScheduleStep()
{
    if (stepPosted_) return;
    stepPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            stepPosted_ = false;
            ConvertNext();
        },
        Qt::QueuedConnection);
}

// The batch step. Once the batch has ended nothing starts any more, however
// many ends asked for a step: the end is always the batch's last word.
void BatchDriver::ConvertNext()
{
    if (!batchRunning_) return;
    if (stopRequested_) {
        // The last converter to end closes the batch.
        if (FilesInHand() == 0) EndStopped(true);
        return;
    }
    // A folder name that cannot be passed on unchanged is never created
    // under another name; each file is refused instead.
    const std::string folder = OutputFolder();
    if (IsValidUtf8(folder)) services_.directories.MakeDirectory(folder);
    FillSlots();
}

// Starts the next files while slots are free; ends the batch once no file
// is in hand and none can start.
void BatchDriver::FillSlots()
{
    for (std::size_t i = 0; i < runnersInUse_; ++i) {
        if (launchFailed_ || begunInQueue_.size() >= queue_.count()) break;
        Slot& slot = *slots_[i];
        if (slot.position == 0 && !StartInSlot(slot, begunInQueue_.size())) break;
    }
    if (FilesInHand() > 0) return;
    if (launchFailed_) {
        EndStopped(false);
    } else {
        Finish();
    }
}

// Refuses the queue's entry at queueIndex, if the batch must, reporting it
// as started and failed and taking it out of the queue; the entries begun
// before it keep their places.
bool BatchDriver::RefusedInPlace(std::size_t queueIndex)
{
    const std::string source = queue_.at(queueIndex).path;
    const std::string refusal = RefusalFor(source);
    if (refusal.empty()) return false;
    ++startedCount_;
    emit fileStarted(startedCount_, startedCount_ - 1 + queue_.count() - queueIndex, ConverterCommand{}, source);
    FileOutcome outcome{source, {}, false, refusal};
    outcome.position = startedCount_;
    CountOutcome(outcome);
    queue_.RemoveSourceAt(queueIndex + 1);
    return true;
}

bool BatchDriver::StartInSlot(Slot& slot, std::size_t queueIndex)
{
    while (queueIndex < queue_.count() && RefusedInPlace(queueIndex)) {
    }
    if (queueIndex >= queue_.count()) return false;
    const std::string source = queue_.at(queueIndex).path;
    const ConverterCommand command = ReserveCommand(queue_.at(queueIndex));
    ++startedCount_;
    slot.source = source;
    slot.output = command.outputPath;
    slot.position = startedCount_;
    slot.tracker.ResetTotal();
    begunInQueue_.push_back(slot.position);
    // The files begun so far and those after this one.
    emit fileStarted(startedCount_, startedCount_ - 1 + queue_.count() - queueIndex, command, source);
    if (slot.runner->StartCommand(command.arguments)) return true;
    // The runner has said why. The file stays in the queue and nothing
    // further starts; the files in hand still run to their end, and then the
    // controls come back so the user can fix the converter and start again.
    FileOutcome outcome{source, slot.output, false, "the converter could not be started"};
    outcome.position = slot.position;
    slot.position = 0;
    launchFailed_ = true;
    emit fileEnded(outcome);
    return false;
}

void BatchDriver::SlotOutput(Slot& slot, const std::string& chunk)
{
    const std::optional<ProgressDisplay> display = slot.tracker.Feed(chunk, options_);
    if (!display || slot.position == 0) return;
    const float share = std::clamp(display->barWidthTwips / ProgressTracker::kFullBarTwips, 0.0f, 1.0f);
    emit fileProgress(slot.position, share, display->caption);
}

// The file's outcome is counted and reported and the file leaves the queue,
// whatever the converter did; only a file stopped in the middle stays.
void BatchDriver::SlotOver(Slot& slot)
{
    FileOutcome outcome = JudgeFile(slot.source, slot.output, slot.runner->exitStatus(), slot.runner->outputs());
    outcome.position = slot.position;
    slot.position = 0;
    if (!outcome.converted && stopRequested_) {
        // Not a failure of the file, which stays queued (and begun, which
        // keeps the other files' places in the queue as they are).
        ScheduleStep();
        return;
    }
    CountOutcome(outcome);
    const auto at = std::find(begunInQueue_.begin(), begunInQueue_.end(), outcome.position);
    queue_.RemoveSourceAt(static_cast<std::size_t>(at - begunInQueue_.begin()) + 1);
    begunInQueue_.erase(at);
    ScheduleStep();
}

void BatchDriver::CountOutcome(const FileOutcome& outcome)
{
    if (outcome.converted) {
        ++convertedCount_;
    } else {
        failures_.push_back({outcome.source, outcome.reason});
    }
    emit fileEnded(outcome);
}

std::size_t BatchDriver::FilesInHand() const
{
    return static_cast<std::size_t>(
        std::count_if(slots_.begin(), slots_.end(), [](const auto& slot) { return slot->position != 0; }));
}

void BatchDriver::Stop()
{
    if (!batchRunning_ || stopRequested_) return;
    stopRequested_ = true;
    if (timer1_.isActive()) {
        timer1_.stop();
        ScheduleStep();
        return;
    }
    // Without a converter in hand, the step already queued sees the request.
    for (const auto& slot : slots_) {
        if (slot->position != 0) slot->runner->TerminateChild();
    }
}

// The folder opens and the sound plays before the controls come back; the
// failure report comes last, then the end.
void BatchDriver::Finish()
{
    batchRunning_ = false;
    services_.folders.OpenFolder(OutputFolder());
    if (options_.soundOn()) {
        services_.sounds.PlayAndWait(program_.programFolder + PathSeparator(kPathStyle) + "sound.wav");
    }
    view_.BatchEnded();
    emit progressCleared("Done.");
    ReportFailures();
    emit batchEnded(false, 0);
}

// Stopped by Stop (emptyDisplay) or because a converter could not be
// started; the file that could not be started is still queued, and failed.
void BatchDriver::EndStopped(bool emptyDisplay)
{
    batchRunning_ = false;
    view_.BatchEnded();
    if (emptyDisplay) {
        emit progressCleared({});
        ReportFailures();
        emit batchEnded(true, queue_.count());
        return;
    }
    emit batchEnded(true, queue_.count() - 1);
}

void BatchDriver::ReportFailures()
{
    if (failures_.empty()) return;
    std::string text = "These files were not converted:\n";
    for (const BatchFailure& failure : failures_) text += "\n" + failure.source + ": " + failure.reason;
    view_.ShowMessage(text, kTitle, MessageIcon::Exclamation);
}

std::string BatchDriver::RefusalFor(const std::string& source) const
{
    if (!IsValidUtf8(source)) return "the file's name is not valid UTF-8, so it cannot be passed on unchanged";
    const std::string folder = OutputFolder();
    if (!IsValidUtf8(folder)) return "the output folder's name is not valid UTF-8, so it cannot be passed on unchanged";
    std::error_code error;
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error)) {
        return "the output folder " + folder + " is a file, not a folder";
    }
    return {};
}

// The folder the outputs go to: the folder text as typed, or the default
// output folder when the text is empty (never the file system's root).
std::string BatchDriver::OutputFolder() const
{
    return settings_.outputFolder.empty() ? defaultOutputFolder_ : settings_.outputFolder;
}

ConverterCommand BatchDriver::CommandFor(const SourceEntry& source) const
{
    const BatchSelections& selections = settings_.selections;
    ConversionRequest request;
    request.programFolder = program_.programFolder;
    request.sourcePath = source.path;
    request.outputFolder = OutputFolderFor(OutputFolder(), source, placement_.keepFolders, kPathStyle);
    request.formatIndex = selections.formatIndex;
    request.videoBitrate = selections.videoBitrate;
    request.screenSize = selections.screenSize;
    request.audioBitrate = selections.audioBitrate;
    request.options = options_;
    ConverterCommand command = BuildConverterCommand(request, kPathStyle);
    if (!program_.converterOverride.empty() && !command.empty()) {
        command.text = ReplaceProgramWord(command.text, command.arguments.front(), program_.converterOverride);
        command.arguments.front() = program_.converterOverride;
    }
    if (placement_.replaceExisting) AllowReplacing(command);
    return command;
}

ConverterCommand BatchDriver::ReserveCommand(const SourceEntry& source)
{
    ConverterCommand command = CommandFor(source);
    if (command.empty()) return command;
    const std::string folder = OutputFolderFor(OutputFolder(), source, placement_.keepFolders, kPathStyle);
    for (const std::string& level : FoldersBelow(OutputFolder(), folder, kPathStyle))
        services_.directories.MakeDirectory(level);
    SetOutputPath(command, names_.Reserve(command.outputPath));
    return command;
}

std::vector<ConverterCommand> BatchDriver::PlannedCommands() const
{
    OutputNameReservations names = ReservationsForQueue();
    std::vector<ConverterCommand> commands;
    for (std::size_t i = 0; i < queue_.count(); ++i) {
        if (!RefusalFor(queue_.at(i).path).empty()) continue;
        ConverterCommand command = CommandFor(queue_.at(i));
        if (!command.empty()) SetOutputPath(command, names.Reserve(command.outputPath));
        commands.push_back(std::move(command));
    }
    return commands;
}

OutputNameReservations BatchDriver::ReservationsForQueue() const
{
    OutputNameReservations names(placement_.replaceExisting);
    for (std::size_t i = 0; i < queue_.count(); ++i) names.AddSource(queue_.at(i).path);
    return names;
}

// A file added while a batch runs is one of its sources from then on, even
// if it leaves the queue before its turn.
void BatchDriver::SourceAppended(std::size_t index)
{
    if (batchRunning_) names_.AddSource(queue_.at(index).path);
}

}  // namespace tavoclip
