#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AmrNbEncoder.h"
#include "ConvRequest.h"
#include "OutputCheck.h"
#include "OutputContainer.h"
#include "SourceInfo.h"

namespace tavoclip {

// How one conversion runs: up to two FFmpeg processes and conv's own AMR-NB
// encoder between them.
//   - encodeArguments alone: FFmpeg writes the output by itself;
//   - pcmArguments alone (.amr): FFmpeg decodes the audio to 8 kHz mono PCM
//     on its standard output and conv writes the AMR file;
//   - both (.3gp with sound): conv's AMR stream goes to the encoding FFmpeg's
//     standard input, which muxes it with the video.
struct ConversionPlan {
    std::string error;               // non-empty: the conversion cannot run
    std::vector<std::string> notes;  // one line for each adjustment made
    std::vector<std::string> encodeArguments;
    std::vector<std::string> pcmArguments;
    std::optional<AmrModeChoice> amrMode;
    ExpectedOutput expected;  // what the output must hold to count as converted
};

// Chooses codecs, rates and sizes that the container can take from this source
// and spells the FFmpeg argument vectors (without the program itself). Every
// path is given with FFmpeg's "file:" prefix so that no name is read as an
// option or a protocol.
ConversionPlan BuildConversionPlan(const ConvRequest& request, const OutputContainer& container,
                                   const SourceInfo& source, const std::string& temporaryOutput);

// A source that needs no adjustment for any format: video at 25 fps and even
// size, 44.1 kHz stereo audio. Its plan equals the real source's plan in the
// common case, so FFmpeg can start on it before the real source is known.
SourceInfo TypicalSource(const ConvRequest& request);

// Whether two plans run the very same processes.
bool SameProcesses(const ConversionPlan& first, const ConversionPlan& second);

// "file:" + path.
std::string FfmpegFileUrl(const std::string& path);

}  // namespace tavoclip
