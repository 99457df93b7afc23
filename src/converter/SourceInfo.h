#pragma once

#include <optional>
#include <string>

#include <QByteArray>

namespace tavoclip {

struct VideoStreamInfo {
    int index = 0;
    int width = 0;
    int height = 0;
    double framesPerSecond = 0;  // 0 when the source does not say
    bool variableRate = false;   // the frames do not come at one fixed rate
};

struct AudioStreamInfo {
    int index = 0;
    int sampleRate = 0;
    int channels = 0;
    // Where the sound lies on the source's clock (0 is the source's start).
    // Only ffprobe tells; endSeconds is 0 when unknown.
    double startSeconds = 0;
    double endSeconds = 0;
};

// What the converter needs to know of a source before choosing its options:
// the first video stream that is a picture sequence (cover art does not
// count), the first audio stream, and the length of the whole input.
struct SourceInfo {
    double durationSeconds = 0;  // 0 when unknown
    std::optional<VideoStreamInfo> video;
    std::optional<AudioStreamInfo> audio;
};

// Sets framesPerSecond and variableRate from a stream's average and real
// (base) frame rates, each 0 when unknown. Rates less than `tolerance` apart
// are one rate.
void SetFrameRates(VideoStreamInfo& video, double average, double real, double tolerance);

// Reads ffprobe's JSON (-show_format -show_streams); nullopt when the text is
// not such a document.
std::optional<SourceInfo> ParseProbeOutput(const QByteArray& json);

}  // namespace tavoclip
