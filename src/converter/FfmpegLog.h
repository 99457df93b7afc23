#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavoclip {

// One message of FFmpeg's standard error, without its level marker.
struct FfmpegMessage {
    enum class Level { Info,
                       Warning,
                       Error };
    Level level = Level::Info;
    std::string text;  // "[flv @ 0x55d0] Failed to read..." keeps its context
};

// Splits FFmpeg's standard error, written with "-loglevel level+info", into
// messages. Each message starts with its level in brackets, after an optional
// "[context @ 0x...]"; a line without one continues the message before it (a
// metadata value that holds a line break, say).
//
// A line longer than kLongestLine bytes is kept only up to that length, and
// the rest of it up to its line break is dropped: what the log holds stays
// bounded however long an FFmpeg writes without a line break.
class FfmpegLog {
public:
    static constexpr std::size_t kLongestLine = 64 * 1024;

    // Any piece of the stream: a line cut in two waits for its end.
    std::vector<FfmpegMessage> Add(std::string_view chunk);
    // The stream has ended: what is left is the last line.
    std::vector<FfmpegMessage> Finish();

private:
    FfmpegMessage ReadLine(std::string_view line);

    std::string partial_;
    bool droppingRest_ = false;  // the line in hand was too long and has been given out
    FfmpegMessage::Level previous_ = FfmpegMessage::Level::Info;
};

}  // namespace tavoclip
