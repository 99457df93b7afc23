#include "PrepareChildProcess.h"

#include "InterruptSignals.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace tavoclip {

void PrepareChildProcess(QProcess& process)
{
    process.setInputChannelMode(QProcess::ManagedInputChannel);
#ifdef Q_OS_LINUX
    const pid_t conv = ::getpid();
    process.setChildProcessModifier([conv] {
        InterruptSignals::UnblockInChild();
        // conv ignores SIGPIPE (see main); FFmpeg gets the usual behaviour back.
        std::signal(SIGPIPE, SIG_DFL);
        // As in conv (see main): a write past a file-size limit fails with a
        // cause FFmpeg prints instead of killing it.
        std::signal(SIGXFSZ, SIG_IGN);
        // SIGKILL, not SIGTERM: FFmpeg would finish its file on SIGTERM, for
        // no one, as conv is gone and cannot remove it.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // conv may have died between fork and prctl; no signal comes then.
        if (::getppid() != conv) ::_exit(127);
    });
#endif
}

}  // namespace tavoclip
