#include "ConvArguments.h"

#include <array>
#include <cmath>
#include <functional>

#include "NumberText.h"
#include "OutputContainer.h"

namespace tavoclip {
namespace {

constexpr std::array<std::string_view, 3> kFlags{"-y", "-vn", "-overwrite"};
constexpr std::array<std::string_view, 11> kValueOptions{
    "-i", "-ss", "-t", "-b", "-ab", "-s", "-vcodec", "-acodec", "-ar", "-ac", "-f"};

bool IsOptionName(std::string_view text)
{
    for (std::string_view flag : kFlags)
        if (text == flag) return true;
    for (std::string_view option : kValueOptions)
        if (text == option) return true;
    return false;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::optional<int> ParseWholeNumber(std::string_view text, int low, int high)
{
    const auto number = ParseNumber(text);
    if (!number || *number != std::floor(*number) || *number < low || *number > high) return std::nullopt;
    return static_cast<int>(*number);
}

// Applies one option with its value to the request; the error text when the
// value does not fit the option.
std::string ApplyValue(ConvRequest& request, std::string_view option, std::string_view value)
{
    const std::string bad = "invalid value " + Quoted(value) + " for " + std::string(option);
    if (option == "-i") {
        if (value.empty()) return "the source path after -i is empty";
        request.sourcePath = value;
    } else if (option == "-ss" || option == "-t") {
        const auto seconds = ParseNumber(value);
        const bool isStart = option == "-ss";
        if (!seconds || !std::isfinite(*seconds) || *seconds < 0 || (!isStart && *seconds == 0))
            return bad + (isStart ? ": the start must be 0 or more seconds" : ": the length must be more than 0 seconds");
        (isStart ? request.startSeconds : request.lengthSeconds) = *seconds;
    } else if (option == "-b" || option == "-ab") {
        const auto bitrate = ParseBitrate(value);
        if (!bitrate) return bad + ": expected a bitrate such as 128k";
        (option == "-b" ? request.videoBitrate : request.audioBitrate) = bitrate;
    } else if (option == "-s") {
        const auto size = ParseFrameSize(value);
        if (!size) return bad + ": expected a frame size such as 320x240";
        request.frameSize = size;
    } else if (option == "-vcodec") {
        if (value != "wmv2") return bad + ": the only video codec that can be named is wmv2";
        request.videoCodec = value;
    } else if (option == "-acodec") {
        if (value != "wmav2" && value != "wmav1" && value != "libamr_nb")
            return bad + ": the audio codec must be wmav2, wmav1 or libamr_nb";
        request.audioCodec = value;
    } else if (option == "-ar") {
        request.sampleRate = ParseWholeNumber(value, 8000, 192000);
        if (!request.sampleRate) return bad + ": expected a sample rate from 8000 to 192000";
    } else if (option == "-ac") {
        request.channels = ParseWholeNumber(value, 1, 8);
        if (!request.channels) return bad + ": expected a channel count from 1 to 8";
    } else {
        return "unknown option " + Quoted(option);
    }
    return {};
}

// The named codecs must suit the container the extension picked.
std::string CheckCodecs(const ConvRequest& request, const OutputContainer& container)
{
    const std::string_view ext = container.extension;
    if (!request.videoCodec.empty() && ext != ".wmv")
        return "-vcodec " + request.videoCodec + " cannot be written into " + std::string(ext);
    const bool wma = request.audioCodec == "wmav1" || request.audioCodec == "wmav2";
    if (wma && ext != ".wmv" && ext != ".wma")
        return "-acodec " + request.audioCodec + " cannot be written into " + std::string(ext);
    if (request.audioCodec == "libamr_nb" && ext != ".3gp" && ext != ".amr")
        return "-acodec libamr_nb cannot be written into " + std::string(ext);
    return {};
}

std::string ParseOptions(ConvRequest& request, std::span<const std::string> options)
{
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& name = options[i];
        if (name == "-y") {
            request.overwrite = true;
            continue;
        }
        if (name == "-vn") {
            request.noVideo = true;
            continue;
        }
        if (name == "-overwrite") {
            request.replaceExisting = true;
            continue;
        }
        if (name == "-f") return "unknown option '-f': the output's extension picks its format";
        if (!IsOptionName(name)) {
            return name.starts_with('-') ? "unknown option " + Quoted(name)
                                         : "unexpected argument " + Quoted(name) + " before the output path";
        }
        if (i + 1 >= options.size()) return name + " needs a value";
        if (std::string error = ApplyValue(request, name, options[++i]); !error.empty()) return error;
    }
    return {};
}

}  // namespace

std::optional<std::int64_t> ParseBitrate(std::string_view text)
{
    double scale = 1;
    if (!text.empty() && (text.back() == 'k' || text.back() == 'K')) scale = 1000;
    else if (!text.empty() && text.back() == 'M') scale = 1000000;
    if (scale != 1) text.remove_suffix(1);
    const auto number = ParseNumber(text);
    if (!number || !std::isfinite(*number) || *number <= 0 || text.find(' ') != std::string_view::npos) return std::nullopt;
    const double bits = std::round(*number * scale);
    if (bits < 1 || bits > 1e9) return std::nullopt;
    return static_cast<std::int64_t>(bits);
}

std::optional<FrameSize> ParseFrameSize(std::string_view text)
{
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const auto width = ParseWholeNumber(text.substr(0, x), 1, 8192);
    const auto height = ParseWholeNumber(text.substr(x + 1), 1, 8192);
    if (!width || !height || text.find(' ') != std::string_view::npos) return std::nullopt;
    return FrameSize{*width, *height};
}

ParsedArguments ParseConvArguments(std::span<const std::string> arguments)
{
    if (arguments.empty()) return {std::nullopt, "no options given: expected -i SOURCE ... OUTPUT"};
    const std::string& last = arguments.back();
    if (IsOptionName(last) || last.empty()) return {std::nullopt, "no output path: it must be the last argument"};

    ConvRequest request;
    request.outputPath = last;
    if (std::string error = ParseOptions(request, arguments.first(arguments.size() - 1)); !error.empty())
        return {std::nullopt, error};
    if (request.sourcePath.empty()) return {std::nullopt, "no source: -i SOURCE is missing"};

    const auto container = FindOutputContainer(request.outputPath);
    if (!container) {
        return {std::nullopt, "the output " + Quoted(request.outputPath) + " has none of the known extensions (" +
                                  std::string(KnownExtensions()) + ")"};
    }
    if (std::string error = CheckCodecs(request, *container); !error.empty()) return {std::nullopt, error};
    return {request, {}};
}

}  // namespace tavoclip
