#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <string>

namespace tavoclip {

struct ProgramRun {
    int status = -1;  // the exit code; -1 when the program crashed or did not end
    std::string output;
    std::string errors;
};

// Runs a program to its end in folder, with environment added to this
// process's own, and returns what it wrote.
ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QString& folder = {},
                      const QProcessEnvironment& environment = {});

// Runs ffmpeg quietly on arguments, replacing an existing output; true when
// it ended with status 0.
bool Ffmpeg(const QStringList& arguments);

// A small real clip made by FFmpeg at test time: test pattern and tone.
bool MakeClip(const QString& path, int seconds, const QString& size = QStringLiteral("160x120"), int rate = 10);

// The container's duration by ffprobe, in seconds; -1 when unreadable.
double ProbeDuration(const QString& path);

}  // namespace tavoclip
