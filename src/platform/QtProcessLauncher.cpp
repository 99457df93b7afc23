#include "QtProcessLauncher.h"

#include <QProcess>
#include <QStringList>

#include "QtChildProcess.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tavoclip {
namespace {

std::unique_ptr<QProcess> PreparedProcess() {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
#ifdef _WIN32
    // A console converter started from a window would otherwise flash up
    // its own console window.
    process->setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
#endif
    return process;
}

}  // namespace

LaunchResult QtProcessLauncher::Launch(const std::vector<std::string>& arguments) {
    LaunchResult result;
    result.failure = LaunchFailure::NotStarted;
    if (arguments.empty() || arguments.front().empty()) return result;

    QStringList rest;
    for (std::size_t i = 1; i < arguments.size(); ++i) rest << QString::fromLocal8Bit(arguments[i]);
    auto process = PreparedProcess();
    process->start(QString::fromLocal8Bit(arguments.front()), rest, QIODevice::ReadOnly);
    // QProcess learns at once whether the program could be executed; this
    // does not wait for the child to do any work.
    if (!process->waitForStarted(-1)) return result;

    result.failure = LaunchFailure::None;
    result.child = std::make_unique<QtChildProcess>(std::move(process));
    return result;
}

}  // namespace tavoclip
