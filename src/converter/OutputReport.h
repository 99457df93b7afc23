#pragma once

#include <string_view>

namespace tavoclip {

// Which kinds of stream FFmpeg writes, read from the description of its
// output that it prints at "info" level before it starts:
//   Output #0, avi, to 'file:out.avi':
//     Stream #0:0: Video: mpeg4 (FMP4 / 0x34504D46), yuv420p, 320x240, ...
//     Stream #0:1: Audio: mp3 (U[0][0][0] / 0x0055), 44100 Hz, stereo, ...
class OutputReport {
public:
    // Every message FFmpeg writes, in order; isInfo for "info" level ones.
    void Add(bool isInfo, std::string_view text);

    bool hasVideo() const { return video_; }
    bool hasAudio() const { return audio_; }
    // The video's frame rate as written, 0 when not printed.
    double framesPerSecond() const { return framesPerSecond_; }

private:
    enum class State { Before,
                       Inside,
                       After };
    State state_ = State::Before;
    bool video_ = false;
    bool audio_ = false;
    double framesPerSecond_ = 0;
};

}  // namespace tavoclip
