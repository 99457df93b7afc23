#include "ConvProgram.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>

#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <system_error>

#include <sys/stat.h>

#include "ConvArguments.h"
#include "ConversionPlan.h"
#include "ConversionRun.h"
#include "FfmpegErrorCause.h"
#include "OutputContainer.h"
#include "SourceProbe.h"
#include "TemporaryOutput.h"
#include "WrittenOutputLine.h"

namespace tavoclip {
namespace fs = std::filesystem;
namespace {

// "time=" four times a second: the window wants at least two.
constexpr int kProgressIntervalMs = 250;

// How long FFmpeg may take to describe the source before ffprobe is asked
// instead: a source on a slow disk, or one FFmpeg reads far into.
constexpr int kDescriptionPatienceMs = 5000;

// How far before the output's end the source's packets are read from, when
// the output is shorter than the source says it should be.
constexpr double kReadBeforeEnd = 2;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

fs::path FolderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// Whether a path survives the trip through Qt's text to a child's command
// line unchanged; a name that is not valid UTF-8 would reach FFmpeg as
// another name.
bool ReachesChildUnchanged(const std::string& path)
{
    const QByteArray bytes = QByteArray::fromStdString(path);
    return QString::fromLocal8Bit(bytes).toLocal8Bit() == bytes;
}

// The source as FFmpeg is to open it. A name FFmpeg's command line cannot
// carry is reached through a link inside conv's private folder, named with
// the source's extension (FFmpeg reads some formats by it); nullopt with the
// reason when the link cannot be made.
std::optional<std::string> SourceForFfmpeg(const std::string& source, TemporaryOutput& temporary)
{
    if (ReachesChildUnchanged(source)) return source;
    std::string extension = fs::path(source).extension().string();
    if (!ReachesChildUnchanged(extension)) extension.clear();
    std::error_code error;
    const fs::path absolute = fs::absolute(source, error);
    if (error || !temporary.Link("source" + extension, absolute.string())) return std::nullopt;
    return temporary.PathOf("source" + extension);
}

// Starts the run and waits until FFmpeg has described the source, or
// `finished` holds, or kDescriptionPatienceMs have passed; the facts, when the
// description came and could be read.
std::optional<SourceInfo> StartAndAwaitDescription(ConversionRun& run, QEventLoop& loop,
                                                   const std::function<bool()>& finished)
{
    std::optional<SourceInfo> described;
    bool describing = true;
    run.OnSourceDescribed([&](std::optional<SourceInfo> info) {
        described = std::move(info);
        describing = false;
        loop.quit();
    });
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, [&] {
        describing = false;
        loop.quit();
    });
    patience.start(kDescriptionPatienceMs);
    run.Start();
    while (describing && !finished()) loop.exec();
    run.OnSourceDescribed({});  // it refers to this call's locals
    return described;
}

// ffprobe's account of the source; nullopt when `interrupted` holds first.
// With `packetsFrom`, it also reads the packets from there on, of the sound
// stream `soundOrdinal` alone when that is given (see
// SourceProbe::LookForPacketsFrom).
std::optional<ProbeResult> AskFfprobe(const QString& ffprobe, const std::string& sourcePath, QEventLoop& loop,
                                      const std::function<bool()>& interrupted,
                                      std::optional<double> packetsFrom = std::nullopt,
                                      std::optional<int> soundOrdinal = std::nullopt)
{
    std::optional<ProbeResult> probe;
    SourceProbe prober(ffprobe, sourcePath, [&](ProbeResult done) {
        probe = std::move(done);
        loop.quit();
    });
    if (packetsFrom) prober.LookForPacketsFrom(*packetsFrom, soundOrdinal);
    prober.Start();
    while (!probe && !interrupted()) loop.exec();
    return probe;
}

// The source file's modification time; nullopt when it cannot be read.
std::optional<timespec> ModificationTime(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return info.st_mtim;
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2fs", seconds);
    return text;
}

struct SourceEndJudgement {
    ExpectedOutput expected;
    std::string note = {};     // the source ended before its stated length
    std::string refusal = {};  // the cut starts where the source holds nothing more
};

std::string StartBeyondEnd(double cutStart, const std::string& what, double end)
{
    char text[160];
    std::snprintf(text, sizeof text, "the start %gs lies beyond the end of %s (%.2fs)", cutStart, what.c_str(), end);
    return text;
}

// Packets that end well before the output does were not read from where
// the output ended (the seek went wrong); they tell nothing of the end.
bool ReachesTheOutputsEnd(double packetsEnd, double writtenUpTo, const ExpectedOutput& expected)
{
    return packetsEnd > 0 && packetsEnd >= writtenUpTo - AllowedShortfall(expected.seconds);
}

// An output shorter than the source's stated length may be right: sound
// alone may end before the picture does, and a container may state a wrong
// length (an FLV's header written before the recording ended) or the file
// may have been cut off (a broken download). Only the packets past the point
// where the output ended can tell these from FFmpeg stopping early, so the
// output is then judged by how far the source really reaches. Rare, so the
// extra look at the source costs ordinary files nothing. A cut that starts
// past the source's real end is refused: the output would hold nothing.
SourceEndJudgement JudgeBySourceEnd(const ExpectedOutput& expected, const RunResult& result, const SourceInfo& source,
                                    const ConvRequest& request, const FfmpegTools& tools, QEventLoop& loop,
                                    const int& stopSignal)
{
    if (!FellShort(expected, result.written)) return {expected};
    const double cutStart = request.startSeconds.value_or(0);
    const double writtenUpTo = cutStart + result.written.seconds;
    // Read from a little before: a seek into the lost part of a cut-off file
    // finds nothing at all.
    const double readFrom = std::max(0.0, writtenUpTo - kReadBeforeEnd);
    const auto interrupted = [&] { return stopSignal != 0; };
    if (SoundMayHaveEndedFirst(expected, result.written) && source.audio) {
        const auto probe = AskFfprobe(tools.ffprobe, request.sourcePath, loop, interrupted, readFrom,
                                      source.audio->ordinal);
        if (!probe || !probe->info || !probe->info->audio || probe->info->audio->endSeconds <= 0) return {expected};
        // Where the sound's packets stop, it ends, whatever the container
        // states (a cut-off MP4 still lists the lost packets).
        const double packetsEnd = probe->info->packetsEndSeconds;
        const bool packetsTell = ReachesTheOutputsEnd(packetsEnd, writtenUpTo, expected);
        const SoundSpan sound{probe->info->audio->startSeconds,
                              packetsTell ? packetsEnd : probe->info->audio->endSeconds};
        if (sound.end <= cutStart) return {expected, {}, StartBeyondEnd(cutStart, "the source's sound", sound.end)};
        const ExpectedOutput heldOnly = ExpectSoundWithin(sound, cutStart, request.lengthSeconds.value_or(0));
        if (!packetsTell || probe->info->audio->endSeconds <= packetsEnd + AllowedShortfall(expected.seconds))
            return {heldOnly};
        return {heldOnly, "the source's sound ends early, at " + Seconds(packetsEnd) + " of the " +
                              Seconds(probe->info->audio->endSeconds) + " it states: converted what it holds"};
    }
    const auto probe = AskFfprobe(tools.ffprobe, request.sourcePath, loop, interrupted, readFrom);
    if (!probe || !probe->info || probe->info->packetsEndSeconds <= 0) return {expected};
    const double sourceEnd = probe->info->packetsEndSeconds;
    if (sourceEnd <= cutStart) return {expected, {}, StartBeyondEnd(cutStart, "what the source holds", sourceEnd)};
    const ExpectedOutput heldOnly = ExpectUpTo(expected, sourceEnd, cutStart);
    // More to read: FFmpeg stopped early.
    if (FellShort(heldOnly, result.written) || !ReachesTheOutputsEnd(sourceEnd, writtenUpTo, expected))
        return {expected};
    return {heldOnly, "the source ends early, at " + Seconds(sourceEnd) + " of the " + Seconds(source.durationSeconds) +
                          " it states: converted what it holds"};
}

// Why the output cannot be put in place when its folder, or conv's private
// folder in it, went away during the conversion; empty while both are there.
// FFmpeg writes on into a removed folder without noticing.
std::string OutputFolderGone(const std::string& output, const TemporaryOutput& temporary)
{
    std::error_code error;
    const fs::path folder = FolderOf(output);
    if (!fs::is_directory(folder, error))
        return "the output folder " + Quoted(folder.string()) + " was removed or moved during the conversion: " +
               std::make_error_code(std::errc::no_such_file_or_directory).message();
    if (temporary.Removed())
        return "conv's temporary folder in " + Quoted(folder.string()) + " was removed during the conversion";
    return {};
}

// ffprobe's account of the source, asked for beside FFmpeg's first run.
class ProbeBesideRun {
public:
    ProbeBesideRun(const QString& ffprobe, const std::string& sourcePath, QEventLoop& loop,
                   std::function<bool()> interrupted)
        : loop_(loop), interrupted_(std::move(interrupted)), prober_(ffprobe, sourcePath, [this](ProbeResult done) {
              answer_ = std::move(done);
              loop_.quit();
          }) {}

