#include "QtProcessLauncher.h"

#include <QProcess>
#include <QStringList>

#include "QtChildProcess.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace tavoclip {
namespace {

// Runs in the child between fork and exec, so only async-signal-safe calls.
// A parent that died before the request was made is caught by the check
// after it.
void EndWithParent([[maybe_unused]] QProcess& process)
{
#ifdef Q_OS_LINUX
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::raise(SIGTERM);
    });
#endif
}

std::unique_ptr<QProcess> PreparedProcess()
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    return process;
}

}  // namespace

LaunchResult QtProcessLauncher::Launch(const std::vector<std::string>& arguments)
{
    LaunchResult result;
    result.failure = LaunchFailure::NotStarted;
    if (arguments.empty() || arguments.front().empty()) return result;

    QStringList rest;
    for (std::size_t i = 1; i < arguments.size(); ++i) rest << QString::fromLocal8Bit(arguments[i]);
    auto process = PreparedProcess();
    if (options_.endWithParent) EndWithParent(*process);
    process->start(QString::fromLocal8Bit(arguments.front()), rest, QIODevice::ReadOnly);
    // QProcess learns at once whether the program could be executed; this
    // does not wait for the child to do any work.
    if (!process->waitForStarted(-1)) return result;

    result.failure = LaunchFailure::None;
    result.child = std::make_unique<QtChildProcess>(std::move(process));
    return result;
}

}  // namespace tavoclip
