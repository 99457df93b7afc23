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
};

struct BatchFailure {
    std::string source;
    std::string reason;
    bool operator==(const BatchFailure&) const = default;
};

// Converts the queue with up to one file per runner at once, always the first
// entries not yet begun, until the queue is empty. The window gives it one
// runner (one file after another); tavoclip-batch -j N gives it N. Start
// greys the view's controls and arms Timer1; its tick runs the batch step,
// which starts files in the free runners; each runner's end removes its file
// from the queue and queues the next step; a step that finds nothing in hand
// and nothing to start runs Finish. There is one path whatever the number of
// runners, and no nested event loop: every step runs from the event loop.
//
// Everything is read afresh at every step (queue, settings, options), so
// files appended and settings changed during a batch apply from the next file
// on.
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
    // runners must not be empty; the driver uses them, main owns them.
    BatchDriver(BatchView& view, SourceQueue& queue, const std::vector<DOSOutputs*>& runners,
                const ConversionOptions& options, BatchServices services, BatchProgram program,
                QObject* parent = nullptr);
    ~BatchDriver() override;

    // The selections and output folder the next file converts with.
    void SetSettings(BatchSettings settings) { settings_ = std::move(settings); }
    const BatchSettings& settings() const { return settings_; }
    // Where outputs go while the folder text is empty (the window's default
    // output folder); never the file system's root.
    void SetDefaultOutputFolder(std::string folder) { defaultOutputFolder_ = std::move(folder); }

    // imgStart_Click: "Please add a file" on an empty queue, otherwise greys
    // the view's controls and arms Timer1. Nothing while a batch runs.
    void Start();
    // Timer1's pause lets the window show its disabled controls before the
    // first converter starts; a batch with no window (tavoclip-batch) sets 0
    // and starts at once.
    void SetStartPause(int milliseconds) { timer1_.setInterval(milliseconds); }
    // Ends the batch early: the converters in hand are asked to stop (each
    // removes its unfinished output itself), no further file starts, and once
    // the last of them has ended the batch ends as stopped, counting every
    // file not converted. Nothing when no batch runs.
    void Stop();
    // Replacing existing files and keeping the folder structure; read at
    // every step, like the settings.
    void SetOutputPlacement(OutputPlacement placement) { placement_ = placement; }
    // How many of the runners the next batch uses (1 .. the runners given;
    // all of them by default). A batch under way keeps its number.
    void SetRunnersInUse(std::size_t count);
    std::size_t runnersInUse() const { return runnersInUse_; }

    // The converter command for one source with the output name the
    // described rule gives (base name and the format's extension), from the
    // settings as they are now. Reserves nothing.
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

    bool running() const { return batchRunning_; }
    bool timerActive() const { return timer1_.isActive(); }
    // The files of the current (or last) batch that failed, in order.
    const std::vector<BatchFailure>& failures() const { return failures_; }
    std::size_t convertedCount() const { return convertedCount_; }

signals:
    // File number position (from 1) starts; total counts the files begun so
    // far and those still waiting. A refused file starts with an empty
    // command and ends at once.
    void fileStarted(std::size_t position, std::size_t total, const ConverterCommand& command,
                     const std::string& source);
    // How far file number position has got: share 0..1 of its length, and
    // the percentage caption.
    void fileProgress(std::size_t position, double share, const std::string& caption);
    void fileEnded(const FileOutcome& outcome);
    // The progress display goes back to empty; a non-empty caption ("Done.")
    // replaces the percentage.
    void progressCleared(const std::string& caption);
    // Always the batch's last word: it finished (stopped false) or stopped
    // (a converter could not be started, or Stop). notConverted counts the
    // files left that neither converted nor failed.
    void batchEnded(bool stopped, std::size_t notConverted);

private:
    // One runner and the file it converts.
    struct Slot {
        DOSOutputs* runner = nullptr;
        ProgressTracker tracker;
        std::string source;
        std::string output;
        std::size_t position = 0;  // the file's number; 0 while the slot is free
    };

    void SourceAppended(std::size_t index) override;
    void SourceRemoved(std::size_t) override {}
    void EmptyPromptUpdated(bool) override {}
    OutputNameReservations ReservationsForQueue() const;
    std::string OutputFolder() const;

    void Timer1_Timer();
    void ScheduleStep();
    void ConvertNext();
    void FillSlots();
    bool RefusedInPlace(std::size_t queueIndex);
    bool StartInSlot(Slot& slot, std::size_t queueIndex);
    void SlotOutput(Slot& slot, const std::string& chunk);
    void SlotOver(Slot& slot);
    void CountOutcome(const FileOutcome& outcome);
    std::size_t FilesInHand() const;

    void Finish();
    void EndStopped(bool emptyDisplay);
    void ReportFailures();

    BatchView& view_;
    SourceQueue& queue_;
    const ConversionOptions& options_;
    BatchServices services_;
    BatchProgram program_;
    BatchSettings settings_;
    std::string defaultOutputFolder_;
    OutputPlacement placement_;
    QTimer timer1_;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::size_t runnersWanted_ = 0;
    std::size_t runnersInUse_ = 0;

    // The batch under way (or the last one); all replaced at every Start.
    OutputNameReservations names_;
    bool batchRunning_ = false;
    bool stopRequested_ = false;
    bool launchFailed_ = false;
    bool stepPosted_ = false;
    std::size_t startedCount_ = 0;
    std::size_t convertedCount_ = 0;
    std::vector<BatchFailure> failures_;
    // The numbers of the files that started and are still in the queue, in
    // queue order. These are always the queue's first entries, since each
    // file leaves the queue when its converter ends and the next to start is
    // the first entry not yet begun.
    std::deque<std::size_t> begunInQueue_;
};

}  // namespace tavoclip
