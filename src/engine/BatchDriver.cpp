#include "BatchDriver.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "Utf8Text.h"
#include "WrittenOutputLine.h"

namespace tavoclip {
namespace {

const std::string kTitle = "Tavoclip";
constexpr std::array kToolbarIndexes{0, 1, 2, 3, 4, 6};
constexpr int kMenuCount = 3;

// The last line the converter printed, for the failure report. Progress
// lines end in a carriage return, so both line ends split.
std::string LastLine(const std::string& output) {
    const std::size_t end = output.find_last_not_of("\r\n \t");
    if (end == std::string::npos) return {};
    const std::size_t lineEnd = output.find_last_of("\r\n", end);
    const std::size_t start = lineEnd == std::string::npos ? 0 : lineEnd + 1;
    return output.substr(start, end + 1 - start);
}

// A converter given in place of data/conv also replaces the first word of
// the text, so the line shown (and printed by a dry run) is what runs.
std::string ReplaceProgramWord(const std::string& text, const std::string& oldProgram, const std::string& newProgram,
                               PathStyle style) {
    std::string newWord = newProgram;
    if (style == PathStyle::Windows && newWord.find(' ') != std::string::npos) newWord = '"' + newWord + '"';
    const std::string quotedOld = '"' + oldProgram + '"';
    if (text.starts_with(quotedOld)) return newWord + text.substr(quotedOld.size());
    if (text.starts_with(oldProgram)) return newWord + text.substr(oldProgram.size());
    return text;
}

std::uintmax_t FileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(std::filesystem::path(path), error);
    return error ? 0 : size;
}

}  // namespace

BatchDriver::BatchDriver(BatchView& view, SourceQueue& queue, DOSOutputs& runner, ProgressTracker& tracker,
                         const ConversionOptions& options, BatchServices services, BatchProgram program,
                         QObject* parent)
    : BatchDriver(view, queue, std::vector<DOSOutputs*>{&runner}, tracker, options, services, std::move(program),
                  parent) {}

BatchDriver::BatchDriver(BatchView& view, SourceQueue& queue, const std::vector<DOSOutputs*>& runners,
                         ProgressTracker& tracker, const ConversionOptions& options, BatchServices services,
                         BatchProgram program, QObject* parent)
    : QObject(parent),
      view_(view),
      queue_(queue),
      runner_(*runners.front()),
      tracker_(tracker),
      options_(options),
      services_(services),
      program_(std::move(program)) {
    timer1_.setSingleShot(true);
    timer1_.setInterval(kTimerMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &BatchDriver::Timer1_Timer);
    queue_.AddListener(this);
    if (runners.size() == 1) {
        connect(&runner_, &DOSOutputs::ReceiveOutputs, this, &BatchDriver::objDOS_ReceiveOutputs);
        connect(&runner_, &DOSOutputs::CommandOver, this, &BatchDriver::objDOS_CommandOver);
        return;
    }
    for (DOSOutputs* runner : runners) {
        Slot& slot = *slots_.emplace_back(std::make_unique<Slot>());
        slot.runner = runner;
        connect(runner, &DOSOutputs::ReceiveOutputs, this, [this, &slot](const std::string& chunk) {
            SlotOutput(slot, chunk);
        });
        connect(runner, &DOSOutputs::CommandOver, this, [this, &slot] { SlotOver(slot); });
    }
}

BatchDriver::~BatchDriver() { queue_.RemoveListener(this); }

void BatchDriver::Start() {
    if (queue_.count() < 1) {
        view_.ShowMessage("Please add a file", "Add", MessageIcon::Exclamation);
        return;
    }
    failures_.clear();
    begunInQueue_.clear();
    launchFailed_ = false;
    names_ = ReservationsForQueue();
    batchRunning_ = true;
    stopRequested_ = false;
    startedCount_ = 0;
    convertedCount_ = 0;
    SetBatchControlsEnabled(false);
    timer1_.start();
}

void BatchDriver::Timer1_Timer() {
    timer1_.stop();
    services_.pump.ProcessPendingEvents();
    ConvertNext();
}