    void Start()
    {
        if (!std::exchange(started_, true)) prober_.Start();
    }

    // The answer, once ffprobe has given it; nullopt when interrupted first.
    std::optional<ProbeResult> Await()
    {
        Start();
        while (!answer_ && !interrupted_()) loop_.exec();
        return answer_;
    }

private:
    QEventLoop& loop_;
    std::function<bool()> interrupted_;
    std::optional<ProbeResult> answer_;
    SourceProbe prober_;
    bool started_ = false;
};

// FFmpeg's description does not tell when the first picture comes; ffprobe
// does. Only a source with picture and sound converted without a cut can
// need it (see ConversionPlan).
bool NeedsPictureStart(const ConvRequest& request, const SourceInfo& info)
{
    return info.video && info.audio && !request.startSeconds;
}

void AddPictureStart(const std::optional<ProbeResult>& probe, SourceInfo& info)
{
    if (probe && probe->info && probe->info->video) info.video->startSeconds = probe->info->video->startSeconds;
}

// FFmpeg's own description of the source, with the first picture's time
// from ffprobe where that matters; ffprobe's account when the description
// cannot be read. Nullopt when a stop came first.
std::optional<ProbeResult> DescribeSource(ConversionRun& run, QEventLoop& loop, ProbeBesideRun& prober,
                                          const ConvRequest& request, const std::function<bool()>& finished,
                                          const int& stopSignal)
{
    if (auto described = StartAndAwaitDescription(run, loop, finished)) {
        if (NeedsPictureStart(request, *described)) AddPictureStart(prober.Await(), *described);
        return ProbeResult{std::move(described), {}};
    }
    if (stopSignal) return std::nullopt;
    return prober.Await();
}

// Waits until `over` holds, telling the output time reached four times a
// second meanwhile.
void AwaitRun(const ConversionRun& run, QEventLoop& loop, ConsoleOutput& console, const std::function<bool()>& over)
{
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { console.Time(run.seconds()); });
    ticker.start(kProgressIntervalMs);
    while (!over()) loop.exec();
}

}  // namespace

