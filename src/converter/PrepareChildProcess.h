#pragma once

#include <QProcess>

namespace tavoclip {

// Prepares a QProcess for one FFmpeg program: no console input, and on Linux
// the child ends with conv, so a killed conv leaves no FFmpeg writing on, and
// gets back the signals conv itself watches (InterruptSignals).
void PrepareChildProcess(QProcess& process);

}  // namespace tavoclip
