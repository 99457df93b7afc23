#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SourceInfo.h"

namespace tavoclip {

// FFmpeg's description of its first input, printed at "info" level as soon as
// it has opened it:
//   Input #0, flv, from 'file:a.flv':
//     Duration: 00:00:30.03, start: 0.000000, bitrate: 503 kb/s
//     Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s
//     Stream #0:1: Video: flv1, yuv420p, 320x240, 400 kb/s, 25 fps, 25 tbr, 1k tbn
// with the input's tags in a "  Metadata:" block before the length. Just
// before it FFmpeg warns of each sound stream whose channels it had to guess
// ("Guessed Channel Layout for Input Stream #0.0 : mono"). It tells what ffprobe would, so a conversion that is already running can
// check its guessed options without starting another program.
class InputReport {
public:
    // Every message FFmpeg writes, in order; isInfo for "info" level ones.
    void Add(bool isInfo, std::string_view text);
    // FFmpeg has ended: no more of the description can come.
    void End() { ended_ = true; }

    // Whether the description has been printed in full (or never will be).
    bool complete() const { return ended_; }

    // The facts, or nullopt when the description is missing or holds
    // something this reader does not know for sure (a length of N/A, an
    // unknown channel layout, programs): ffprobe must answer then.
    std::optional<SourceInfo> Read() const;

private:
    void AddTag(std::string_view line);

    bool started_ = false;
    bool ended_ = false;
    bool tooLong_ = false;  // past kMostLines: not read for sure
    bool inTags_ = false;   // inside the input's own "Metadata:" block
    std::vector<std::string> lines_;
    std::map<std::string, std::string> tags_;
    std::string lastTag_;
    std::vector<int> guessedLayouts_;  // streams whose channel layout FFmpeg guessed
};

}  // namespace tavoclip
