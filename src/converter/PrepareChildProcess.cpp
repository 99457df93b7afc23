#include "PrepareChildProcess.h"

#include "InterruptSignals.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace tavoclip {

void PrepareChildProcess(QProcess& process) {
    process.setInputChannelMode(QProcess::ManagedInputChannel);
#ifdef Q_OS_LINUX
    process.setChildProcessModifier([] {
        InterruptSignals::UnblockInChild();
        // conv ignores SIGPIPE (see main); FFmpeg gets the usual behaviour back.
        std::signal(SIGPIPE, SIG_DFL);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
#endif
}

}  // namespace tavoclip