ConvExit ConvProgram::Failure(const std::string& reason, ConvExit status)
{
    console_.Error(reason);
    return status;
}

ConvExit ConvProgram::PrintVersion()
{
    console_.Note("version " + version_);
    QString missing;
    const auto tools = FfmpegTools::Find(converterFolder_, &missing);
    if (!tools) return Failure(missing.toStdString() + " was not found beside conv or on PATH", ConvExit::FfmpegMissing);
    console_.Note("using " + tools->ffmpeg.toStdString() + ": " + tools->Version().toStdString());
    return ConvExit::Converted;
}

ConvExit ConvProgram::Run(std::span<const std::string> arguments)
{
    if (arguments.size() == 1 && arguments[0] == "--version") return PrintVersion();
    const ParsedArguments parsed = ParseConvArguments(arguments);
    if (!parsed.request) return Failure(parsed.error, ConvExit::BadArguments);

    QString missing;
    const auto tools = FfmpegTools::Find(converterFolder_, &missing);
    if (!tools) return Failure(missing.toStdString() + " was not found beside conv or on PATH", ConvExit::FfmpegMissing);
    if (const auto refused = CheckPaths(*parsed.request)) return *refused;
    return Convert(*parsed.request, *tools);
}

// Refuses anything that would read a non-file or write over a file conv does
// not own, before a byte is written.
std::optional<ConvExit> ConvProgram::CheckPaths(const ConvRequest& request)
{
    std::error_code error;
    const std::string& source = request.sourcePath;
    const fs::file_status sourceStatus = fs::status(source, error);
    if (!fs::exists(sourceStatus)) return Failure("the source " + Quoted(source) + " does not exist");
    if (!fs::is_regular_file(sourceStatus)) return Failure("the source " + Quoted(source) + " is not a regular file");
    if (fs::file_size(source, error) == 0) return Failure("the source " + Quoted(source) + " is empty (0 bytes)");

    const std::string& output = request.outputPath;
    const fs::file_status folderStatus = fs::status(FolderOf(output), error);
    if (fs::exists(folderStatus) && !fs::is_directory(folderStatus))
        return Failure("the output folder " + Quoted(FolderOf(output).string()) + " is a file, not a folder");
    if (!fs::is_directory(folderStatus))
        return Failure("the output folder " + Quoted(FolderOf(output).string()) + " does not exist");
    const fs::file_status outputStatus = fs::status(output, error);
    if (!fs::exists(outputStatus)) return std::nullopt;
    // Compared by device and inode, so "./a.flv", a link or another spelling
    // of the source is caught as well.
    if (fs::equivalent(source, output, error))
        return Failure("the output " + Quoted(output) + " is the source itself: refusing to overwrite it",
                       ConvExit::SameFile);
    if (!request.overwrite && !request.replaceExisting)
        return Failure("the output " + Quoted(output) +
                           " already exists (add -y to write under the next free name, or -overwrite to replace it)",
                       ConvExit::OutputExists);
    if (request.replaceExisting && fs::is_directory(outputStatus))
        return Failure("the output " + Quoted(output) + " is a folder");
    return std::nullopt;
}

