#pragma once

#include <optional>
#include <span>
#include <string>

#include <QString>

#include "ConsoleOutput.h"
#include "ConvRequest.h"
#include "ConversionPlan.h"
#include "ConversionRun.h"
#include "TemporaryOutput.h"
#include "FfmpegTools.h"
#include "InterruptSignals.h"

class QEventLoop;

namespace tavoclip {

// conv's exit statuses. Only Converted means the output exists.
enum class ConvExit {
    Converted = 0,
    Failed = 1,        // the source cannot be read or FFmpeg failed
    BadArguments = 2,  // nothing was touched
    FfmpegMissing = 3,
    SameFile = 4,       // the output is the source itself
    OutputExists = 5,   // an output is there and -y was not given
    Interrupted = 130,  // stopped by a signal; the temporary output is gone
};

// The whole converter: reads the command line, checks source and output,
// learns what the source holds, runs the conversion into a temporary file and
// moves it into place. Every failure ends with Failure(), whose line is the
// last one conv prints and states the cause (the system's error, FFmpeg's
// own reason, the path that is wrong): a caller keeps that line as the
// reason the file failed.
class ConvProgram {
public:
    ConvProgram(ConsoleOutput& console, InterruptSignals& interrupts, QString converterFolder, std::string version)
        : console_(console),
          interrupts_(interrupts),
          converterFolder_(std::move(converterFolder)),
          version_(std::move(version)) {}

    ConvExit Run(std::span<const std::string> arguments);

private:
    ConvExit PrintVersion();
    std::optional<ConvExit> CheckPaths(const ConvRequest& request);
    ConvExit Convert(const ConvRequest& given, const FfmpegTools& tools);
    ConvExit Conclude(const ConvRequest& given, const ConvRequest& request, const ExpectedOutput& expected,
                      const RunResult& result, SourceInfo source, const FfmpegTools& tools, QEventLoop& loop,
                      const int& stopSignal, TemporaryOutput& temporary);
    ConvExit Finish(const ConvRequest& request, const ExpectedOutput& expected, const RunResult& result,
                    const SourceInfo& source, const std::string& endNote, TemporaryOutput& temporary);
    ConvExit Failure(const std::string& reason, ConvExit status = ConvExit::Failed);

    ConsoleOutput& console_;
    InterruptSignals& interrupts_;
    QString converterFolder_;
    std::string version_;
};

}  // namespace tavoclip
