#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QIODevice>
#include <QProcess>

#include "SegmentedAmrEncoder.h"
#include "ConversionPlan.h"
#include "FfmpegLog.h"
#include "FfmpegTools.h"
#include "InputReport.h"
#include "OutputCheck.h"
#include "OutputReport.h"
#include "ProgressWatchdog.h"

namespace tavoclip {

struct RunResult {
    bool succeeded = false;
    std::vector<std::string> errorLines;  // FFmpeg's own, the last ones kept
    std::string reason;                   // one line for the end of the output, ending in the cause
    WrittenOutput written;                // what FFmpeg (or conv's AMR encoder) reports it wrote
};

// Runs the FFmpeg processes of a plan and moves the PCM through conv's AMR-NB
// encoder where the plan asks for it. amrFile receives the AMR stream of an
// .amr output (nullptr otherwise). onDone is called once, from the event
// loop, when every process has ended; destroying the run stops what still
// runs without calling it. FFmpeg processes that show no progress for the
// ProgressWatchdog's limit are stopped, and the run fails saying so.
class ConversionRun {
public:
    ConversionRun(const FfmpegTools& tools, const ConversionPlan& plan, QIODevice* amrFile,
                  std::function<void(RunResult)> onDone);
    ~ConversionRun();
    ConversionRun(const ConversionRun&) = delete;
    ConversionRun& operator=(const ConversionRun&) = delete;

    void Start();

    // Called once with FFmpeg's own account of the source, as soon as it has
    // printed it, or with nullopt when it ended without a readable one. Set
    // before Start(); an empty function stops the call.
    void OnSourceDescribed(std::function<void(std::optional<SourceInfo>)> onDescribed)
    {
        onDescribed_ = std::move(onDescribed);
    }

    // Output time written so far, in seconds.
    double seconds() const { return seconds_; }

private:
    std::unique_ptr<QProcess> StartProcess(const std::vector<std::string>& arguments, FfmpegLog& log);
    void WriteAmr(const std::string& amr);
    void ReadPcm();
    void FinishPcm();
    void ReadProgress();
    void ReadProgressLine(const QByteArray& line);
    void Stalled();
    void EncodeFinished();
    void ReadLog(QProcess& process, FfmpegLog& log, bool ended);
    void Describe();
    void Fail(const std::string& reason);
    void FailFromFfmpeg(const std::string& what);
    void EndWhenAllFinished();
    WrittenOutput Written() const;

    const FfmpegTools& tools_;
    const ConversionPlan& plan_;
    QIODevice* amrFile_;
    std::function<void(RunResult)> onDone_;
    std::function<void(std::optional<SourceInfo>)> onDescribed_;
    std::unique_ptr<SegmentedAmrEncoder> encoder_;
    std::unique_ptr<QProcess> encode_;
    std::unique_ptr<QProcess> pcm_;
    FfmpegLog encodeLog_;
    FfmpegLog pcmLog_;
    QProcess* sourceReader_ = nullptr;  // the process whose log describes the source
    InputReport report_;
    OutputReport outputReport_;  // the encoding FFmpeg's account of its output
    ProgressWatchdog watchdog_;
    QByteArray progressBuffer_;  // a line of -progress output cut between reads
    std::vector<std::string> errorLines_;
    std::string failure_;
    double seconds_ = 0;
    bool outputWriteFailed_ = false;  // FFmpeg said so, whatever its exit status
    double longestSeconds_ = 0;       // FFmpeg 5.1 may end its progress with a time of 0
    long long frames_ = 0;
    long long bytesWritten_ = 0;  // FFmpeg's total_size
    bool ended_ = false;
};

}  // namespace tavoclip
