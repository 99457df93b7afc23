#pragma once

#include <QProcess>

namespace tavoclip {

// Prepares a QProcess for one FFmpeg program: no console input, and on Linux
// the child ends with conv, so a killed conv leaves no FFmpeg writing on.
void PrepareChildProcess(QProcess& process);

}  // namespace tavoclip
