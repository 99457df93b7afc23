#pragma once

#include <map>
#include <optional>
#include <string>

#include <time.h>

#include <QByteArray>

#include "ConvRequest.h"

namespace tavoclip {

struct VideoStreamInfo {
    int index = 0;
    int width = 0;
    int height = 0;
    double framesPerSecond = 0;  // 0 when the source does not say
    bool variableRate = false;   // the frames do not come at one fixed rate
    // The shape of one stored pixel, width:height; 1:1 when the source does
    // not say.
    int pixelAspectWidth = 1;
    int pixelAspectHeight = 1;
    // Degrees the source asks the stored picture to be turned by (its display
    // matrix); FFmpeg turns the picture upright before any filter sees it.
    int rotation = 0;
    // When the first picture comes, in seconds after the source's start; only
    // ffprobe tells, 0 otherwise.
    double startSeconds = 0;
};

// The picture's size once FFmpeg has turned it upright.
FrameSize UprightSize(const VideoStreamInfo& video);

// Width over height of the picture as it is shown: upright, each pixel at
// its own aspect.
double DisplayAspect(const VideoStreamInfo& video);

struct AudioStreamInfo {
    int index = 0;
    int sampleRate = 0;
    int channels = 0;
    // Where the sound lies on the source's clock (0 is the source's start).
    // Only ffprobe tells; endSeconds is 0 when unknown.
    double startSeconds = 0;
    double endSeconds = 0;
    int ordinal = 0;          // its place among the source's sound streams: FFmpeg's "0:a:N"
    bool layoutKnown = true;  // false: FFmpeg knows the count of channels, not which they are
};

// What the converter needs to know of a source, gathered once and read by the
// plan, the check of the output and the commit: the first video stream that
// is a picture sequence (cover art does not count), the sound stream a player
// would play (the first one marked default, else the first), the length the
// container states, its tags and the file's own date.
struct SourceInfo {
    double durationSeconds = 0;  // as the container states it; 0 when unknown
    std::optional<VideoStreamInfo> video;
    std::optional<AudioStreamInfo> audio;
    std::map<std::string, std::string> tags;  // the container's own: title, creation_time, location...
    // How far the packets ffprobe was asked to read reach, on the source's
    // clock; 0 when none were read.
    double packetsEndSeconds = 0;
    std::optional<timespec> modified;  // the source file's modification time
};

// Sets framesPerSecond and variableRate from a stream's average and real
// (base) frame rates, each 0 when unknown. Rates less than `tolerance` apart
// are one rate.
void SetFrameRates(VideoStreamInfo& video, double average, double real, double tolerance);

// Reads ffprobe's JSON (-show_format -show_streams); nullopt when the text is
// not such a document.
std::optional<SourceInfo> ParseProbeOutput(const QByteArray& json);

}  // namespace tavoclip