// FFmpeg starts at once on the plan for a typical source and describes the
// real one as it opens it; only when that description cannot be read is
// ffprobe asked, which costs about as much as a short conversion itself. When
// the real source needs other options, the first run is stopped and the
// conversion starts again; the temporary file takes no harm.
ConvExit ConvProgram::Convert(const ConvRequest& given, const FfmpegTools& tools)
{
    TemporaryOutput temporary(given.outputPath);
    if (!temporary.Create())
        return Failure("cannot write into the output folder " + Quoted(FolderOf(given.outputPath).string()) + ": " +
                       temporary.errorText());
    ConvRequest request = given;
    if (const auto source = SourceForFfmpeg(given.sourcePath, temporary))
        request.sourcePath = *source;
    else
        return Failure("cannot pass the source's name to ffmpeg: " + temporary.errorText());
    const OutputContainer container = *FindOutputContainer(request.outputPath);
    const bool convWritesFile = container.muxer.empty();
    if (!convWritesFile) temporary.Close();
    QIODevice* amrFile = convWritesFile ? &temporary.device() : nullptr;

    QEventLoop loop;
    int stopSignal = 0;
    interrupts_.OnSignal([&](int number) {
        stopSignal = number;
        loop.quit();
    });
    // The callback refers to this call's locals; it must not outlive them.
    const std::unique_ptr<InterruptSignals, void (*)(InterruptSignals*)> forget(
        &interrupts_, [](InterruptSignals* interrupts) { interrupts->OnSignal({}); });
    std::optional<RunResult> result;
    const auto onRunDone = [&](RunResult done) {
        result = std::move(done);
        loop.quit();
    };
    // ffprobe runs beside FFmpeg's first run when it may be needed to tell
    // when the first picture comes; it answers for the description as well
    // when that cannot be read.
    ProbeBesideRun prober(tools.ffprobe, request.sourcePath, loop, [&] { return stopSignal != 0; });
    if (!request.startSeconds) prober.Start();
    const ConversionPlan guess = BuildConversionPlan(request, container, TypicalSource(request), temporary.path());
    auto run = std::make_unique<ConversionRun>(tools, guess, amrFile, onRunDone);
    const std::optional<ProbeResult> probe =
        DescribeSource(
            *run, loop, prober, request, [&] { return result || stopSignal; }, stopSignal);
    if (stopSignal) return Failure("stopped by signal " + std::to_string(stopSignal), ConvExit::Interrupted);
    if (!probe->info) return Failure("cannot read the source " + Quoted(given.sourcePath) + ": " + probe->error);
    if (probe->info->durationSeconds > 0) console_.Duration(probe->info->durationSeconds);

    const ConversionPlan plan = BuildConversionPlan(request, container, *probe->info, temporary.path());
    if (!plan.error.empty()) return Failure(plan.error);
    for (const std::string& note : plan.notes) console_.Note(note);
    if (!SameProcesses(plan, guess)) {
        run.reset();
        result.reset();
        if (convWritesFile && !temporary.Truncate()) return Failure("cannot write the output: " + temporary.errorText());
        run = std::make_unique<ConversionRun>(tools, plan, amrFile, onRunDone);
        run->Start();
    }

    AwaitRun(*run, loop, console_, [&] { return result || stopSignal; });
    if (stopSignal) return Failure("stopped by signal " + std::to_string(stopSignal), ConvExit::Interrupted);
    if (result->succeeded) console_.Time(run->seconds());
    return Conclude(given, request, plan.expected, *result, *probe->info, tools, loop, stopSignal, temporary);
}

