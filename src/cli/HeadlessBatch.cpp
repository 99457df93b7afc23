#include "HeadlessBatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "BatchCommandLine.h"
#include "BatchDriver.h"
#include "CanberraSoundPlayer.h"
#include "ConsoleBatchView.h"
#include "DOSOutputs.h"
#include "FileSearch.h"
#include "FileSystemDirectoryMaker.h"
#include "LineEscape.h"
#include "NullFolderOpener.h"
#include "OutputPlacement.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "ShellQuote.h"
#include "StopSignals.h"
#include "Utf8Text.h"

namespace tavoclip {
namespace {

constexpr int kSignalStatusBase = 128;
constexpr PathStyle kPathStyle = PathStyle::Posix;

std::string LocalPath(const QString& path) { return path.toLocal8Bit().toStdString(); }

bool IsFolder(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(path), error);
}

// Files are admitted as they are named; folders contribute every file below
// them, in the same order as the window's folder import.
void FillQueue(const std::vector<std::string>& paths, SourceQueue& queue)
{
    for (const std::string& path : paths) {
        if (!IsFolder(path)) {
            queue.AppendSource(path);
            continue;
        }
        std::vector<std::string> found;
        SearchFiles(path, found);
        for (std::string& file : found) queue.AppendSource(std::move(file), path);
    }
}

// The subfolders that kept folder structure needs, made as a real run
// would make them, so the lines can run on any machine that sees the folder.
void MakeKeptFolders(const std::vector<ConverterCommand>& commands, const std::string& outputFolder,
                     DirectoryMaker& directories)
{
    for (const ConverterCommand& command : commands) {
        const std::string folder = std::filesystem::path(command.outputPath).parent_path().string();
        for (const std::string& level : FoldersBelow(outputFolder, folder, kPathStyle)) directories.MakeDirectory(level);
    }
}

// Says, for each file the real run would refuse, why; 1 when there is one.
int ReportRefusals(const BatchDriver& driver, const SourceQueue& queue, ConsoleBatchView& view)
{
    int status = 0;
    for (std::size_t i = 0; i < queue.count(); ++i) {
        const std::string refusal = driver.RefusalFor(queue.at(i).path);
        if (refusal.empty()) continue;
        view.ShowMessage(refusal, queue.at(i).path, MessageIcon::Exclamation);
        status = 1;
    }
    return status;
}

// Prints what the real run would execute and ends as it would: 2 with
// nothing to convert, 1 when a file would be refused.
int DryRun(std::FILE* out, const BatchDriver& driver, const SourceQueue& queue, ConsoleBatchView& view)
{
    if (queue.empty()) {
        view.ShowMessage("Please add a file", "Add", MessageIcon::Exclamation);
        return BatchCommandLine::kRefusedStatus;
    }
    for (const ConverterCommand& command : driver.PlannedCommands()) std::fprintf(out, "%s\n", command.text.c_str());
    return ReportRefusals(driver, queue, view);
}

}  // namespace

HeadlessBatch::HeadlessBatch(std::FILE* out, std::FILE* err, bool terminal)
    : out_(out), err_(err), terminal_(terminal) {}

int HeadlessBatch::Run(const QStringList& arguments)
{
    BatchCommandLine commandLine;
    switch (commandLine.Parse(arguments)) {
        case BatchAction::Refused:
            std::fprintf(err_, "tavoclip-batch: %s\n", EscapeForLine(commandLine.message()).c_str());
            return BatchCommandLine::kRefusedStatus;
        case BatchAction::Help:
            std::fputs(commandLine.message().c_str(), out_);
            return 0;
        case BatchAction::Version:
            std::fprintf(out_, "tavoclip-batch %s\n", qPrintable(QCoreApplication::applicationVersion()));
            return 0;
        case BatchAction::List:
            std::fputs(BatchCommandLine::FormatList().c_str(), out_);
            return 0;
        case BatchAction::Convert:
            break;
    }
    return Convert(commandLine.request());
}