void BatchDriver::ConvertNext() {
    if (stopRequested_) {
        // With several converters, the last one to end closes the batch.
        if (FilesInHand() == 0) EndStopped();
        return;
    }
    // A folder name that cannot be passed on unchanged is never created
    // under another name; each file is refused instead.
    const std::string folder = OutputFolder();
    if (IsValidUtf8(folder)) services_.directories.MakeDirectory(folder);
    if (SeveralAtOnce()) {
        FillSlots();
        return;
    }
    if (queue_.count() < 1) {
        Finish();
        return;
    }
    if (const std::string refusal = RefusalFor(queue_.head()); !refusal.empty()) {
        RefuseHead(refusal);
        return;
    }
    const ConverterCommand command = ReserveCommand(queue_.at(0));
    currentSource_ = queue_.head();
    currentOutput_ = command.outputPath;
    ++startedCount_;
    view_.FileStarting(startedCount_, startedCount_ - 1 + queue_.count(), command, currentSource_);

    runner_.SetCommandLine(command.text);
    commandOver_ = false;
    runner_.ExecuteCommand(command.arguments);
    // The runner raises CommandOver for every child it started; without it
    // the converter never ran and the file stays first in the queue.
    if (!commandOver_) StopAfterLaunchFailure();
}

void BatchDriver::objDOS_CommandOver() {
    commandOver_ = true;
    const FileOutcome outcome = JudgeFile(currentSource_, currentOutput_, runner_);
    if (!outcome.converted && stopRequested_) {
        // Stopped in the middle: not a failure of the file, which stays queued.
        tracker_.ResetTotal();
        QMetaObject::invokeMethod(this, [this] { ConvertNext(); }, Qt::QueuedConnection);
        return;
    }
    EndHead(outcome);
}

// The head's outcome is counted and reported, the head leaves the queue and
// the next step is queued.
void BatchDriver::EndHead(const FileOutcome& outcome) {
    if (outcome.converted) {
        ++convertedCount_;
    } else {
        failures_.push_back({outcome.source, outcome.reason});
    }
    view_.FileEnded(outcome);
    queue_.RemoveFirstSource();
    tracker_.ResetTotal();
    // The next step runs once this notification and the runner's execute
    // call have returned, so a long queue does not nest one call per file.
    QMetaObject::invokeMethod(this, [this] { ConvertNext(); }, Qt::QueuedConnection);
}

// The head is reported as started and failed without running anything.
void BatchDriver::RefuseHead(const std::string& reason) {
    currentSource_ = queue_.head();
    currentOutput_.clear();
    ++startedCount_;
    view_.FileStarting(startedCount_, startedCount_ - 1 + queue_.count(), ConverterCommand{}, currentSource_);
    EndHead({currentSource_, {}, false, reason});
}