// A finished run is judged against what the source really holds (a lying or
// cut-off source converts what it has), then the output goes into place.
ConvExit ConvProgram::Conclude(const ConvRequest& given, const ConvRequest& request, const ExpectedOutput& expected,
                               const RunResult& result, SourceInfo source, const FfmpegTools& tools, QEventLoop& loop,
                               const int& stopSignal, TemporaryOutput& temporary)
{
    source.modified = ModificationTime(given.sourcePath);
    const SourceEndJudgement judged = result.succeeded
                                          ? JudgeBySourceEnd(expected, result, source, request, tools, loop, stopSignal)
                                          : SourceEndJudgement{expected};
    if (stopSignal) return Failure("stopped by signal " + std::to_string(stopSignal), ConvExit::Interrupted);
    if (!judged.refusal.empty()) return Failure(judged.refusal);
    return Finish(given, judged.expected, result, source, judged.note, temporary);
}

ConvExit ConvProgram::Finish(const ConvRequest& request, const ExpectedOutput& expected, const RunResult& result,
                             const SourceInfo& source, const std::string& endNote, TemporaryOutput& temporary)
{
    if (const std::string gone = OutputFolderGone(request.outputPath, temporary); !gone.empty()) {
        console_.Error(Quoted(request.sourcePath) + " was not converted");
        return Failure(gone);  // the cause, last
    }
    if (!result.succeeded) {
        // FFmpeg knows the output by its temporary name, which means nothing
        // to the reader.
        const auto readable = [&](const std::string& text) {
            return ReplaceAll(ReplaceAll(text, FfmpegFileUrl(temporary.path()), "the output"), temporary.path(),
                              "the output");
        };
        for (const std::string& line : result.errorLines) console_.Error("ffmpeg: " + readable(line));
        console_.Error(Quoted(request.sourcePath) + " was not converted");
        return Failure(readable(result.reason));  // the cause, last
    }
    if (!temporary.Close()) return Failure("could not write the output: " + temporary.errorText());
    if (temporary.Size() == 0) return Failure("ffmpeg wrote nothing: " + Quoted(request.sourcePath) + " was not converted");
    // FFmpeg may end with success having written less than it was asked for.
    if (const std::string wrong = CheckWrittenOutput(expected, result.written); !wrong.empty()) {
        console_.Error(Quoted(request.sourcePath) + " was not converted");
        return Failure(wrong);  // the cause, last
    }
    // The output takes the source's date, so that it sorts with it.
    if (source.modified && !temporary.SetModificationTime(*source.modified))
        console_.Note("could not give the output the source's date: " + temporary.errorText());
    if (const std::string error = temporary.Commit(request.replaceExisting); !error.empty()) return Failure(error);
    // FFmpeg reads past damage in a source; the output may then be shorter.
    if (!result.errorLines.empty())
        console_.Note("the source has damaged parts, the output may miss them: " + result.errorLines.back());
    // The batch reads this line for the name the output really got.
    console_.Note(WrittenOutputText(temporary.committedPath()));
    if (!endNote.empty()) console_.Note(endNote);  // last, as the reason a reader keeps
    return ConvExit::Converted;
}

}  // namespace tavoclip
