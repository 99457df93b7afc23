#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ConvRequest.h"

namespace tavoclip {

// The command line read into a request, or the one-line reason it cannot be.
struct ParsedArguments {
    std::optional<ConvRequest> request;
    std::string error;
};

// Reads the converter's options (everything after the program name). The
// output path is the last argument; the options before it may come in any
// order, and a later repetition replaces an earlier one, as in FFmpeg.
ParsedArguments ParseConvArguments(std::span<const std::string> arguments);

// "256k", "4.75k", "1.5M" or plain bits per second; nullopt unless positive.
std::optional<std::int64_t> ParseBitrate(std::string_view text);

// "320x240"; nullopt unless both sides are whole numbers from 1 to 8192.
std::optional<FrameSize> ParseFrameSize(std::string_view text);

}  // namespace tavoclip
