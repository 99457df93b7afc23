#pragma once

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "BatchView.h"
#include "ConverterCommand.h"
#include "DOSOutputs.h"
#include "DirectoryMaker.h"
#include "EventPump.h"
#include "FolderOpener.h"
#include "OutputFormat.h"
#include "OutputNameReservations.h"
#include "OutputPlacement.h"
#include "ProgressTracker.h"
#include "SoundPlayer.h"
#include "SourceQueue.h"

namespace tavoclip {

// The platform services the driver uses, all owned by main.
struct BatchServices {
    EventPump& pump;
    DirectoryMaker& directories;
    FolderOpener& folders;
    SoundPlayer& sounds;
};

// Where the driver finds its program: the program folder (for data/conv and
// sound.wav) and, when set, a converter that replaces data/conv.
struct BatchProgram {
    std::string programFolder;
    std::string converterOverride;
    PathStyle pathStyle = PathStyle::Posix;
};

struct BatchFailure {
    std::string source;
    std::string reason;
    bool operator==(const BatchFailure&) const = default;
};

// Converts the queue file by file, always its first entry, until it is empty.
// Start disables the batch controls and arms Timer1; its tick runs
// ConvertNext, which hands the head's command to the runner; the runner's
// CommandOver removes the head and runs ConvertNext again; an empty queue
// runs Finish. The driver also handles the runner's ReceiveOutputs: it feeds
// the progress tracker and shows the bar and the caption in the view.
//
// Everything is read afresh at every step (queue, selections, folder,
// options), so files appended and selections changed during a batch apply
// from the next file on.
//
// Output names: every path that enters the queue during a batch counts as
// one of its sources, and each file's output name is reserved when it starts
// (ReserveCommand), so no output replaces a source, an earlier output of the
// same batch or (unless told to replace) any file already in the folder; a
// taken name becomes "NAME (2).EXT" and so on. The converter decides the
// name again as it puts the file into place and says which it used; that is
// the output a file's outcome names.
class BatchDriver : public QObject, private SourceQueueListener {
    Q_OBJECT

public:
    static constexpr int kTimerMilliseconds = 100;

    // options is the process-wide record; it is read, never copied, so a
    // replacement made by the options dialog applies from the next file.
    BatchDriver(BatchView& view, SourceQueue& queue, DOSOutputs& runner, ProgressTracker& tracker,
                const ConversionOptions& options, BatchServices services, BatchProgram program,
                QObject* parent = nullptr);
    // Several runners: up to runners.size() files convert at once (the
    // headless command's --jobs), each started without nesting
    // (DOSOutputs::StartCommand) and reported through FileProgress. With one
    // runner this is the constructor above: the window's batch exactly.
    BatchDriver(BatchView& view, SourceQueue& queue, const std::vector<DOSOutputs*>& runners,
                ProgressTracker& tracker, const ConversionOptions& options, BatchServices services,
                BatchProgram program, QObject* parent = nullptr);
    ~BatchDriver() override;

    // imgStart_Click: "Please add a file" on an empty queue, otherwise
    // disables the controls and arms Timer1.
    void Start();
    // Timer1's pause lets the window show its disabled controls before the
    // first converter starts; a batch with no window (tavoclip-batch) sets 0
    // and starts at once.
    void SetStartPause(int milliseconds) { timer1_.setInterval(milliseconds); }
    void Timer1_Timer();
    void ConvertNext();
    void objDOS_CommandOver();
    void objDOS_ReceiveOutputs(const std::string& chunk);
    // Ends the batch early: the converter in hand is asked to stop (it
    // removes its unfinished output itself), no further file starts, and the
    // batch ends as stopped, counting every file not converted. Nothing
    // when no batch runs.
    void Stop();
    // Where outputs go while the folder text is empty (the window's default
    // output folder); never the file system's root.
    void SetDefaultOutputFolder(std::string folder) { defaultOutputFolder_ = std::move(folder); }
    // Replacing existing files and keeping the folder structure; read at
    // every step, like the selections.
    void SetOutputPlacement(OutputPlacement placement) { placement_ = placement; }

    // The converter command for one source with the output name the
    // described rule gives (base name and the format's extension), from the
    // selections as they are now. Reserves nothing.
    ConverterCommand CommandFor(const SourceEntry& source) const;
    // CommandFor with its output moved to the first name that is free in
    // this batch, which is then reserved for it. Call it once per file, when
    // the file starts; the command's outputPath is the file to be written.
    // Makes the subfolders the output needs (kept folder structure).
    ConverterCommand ReserveCommand(const SourceEntry& source);
    // What the batch would run for the queue as it stands, in queue order,
    // with the names a batch started now would give; files the batch would
    // refuse are left out. The dry run prints these. Reserves nothing.
    std::vector<ConverterCommand> PlannedCommands() const;
    // Why the batch would refuse source without running the converter (a
    // name that is not valid UTF-8, an output folder that is a file); empty
    // when it would not.
    std::string RefusalFor(const std::string& source) const;

    bool timerActive() const { return timer1_.isActive(); }
    // The files of the current (or last) batch that failed, in order.
    const std::vector<BatchFailure>& failures() const { return failures_; }
    std::size_t convertedCount() const { return convertedCount_; }

private:
    void SourceAppended(std::size_t index) override;
    void SourceRemoved(std::size_t) override {}
    void EmptyPromptUpdated(bool) override {}
    OutputNameReservations ReservationsForQueue() const;

    // One converter of several: what it converts and its own progress.
    struct Slot {
        DOSOutputs* runner = nullptr;
        ProgressTracker tracker;
        std::string source;
        std::string output;
        std::size_t position = 0;  // the file's number; 0 while the slot is free
    };
    bool SeveralAtOnce() const { return !slots_.empty(); }
    void FillSlots();
    bool StartInSlot(Slot& slot, std::size_t queueIndex);
    bool RefusedInPlace(std::size_t queueIndex);
    void SlotOver(Slot& slot);
    void SlotOutput(Slot& slot, const std::string& chunk);
    std::size_t FilesInHand() const;

    void Finish();
    void StopAfterLaunchFailure();
    void EndAfterLaunchFailure();
    void EndStopped();
    void EndHead(const FileOutcome& outcome);
    void RefuseHead(const std::string& reason);
    std::string OutputFolder() const;
    void SetBatchControlsEnabled(bool enabled);
    void EnableAllControls();
    FileOutcome JudgeFile(const std::string& source, const std::string& output, const DOSOutputs& runner) const;
    void ReportFailures();

    BatchView& view_;
    SourceQueue& queue_;
    DOSOutputs& runner_;
    ProgressTracker& tracker_;
    const ConversionOptions& options_;
    BatchServices services_;
    BatchProgram program_;
    std::string defaultOutputFolder_;
    OutputPlacement placement_;
    QTimer timer1_;

    // Sources and outputs of the batch under way; replaced at every Start.
    OutputNameReservations names_;
    bool batchRunning_ = false;
    bool stopRequested_ = false;
    std::string currentSource_;
    std::string currentOutput_;
    bool commandOver_ = false;
    std::size_t startedCount_ = 0;
    std::size_t convertedCount_ = 0;
    std::vector<BatchFailure> failures_;

    // Several at once: the slots, and the numbers of the files that started
    // and are still in the queue, in queue order. These are always the
    // queue's first entries, since each file leaves the queue when its
    // converter ends and the next to start is the first entry not yet begun.
    std::vector<std::unique_ptr<Slot>> slots_;
    std::deque<std::size_t> begunInQueue_;
    bool launchFailed_ = false;
};

}  // namespace tavoclip
