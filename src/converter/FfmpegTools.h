#pragma once

#include <optional>

#include <QString>

namespace tavoclip {

// The FFmpeg programs conv runs: the copies beside conv come first, so a
// packaged program can carry its own; otherwise those on PATH.
struct FfmpegTools {
    QString ffmpeg;
    QString ffprobe;

    // Both found, or the name of the first that is missing.
    static std::optional<FfmpegTools> Find(const QString& converterFolder, QString* missing);

    // The first line of "ffmpeg -version", or an empty text.
    QString Version() const;
};

}  // namespace tavoclip
