#pragma once

#include <QProcess>

namespace tavoclip {

// Prepares a QProcess for one FFmpeg program: no console input, and on Linux
// the child ends with conv, even a conv killed with SIGKILL, so no FFmpeg
// writes on for no one; and it gets back the signals conv itself watches
// (InterruptSignals).
void PrepareChildProcess(QProcess& process);

}  // namespace tavoclip
