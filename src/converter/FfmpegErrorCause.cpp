#include "FfmpegErrorCause.h"

#include <array>
#include <cstring>

namespace tavoclip {
namespace {

// The highest errno value Linux defines (EHWPOISON).
constexpr int kLastErrno = 133;

// FFmpeg's closing words, which never say why.
constexpr std::array<std::string_view, 2> kGenericLines{"Conversion failed!", "Exiting normally"};

bool NamesSystemError(std::string_view line)
{
    for (int number = 1; number <= kLastErrno; ++number) {
        const std::string text = std::string(": ") + std::strerror(number);
        if (line.ends_with(text)) return true;
    }
    return false;
}

bool IsGeneric(std::string_view line)
{
    for (const std::string_view generic : kGenericLines)
        if (line.starts_with(generic)) return true;
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// Drops "[mp4 @ 0x55d0c8] ".
std::string Readable(std::string_view line)
{
    if (line.starts_with('[')) {
        const std::size_t end = line.find("] ");
        if (end != std::string_view::npos && line.substr(0, end).find(" @ ") != std::string_view::npos)
            line.remove_prefix(end + 2);
    }
    return std::string(line);
}

}  // namespace

std::string FfmpegErrorCause(const std::vector<std::string>& errorLines)
{
    for (const std::string& line : errorLines)
        if (NamesSystemError(line)) return Readable(line);
    for (const std::string& line : errorLines)
        if (!IsGeneric(Readable(line))) return Readable(line);
    return {};
}

std::string ReplaceAll(std::string text, std::string_view name, std::string_view replacement)
{
    if (name.empty()) return text;
    for (std::size_t at = 0; (at = text.find(name, at)) != std::string::npos; at += replacement.size())
        text.replace(at, name.size(), replacement);
    return text;
}

bool IsOutputWriteError(std::string_view message)
{
    // FFmpeg 5 words these as the first three, later versions as the others.
    constexpr std::array<std::string_view, 5> kWriteFailures{
        "av_interleaved_write_frame()", "Error writing trailer", "Error closing file",
        "Error submitting a packet to the muxer", "Error muxing a packet"};
    for (const std::string_view failure : kWriteFailures)
        if (message.find(failure) != std::string_view::npos) return true;
    return false;
}

}  // namespace tavoclip
