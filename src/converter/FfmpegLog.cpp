#include "FfmpegLog.h"

#include <array>
#include <utility>

namespace tavoclip {
namespace {

using Level = FfmpegMessage::Level;

struct LevelMarker {
    std::string_view marker;
    Level level;
};

constexpr std::array<LevelMarker, 8> kMarkers{{{"[info] ", Level::Info},
                                               {"[verbose] ", Level::Info},
                                               {"[debug] ", Level::Info},
                                               {"[trace] ", Level::Info},
                                               {"[warning] ", Level::Warning},
                                               {"[error] ", Level::Error},
                                               {"[fatal] ", Level::Error},
                                               {"[panic] ", Level::Error}}};

// Finds the level marker at the start of the message or right after its
// "[context @ 0x...] " prefix; returns where it begins, or npos.
std::size_t MarkerPosition(std::string_view line, const LevelMarker& marker)
{
    if (line.starts_with(marker.marker)) return 0;
    if (!line.starts_with('[')) return std::string_view::npos;
    const std::size_t contextEnd = line.find("] [");
    if (contextEnd == std::string_view::npos || line.substr(0, contextEnd).find(" @ ") == std::string_view::npos)
        return std::string_view::npos;
    return line.substr(contextEnd + 2).starts_with(marker.marker) ? contextEnd + 2 : std::string_view::npos;
}

}  // namespace

FfmpegMessage FfmpegLog::ReadLine(std::string_view line)
{
    if (line.ends_with('\r')) line.remove_suffix(1);
    for (const LevelMarker& marker : kMarkers) {
        const std::size_t at = MarkerPosition(line, marker);
        if (at == std::string_view::npos) continue;
        previous_ = marker.level;
        std::string text(line.substr(0, at));
        text += line.substr(at + marker.marker.size());
        return {marker.level, std::move(text)};
    }
    return {previous_, std::string(line)};
}

std::vector<FfmpegMessage> FfmpegLog::Add(std::string_view chunk)
{
    std::vector<FfmpegMessage> messages;
    for (;;) {
        const std::size_t newline = chunk.find('\n');
        const std::string_view piece = chunk.substr(0, newline);
        if (!droppingRest_) {
            const std::size_t room = kLongestLine - partial_.size();
            partial_ += piece.substr(0, room);
            if (piece.size() > room) {
                messages.push_back(ReadLine(partial_));
                partial_.clear();
                droppingRest_ = true;
            }
        }
        if (newline == std::string_view::npos) return messages;
        if (!droppingRest_) messages.push_back(ReadLine(partial_));
        partial_.clear();
        droppingRest_ = false;
        chunk.remove_prefix(newline + 1);
    }
}

std::vector<FfmpegMessage> FfmpegLog::Finish()
{
    std::vector<FfmpegMessage> messages;
    if (!partial_.empty()) messages.push_back(ReadLine(partial_));
    partial_.clear();
    droppingRest_ = false;
    return messages;
}

}  // namespace tavoclip
