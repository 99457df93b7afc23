#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QIODevice>
#include <QProcess>

#include "AmrNbEncoder.h"
#include "ConsoleOutput.h"
#include "ConversionPlan.h"
#include "FfmpegTools.h"

namespace tavoclip {

struct RunResult {
    bool succeeded = false;
    std::vector<std::string> errorLines;  // FFmpeg's own, last ones first kept
    std::string reason;                   // one line for the end of the output
};

// Runs the FFmpeg processes of a plan, moves the PCM through conv's AMR-NB
// encoder where the plan asks for it, and prints "time=" progress four times a
// second and once at the end. amrFile receives the AMR stream of an .amr
// output (nullptr otherwise).
class ConversionRun {
public:
    ConversionRun(const FfmpegTools& tools, const ConversionPlan& plan, ConsoleOutput& console, QIODevice* amrFile);
    ~ConversionRun();

    RunResult Run();

private:
    std::unique_ptr<QProcess> StartProcess(const std::vector<std::string>& arguments);
    void ReadPcm();
    void FinishPcm();
    void ReadProgress();
    void CollectErrors(QProcess& process);
    void Fail(const std::string& reason);
    bool Finished(const QProcess* process) const;

    const FfmpegTools& tools_;
    const ConversionPlan& plan_;
    ConsoleOutput& console_;
    QIODevice* amrFile_;
    std::unique_ptr<AmrNbEncoder> encoder_;
    std::unique_ptr<QProcess> encode_;
    std::unique_ptr<QProcess> pcm_;
    QByteArray progressBuffer_;
    std::vector<std::string> errorLines_;
    std::string failure_;
    double seconds_ = 0;
};

}  // namespace tavoclip