// The window's engine with a console view: one runner per file that may
// convert at once, never more than there are files.
int HeadlessBatch::Convert(const BatchRequest& request)
{
    const std::string outputFolder = request.outputFolder.empty() ? LocalPath(QDir::currentPath()) : request.outputFolder;
    SourceQueue queue;
    FillQueue(request.paths, queue);
    ConsoleBatchView view(out_, err_, terminal_, [] { QCoreApplication::exit(); });
    QtProcessLauncher launcher(LaunchOptions{.endWithParent = true});
    const std::size_t jobs = std::clamp<std::size_t>(static_cast<std::size_t>(request.jobs), 1,
                                                     std::max<std::size_t>(1, queue.count()));
    std::vector<std::unique_ptr<DOSOutputs>> runners;
    std::vector<DOSOutputs*> runnerPointers;
    for (std::size_t i = 0; i < jobs; ++i) {
        runnerPointers.push_back(runners.emplace_back(std::make_unique<DOSOutputs>(launcher, view)).get());
    }
    if (jobs > 1) view.ShowSeveralFiles();
    QtEventPump pump;
    FileSystemDirectoryMaker directories;
    NullFolderOpener folders;
    CanberraSoundPlayer sounds;
    BatchDriver driver(view, queue, runnerPointers, request.options, BatchServices{pump, directories, folders, sounds},
                       BatchProgram{LocalPath(QCoreApplication::applicationDirPath()), request.converter});
    driver.SetOutputPlacement({request.overwrite, request.keepFolders});
    driver.SetSettings({request.selections, outputFolder});
    view.Follow(driver);

    if (request.printJobs) {
        if (queue.empty()) {
            view.ShowMessage("Please add a file", "Add", MessageIcon::Exclamation);
            return BatchCommandLine::kRefusedStatus;
        }
        // As in a real run, a folder name that cannot be passed on unchanged
        // is never created; each file is refused instead.
        if (IsValidUtf8(outputFolder)) directories.MakeDirectory(outputFolder);
        // A file left out of the list is said on the error output, and the
        // status says it too, so a pipeline does not take the list as whole.
        const int refused = ReportRefusals(driver, queue, view);
        const std::vector<ConverterCommand> commands = driver.PlannedCommands();
        MakeKeptFolders(commands, outputFolder, directories);
        return std::max(PrintJobs(commands), refused);
    }
    if (request.dryRun) return DryRun(out_, driver, queue, view);
    return RunBatch(driver, view);
}

// Runs the batch to its summary; a stop signal ends it early with the
// shell's usual status for that signal.
int HeadlessBatch::RunBatch(BatchDriver& driver, const ConsoleBatchView& view) const
{
    driver.SetStartPause(0);
    driver.Start();
    if (!driver.running()) return BatchCommandLine::kRefusedStatus;  // nothing to convert
    int stopSignal = 0;
    const StopSignals stopSignals([&](int signal) {
        if (stopSignal == 0) stopSignal = signal;
        driver.Stop();
    });
    QCoreApplication::exec();
    if (view.stopped() && stopSignal != 0) return kSignalStatusBase + stopSignal;
    return view.exitStatus();
}

// One shell command per file. A line break inside a name would split its
// line in two, so such a file is reported and left out.
int HeadlessBatch::PrintJobs(const std::vector<ConverterCommand>& commands) const
{
    int status = 0;
    for (const ConverterCommand& command : commands) {
        const std::string line = ShellCommandLine(command.arguments);
        if (line.find('\n') == std::string::npos) {
            std::fprintf(out_, "%s\n", line.c_str());
            continue;
        }
        std::fprintf(err_, "tavoclip-batch: %s: %s\n", qPrintable(QCoreApplication::translate("HeadlessBatch", "left out, a name holds a line break")), EscapeForLine(line).c_str());
        status = 1;
    }
    std::fflush(out_);
    return status;
}

}  // namespace tavoclip