std::string BatchDriver::RefusalFor(const std::string& source) const {
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
std::string BatchDriver::OutputFolder() const {
    const std::string text = view_.OutputFolderText();
    return text.empty() ? defaultOutputFolder_ : text;
}

void BatchDriver::Stop() {
    if (!batchRunning_ || stopRequested_) return;
    stopRequested_ = true;
    if (timer1_.isActive()) {
        timer1_.stop();
        QMetaObject::invokeMethod(this, [this] { ConvertNext(); }, Qt::QueuedConnection);
        return;
    }
    // Without a converter running, the step already queued sees the request.
    runner_.TerminateChild();
    for (const auto& slot : slots_) {
        if (slot->position != 0) slot->runner->TerminateChild();
    }
}

void BatchDriver::objDOS_ReceiveOutputs(const std::string& chunk) {
    const std::optional<ProgressDisplay> display = tracker_.Feed(chunk, options_);
    if (!display) return;
    view_.SetProgressBarWidth(display->barWidthTwips);
    view_.SetProgressCaption(display->caption);
}

// Starts the next files while slots are free; ends the batch once no file
// is in hand and none can start.
void BatchDriver::FillSlots() {
    for (auto& slot : slots_) {
        if (launchFailed_ || begunInQueue_.size() >= queue_.count()) break;
        if (slot->position == 0 && !StartInSlot(*slot, begunInQueue_.size())) break;
    }
    if (FilesInHand() > 0) return;
    if (launchFailed_) {
        EndAfterLaunchFailure();
    } else {
        Finish();
    }
}

// Refuses the queue's entry at queueIndex, if the batch must, reporting it
// as started and failed and taking it out of the queue; the entries begun
// before it keep their places.
bool BatchDriver::RefusedInPlace(std::size_t queueIndex) {
    const std::string source = queue_.at(queueIndex).path;
    const std::string refusal = RefusalFor(source);
    if (refusal.empty()) return false;
    ++startedCount_;
    view_.FileStarting(startedCount_, startedCount_ - 1 + queue_.count() - queueIndex, ConverterCommand{}, source);
    FileOutcome outcome{source, {}, false, refusal};
    outcome.position = startedCount_;
    failures_.push_back({source, refusal});
    view_.FileEnded(outcome);
    queue_.RemoveSourceAt(queueIndex + 1);
    return true;
}

bool BatchDriver::StartInSlot(Slot& slot, std::size_t queueIndex) {
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
    // Counted as the single runner counts: the files begun so far and those
    // after this one.
    view_.FileStarting(startedCount_, startedCount_ - 1 + queue_.count() - queueIndex, command, source);
    slot.runner->SetCommandLine(command.text);
    if (slot.runner->StartCommand(command.arguments)) return true;
    // As with one runner, the file stays in the queue and nothing further
    // starts; the files in hand still run to their end.
    FileOutcome outcome{source, slot.output, false, "the converter could not be started"};
    outcome.position = slot.position;
    slot.position = 0;
    launchFailed_ = true;
    view_.FileEnded(outcome);
    return false;
}

void BatchDriver::SlotOver(Slot& slot) {
    FileOutcome outcome = JudgeFile(slot.source, slot.output, *slot.runner);
    outcome.position = slot.position;
    slot.position = 0;
    if (!outcome.converted && stopRequested_) {
        // Stopped in the middle: the file stays queued (and begun, which
        // keeps the other files' places in the queue as they are).
        QMetaObject::invokeMethod(this, [this] { ConvertNext(); }, Qt::QueuedConnection);
        return;
    }
    if (outcome.converted) {
        ++convertedCount_;
    } else {
        failures_.push_back({outcome.source, outcome.reason});
    }
    view_.FileEnded(outcome);
    const auto at = std::find(begunInQueue_.begin(), begunInQueue_.end(), outcome.position);
    queue_.RemoveSourceAt(static_cast<std::size_t>(at - begunInQueue_.begin()) + 1);
    begunInQueue_.erase(at);
    QMetaObject::invokeMethod(this, [this] { ConvertNext(); }, Qt::QueuedConnection);
}

void BatchDriver::SlotOutput(Slot& slot, const std::string& chunk) {
    const std::optional<ProgressDisplay> display = slot.tracker.Feed(chunk, options_);
    if (display) view_.FileProgress(slot.position, display->barWidthTwips, display->caption);
}

std::size_t BatchDriver::FilesInHand() const {
    return static_cast<std::size_t>(
        std::count_if(slots_.begin(), slots_.end(), [](const auto& slot) { return slot->position != 0; }));
}

void BatchDriver::Finish() {
    batchRunning_ = false;
    services_.folders.OpenFolder(OutputFolder());
    if (options_.soundOn()) {
        services_.sounds.PlayAndWait(program_.programFolder + PathSeparator(program_.pathStyle) + "sound.wav");
    }
    EnableAllControls();
    view_.SetProgressBarWidth(0);
    view_.SetProgressCaption("Done.");
    ReportFailures();
    view_.BatchEnded(false, 0);
}

// The controls come back so the user can fix the converter or the queue and
// start again; the file that could not be started stays first in the queue.
void BatchDriver::StopAfterLaunchFailure() {
    view_.FileEnded({currentSource_, currentOutput_, false, "the converter could not be started"});
    EndAfterLaunchFailure();
}

void BatchDriver::EndAfterLaunchFailure() {
    batchRunning_ = false;
    EnableAllControls();
    view_.BatchEnded(true, queue_.count() - 1);
}

void BatchDriver::EndStopped() {
    batchRunning_ = false;
    stopRequested_ = false;
    EnableAllControls();
    view_.SetProgressBarWidth(0);
    ReportFailures();
    view_.BatchEnded(true, queue_.count());
}

void BatchDriver::SetBatchControlsEnabled(bool enabled) {
    for (int index : kToolbarIndexes) view_.SetControlEnabled("imgToolbar", index, enabled);
    for (int index = 0; index < kMenuCount; ++index) view_.SetControlEnabled("imgMenu", index, enabled);
    view_.SetControlEnabled("imgConvert", BatchView::kNoIndex, enabled);
    view_.SetControlEnabled("lblFeed", BatchView::kNoIndex, enabled);
}

// The order in which Finish enables the controls; imgAdd, imgRemove,
// imgStart and imgBrowse are enabled whether or not they were disabled.
void BatchDriver::EnableAllControls() {
    view_.SetControlEnabled("lblFeed", BatchView::kNoIndex, true);
    for (const char* name : {"imgAdd", "imgRemove", "imgStart", "imgBrowse", "imgConvert"}) {
        view_.SetControlEnabled(name, BatchView::kNoIndex, true);
    }
    for (int index : kToolbarIndexes) view_.SetControlEnabled("imgToolbar", index, true);
    for (int index = 0; index < kMenuCount; ++index) view_.SetControlEnabled("imgMenu", index, true);
}

ConverterCommand BatchDriver::CommandFor(const SourceEntry& source) const {
    const BatchSelections selections = view_.CurrentSelections();
    ConversionRequest request;
    request.programFolder = program_.programFolder;
    request.sourcePath = source.path;
    request.outputFolder = OutputFolderFor(OutputFolder(), source, placement_.keepFolders, program_.pathStyle);
    request.formatIndex = selections.formatIndex;
    request.videoBitrate = selections.videoBitrate;
    request.screenSize = selections.screenSize;
    request.audioBitrate = selections.audioBitrate;
    request.options = options_;
    ConverterCommand command = BuildConverterCommand(request, program_.pathStyle);
    if (!program_.converterOverride.empty() && !command.empty()) {
        command.text = ReplaceProgramWord(command.text, command.arguments.front(), program_.converterOverride,
                                          program_.pathStyle);
        command.arguments.front() = program_.converterOverride;
    }
    if (placement_.replaceExisting) AllowReplacing(command);
    return command;
}

ConverterCommand BatchDriver::ReserveCommand(const SourceEntry& source) {
    ConverterCommand command = CommandFor(source);
    if (command.empty()) return command;
    const std::string folder = OutputFolderFor(OutputFolder(), source, placement_.keepFolders, program_.pathStyle);
    for (const std::string& level : FoldersBelow(OutputFolder(), folder, program_.pathStyle))
        services_.directories.MakeDirectory(level);
    SetOutputPath(command, names_.Reserve(command.outputPath));
    return command;
}

std::vector<ConverterCommand> BatchDriver::PlannedCommands() const {
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

OutputNameReservations BatchDriver::ReservationsForQueue() const {
    OutputNameReservations names(placement_.replaceExisting);
    for (std::size_t i = 0; i < queue_.count(); ++i) names.AddSource(queue_.at(i).path);
    return names;
}

// A file added while a batch runs is one of its sources from then on, even
// if it leaves the queue before its turn.
void BatchDriver::SourceAppended(std::size_t index) {
    if (batchRunning_) names_.AddSource(queue_.at(index).path);
}

// A file counts as converted when its converter exited with status 0 and
// left a non-empty output file.
FileOutcome BatchDriver::JudgeFile(const std::string& source, const std::string& planned,
                                   const DOSOutputs& runner) const {
    // The converter names the file it wrote when a name taken meanwhile
    // made it take the next one.
    const std::string output = FindWrittenOutput(runner.Outputs()).value_or(planned);
    FileOutcome outcome{source, output, false, {}};
    const int status = runner.ExitStatus();
    if (status == -1) {
        outcome.reason = "the converter crashed";
    } else if (status != 0) {
        outcome.reason = "the converter exited with status " + std::to_string(status);
    } else if (FileSize(output) == 0) {
        outcome.reason = "the converter wrote no output file";
    } else {
        outcome.converted = true;
        return outcome;
    }
    const std::string last = LastLine(runner.Outputs());
    if (!last.empty()) outcome.reason += ": " + last;
    return outcome;
}

void BatchDriver::ReportFailures() {
    if (failures_.empty()) return;
    std::string text = "These files were not converted:\n";
    for (const BatchFailure& failure : failures_) text += "\n" + failure.source + ": " + failure.reason;
    view_.ShowMessage(text, kTitle, MessageIcon::Exclamation);
}

}  // namespace tavoclip
