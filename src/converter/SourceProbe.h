#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QProcess>
#include <QString>
#include <QTimer>

#include "SourceInfo.h"

namespace tavoclip {

struct ProbeResult {
    std::optional<SourceInfo> info;
    std::string error;  // why the source cannot be read, when info is empty
};

// Asks ffprobe what the source holds, without blocking the event loop, so
// that the conversion can already run meanwhile. A source ffprobe cannot read,
// or that keeps it busy longer than timeoutMs, gives an error, never a hang.
// onDone is called once.
class SourceProbe {
public:
    SourceProbe(QString ffprobe, std::string sourcePath, std::function<void(ProbeResult)> onDone,
                int timeoutMs = 20000);
    ~SourceProbe();

    // Also reads the packets for a few seconds from `seconds` on: a source
    // whose length the container does not state, or states wrongly, then
    // still shows how far it really reaches. With soundOrdinal, of that
    // sound stream alone ("0:a:N"), and only that stream is described.
    void LookForPacketsFrom(double seconds, std::optional<int> soundOrdinal = std::nullopt)
    {
        packetsFrom_ = seconds;
        soundOrdinal_ = soundOrdinal;
    }

    void Start();

private:
    void Finish(ProbeResult result);
    ProbeResult ReadResult();
    void KeepMessages();

    QString ffprobe_;
    std::string url_;
    std::function<void(ProbeResult)> onDone_;
    int timeoutMs_;
    QProcess process_;
    QByteArray messages_;  // the end of ffprobe's error messages
    QTimer timeout_;
    std::optional<double> packetsFrom_;
    std::optional<int> soundOrdinal_;
    bool done_ = false;
};

}  // namespace tavoclip
