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
    std::string Write(const std::string& name, const std::string& script) const {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        std::ofstream(Path(name)) << script;
        return Path(name);
    }
    RunResult Run(const QStringList& arguments) const {
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FAKECONV_LOG", Q("runs.log"));
        process.setProcessEnvironment(environment);
        process.start(TAVOCLIP_BATCH_PATH, arguments);
        process.waitForFinished(120000);
        RunResult result;
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        for (const QString& line : QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
            result.lines.push_back(line.toStdString());
        }
        result.errors = process.readAllStandardError().toStdString();
        return result;
    }
    std::size_t Runs() const {
        std::ifstream log(Path("runs.log"));
        std::size_t count = 0;
        for (std::string line; std::getline(log, line);) ++count;
        return count;
    }
    // A small real clip of the given length made by FFmpeg: test pattern and tone.
    bool MakeClip(const std::string& name, int seconds) const {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        const QString length = QString::number(seconds);
        return QProcess::execute("ffmpeg", {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                                            "testsrc=duration=" + length + ":size=160x120:rate=10", "-f", "lavfi",
                                            "-i", "sine=duration=" + length, "-shortest", "-y", Q(name)}) == 0;
    }
    // The container's duration by ffprobe, in seconds; -1 when unreadable.
    static double Duration(const std::string& path) {
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0",
                                QString::fromStdString(path)});
        probe.waitForFinished(30000);
        bool ok = false;
        const double seconds = probe.readAllStandardOutput().trimmed().toDouble(&ok);
        return ok ? seconds : -1;
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    QTemporaryDir dir_;
};

}  // namespace tavoclip
