#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ConvRequest.h"
#include "OutputContainer.h"
#include "SourceInfo.h"

namespace tavoclip {

// How the picture goes into the output: the frame's size and the filter that
// lays the picture into it. A picture taller than wide turns a wider chosen
// size (320x240 becomes 240x320) where the container allows it, so that no
// pixel is spent on a squeezed frame; where the container cannot store the
// pixel aspect that would keep the picture's shape, it is fitted in at square
// pixels between black bars instead of being distorted.
struct PictureShape {
    std::optional<FrameSize> frame;  // the size to ask FFmpeg for; nullopt keeps the picture's own
    std::string filter;              // the -vf chain; empty when FFmpeg's own scaling to `frame` does
    std::vector<std::string> notes;  // one line for each adjustment made
};

// `chosen` is the size on the command line, if any. 4:2:0 video needs even
// sides, so every size asked for is even.
PictureShape ChoosePictureShape(PictureFit fit, const std::optional<FrameSize>& chosen, const VideoStreamInfo& video);

}  // namespace tavoclip
