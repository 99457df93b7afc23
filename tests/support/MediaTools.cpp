#include "MediaTools.h"

#include <QProcess>

#include <filesystem>

namespace tavoclip {

ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QString& folder,
                      const QProcessEnvironment& environment)
{
    QProcess process;
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    QProcessEnvironment merged = QProcessEnvironment::systemEnvironment();
    merged.insert(environment);
    process.setProcessEnvironment(merged);
    process.start(program, arguments);
    process.waitForFinished(120000);
    ProgramRun run;
    if (process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
    }
    run.output = process.readAllStandardOutput().toStdString();
    run.errors = process.readAllStandardError().toStdString();
    return run;
}

bool Ffmpeg(const QStringList& arguments)
{
    return RunProgram("ffmpeg", QStringList{"-nostdin", "-v", "error", "-y"} + arguments).status == 0;
}

bool MakeClip(const QString& path, int seconds, const QString& size, int rate)
{
    std::filesystem::create_directories(std::filesystem::path(path.toStdString()).parent_path());
    const QString length = QString::number(seconds);
    return RunProgram("ffmpeg", {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                                 "testsrc=duration=" + length + ":size=" + size + ":rate=" + QString::number(rate),
                                 "-f", "lavfi", "-i", "sine=duration=" + length, "-shortest", "-y", path})
               .status == 0;
}

double ProbeDuration(const QString& path)
{
    const ProgramRun probe =
        RunProgram("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
    bool ok = false;
    const double seconds = QString::fromStdString(probe.output).trimmed().toDouble(&ok);
    return ok ? seconds : -1;
}

}  // namespace tavoclip
