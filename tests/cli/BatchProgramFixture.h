#pragma once

// Runs the built tavoclip-batch as a user's script would, in a temporary
// folder of its own.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MediaTools.h"

namespace tavoclip {

struct RunResult {
    int status = -1;
    std::vector<std::string> lines;
    std::string errors;
};

class BatchProgramFixture : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }
    QString Q(const std::string& name) const { return QString::fromStdString(Path(name)); }
    std::string Write(const std::string& name, const std::string& script) const
    {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        std::ofstream(Path(name)) << script;
        return Path(name);
    }
    RunResult Run(const QStringList& arguments) const
    {
        QProcessEnvironment environment;
        environment.insert("FAKECONV_LOG", Q("runs.log"));
        const ProgramRun run = RunProgram(TAVOCLIP_BATCH_PATH, arguments, dir_.path(), environment);
        RunResult result;
        result.status = run.status;
        for (const QString& line : QString::fromLocal8Bit(run.output).split('\n', Qt::SkipEmptyParts)) {
            result.lines.push_back(line.toStdString());
        }
        result.errors = run.errors;
        return result;
    }
    std::size_t Runs() const
    {
        std::ifstream log(Path("runs.log"));
        std::size_t count = 0;
        for (std::string line; std::getline(log, line);) ++count;
        return count;
    }
    // A small real clip of the given length made by FFmpeg: test pattern and tone.
    bool MakeClip(const std::string& name, int seconds) const { return tavoclip::MakeClip(Q(name), seconds); }
    // The container's duration by ffprobe, in seconds; -1 when unreadable.
    static double Duration(const std::string& path) { return ProbeDuration(QString::fromStdString(path)); }
    static std::string Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    QTemporaryDir dir_;
};

}  // namespace tavoclip
