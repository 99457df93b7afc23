#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>

#ifdef Q_OS_LINUX
#include <csignal>
#endif

#include "ConsoleOutput.h"
#include "ConvProgram.h"
#include "InterruptSignals.h"

int main(int argc, char* argv[])
{
    // Before anything else: the signal mask is inherited by every thread.
    tavoclip::InterruptSignals interrupts;
#ifdef Q_OS_LINUX
    // The window may end while a file converts, closing the pipe we print to.
    // The file in hand is still finished and renamed into place: a write to
    // the broken pipe fails quietly instead of killing conv half-way.
    std::signal(SIGPIPE, SIG_IGN);
    // Under a file-size limit (ulimit -f) a write past it would kill conv, or
    // its FFmpeg, with SIGXFSZ: no cause is told and conv's temporary folder
    // stays behind. Ignored, the write fails with EFBIG ("File too large"),
    // which conv reports, and it cleans up. The children inherit the setting.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    // The raw bytes of each argument: paths reach the file system unchanged.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    tavoclip::ConsoleOutput console(stdout, stderr);
    tavoclip::ConvProgram program(console, interrupts, QCoreApplication::applicationDirPath(), TAVOCLIP_VERSION);
    return static_cast<int>(program.Run(arguments));
}
