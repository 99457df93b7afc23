#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavoclip {

struct FrameSize {
    int width = 0;
    int height = 0;
    bool operator==(const FrameSize&) const = default;
};

// One converter command line, read and checked. Optional fields were not on
// the line; empty codec texts leave the choice to the output container.
struct ConvRequest {
    std::string sourcePath;
    std::string outputPath;
    std::optional<double> startSeconds;
    std::optional<double> lengthSeconds;
    bool overwrite = false;        // -y: an existing output is no reason to stop
    bool replaceExisting = false;  // -overwrite: an existing output is replaced, not kept
    bool noVideo = false;
    std::optional<std::int64_t> videoBitrate;  // bits per second
    std::optional<std::int64_t> audioBitrate;  // bits per second
    std::optional<FrameSize> frameSize;
    std::string videoCodec;
    std::string audioCodec;
    std::optional<int> sampleRate;
    std::optional<int> channels;
};

}  // namespace tavoclip
