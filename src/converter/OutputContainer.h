#pragma once

#include <optional>
#include <string_view>

namespace tavoclip {

enum class AudioEncoder { Mp2,
                          Lame,
                          Aac,
                          Wma1,
                          Wma2,
                          Pcm,
                          AmrNb };

// How a picture is laid into the output's frame size.
enum class PictureFit {
    None,         // no picture
    PixelAspect,  // a frame turned to the picture's orientation; the stored pixel aspect keeps its shape
    Bars,         // a frame turned to the picture's orientation; square pixels, black bars (MPEG-1 stores
                  // only a few pixel aspects)
    BarsAsChosen  // the frame as chosen (a phone plays its own sizes); square pixels, black bars
};

// What one output extension means: FFmpeg's muxer, the video codec and the
// audio encoder a user of that format expects. AMR-NB is encoded by conv
// itself, so the .amr row has no muxer.
struct OutputContainer {
    std::string_view extension;
    std::string_view label;
    std::string_view muxer;
    bool audioOnly;
    std::string_view videoCodec;
    AudioEncoder audio;
    PictureFit fit;
};

// The container for a path's extension (any letter case); nullopt when the
// extension is not one of the ten the converter writes.
std::optional<OutputContainer> FindOutputContainer(std::string_view outputPath);

// ".mpg, .wmv, ..." for messages.
std::string_view KnownExtensions();

// FFmpeg's name of an audio encoder; empty for AMR-NB, which conv encodes.
std::string_view FfmpegAudioCodec(AudioEncoder encoder);

}  // namespace tavoclip
