#include "InputReport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tavoclip {
namespace {

constexpr std::string_view kStreamStart = "  Stream #0:";
constexpr std::string_view kDurationStart = "  Duration: ";
constexpr std::string_view kTagsStart = "  Metadata:";
constexpr std::string_view kGuessedLayout = "Guessed Channel Layout for Input Stream #0.";
constexpr std::string_view kTagIndent = "    ";

// FFmpeg opens at most 1000 streams of a source by default; a description
// longer than this comes from no real FFmpeg, and keeping it all would let
// such a program grow conv's memory without end.
constexpr std::size_t kMostLines = 10000;
// A stream's display matrix, among its side data:
//     Side data:
//       displaymatrix: rotation of -90.00 degrees
constexpr std::string_view kRotationStart = "      displaymatrix: rotation of ";

// Two frame rates this close are one rate printed twice: FFmpeg rounds both
// to hundredths.
constexpr double kSameRate = 0.015;

struct NamedLayout {
    std::string_view name;
    int channels;
};

// FFmpeg's names of the standard channel layouts.
constexpr std::array<NamedLayout, 31> kLayouts{{
    {"mono", 1},
    {"stereo", 2},
    {"downmix", 2},
    {"2.1", 3},
    {"3.0", 3},
    {"3.0(back)", 3},
    {"4.0", 4},
    {"quad", 4},
    {"quad(side)", 4},
    {"3.1", 4},
    {"5.0", 5},
    {"5.0(side)", 5},
    {"4.1", 5},
    {"5.1", 6},
    {"5.1(side)", 6},
    {"6.0", 6},
    {"6.0(front)", 6},
    {"hexagonal", 6},
    {"6.1", 7},
    {"6.1(back)", 7},
    {"6.1(front)", 7},
    {"7.0", 7},
    {"7.0(front)", 7},
    {"7.1", 8},
    {"7.1(wide)", 8},
    {"7.1(wide-side)", 8},
    {"7.1(top)", 8},
    {"octagonal", 8},
    {"cube", 8},
    {"hexadecagonal", 16},
    {"22.2", 24},
}};

// Splits "h264 (High), yuv420p(tv, bt709), 320x240 [SAR 1:1 DAR 4:3], 25 fps"
// at the commas that are not inside brackets.
std::vector<std::string_view> Fields(std::string_view text)
{
    std::vector<std::string_view> fields;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(' || text[i] == '[') ++depth;
        if ((text[i] == ')' || text[i] == ']') && depth > 0) --depth;
        if (depth == 0 && text.substr(i).starts_with(", ")) {
            fields.push_back(text.substr(start, i - start));
            start = i + 2;
        }
    }
    fields.push_back(text.substr(start));
    return fields;
}

// The number at the start of the text and what follows it.
template <typename Number>
std::optional<Number> LeadingNumber(std::string_view text, std::string_view* rest)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    *rest = text.substr(static_cast<std::size_t>(end - text.data()));
    return value;
}

// "29.97 fps" -> 29.97 for unit " fps"; "1k tbr" -> 1000.
std::optional<double> Rate(std::string_view field, std::string_view unit)
{
    std::string_view rest;
    auto value = LeadingNumber<double>(field, &rest);
    if (!value) return std::nullopt;
    if (rest.starts_with('k')) {
        *value *= 1000;
        rest.remove_prefix(1);
    }
    if (!rest.starts_with(unit)) return std::nullopt;
    return value;
}

std::optional<int> Channels(std::string_view layout)
{
    for (const NamedLayout& named : kLayouts)
        if (named.name == layout) return named.channels;
    std::string_view rest;
    const auto count = LeadingNumber<int>(layout, &rest);
    if (count && *count > 0 && rest.starts_with(" channels")) return count;
    return std::nullopt;
}

// "00:01:02.50" -> 62.5.
std::optional<double> Duration(std::string_view line)
{
    std::string_view rest = line.substr(kDurationStart.size());
    const auto hours = LeadingNumber<int>(rest, &rest);
    if (!hours || !rest.starts_with(':')) return std::nullopt;
    const auto minutes = LeadingNumber<int>(rest.substr(1), &rest);
    if (!minutes || !rest.starts_with(':')) return std::nullopt;
    const auto seconds = LeadingNumber<double>(rest.substr(1), &rest);
    if (!seconds) return std::nullopt;
    return *hours * 3600.0 + *minutes * 60.0 + *seconds;
}

// Reads the pixel aspect out of the size's field, "320x240 [SAR 16:11 DAR
// 16:9]"; FFmpeg leaves the brackets out when the source does not say.
void ReadPixelAspect(std::string_view field, VideoStreamInfo& video)
{
    const std::size_t at = field.find("[SAR ");
    if (at == std::string_view::npos) return;
    std::string_view rest;
    const auto width = LeadingNumber<int>(field.substr(at + 5), &rest);
    if (!width || !rest.starts_with(':')) return;
    const auto height = LeadingNumber<int>(rest.substr(1), &rest);
    if (!height || *width <= 0 || *height <= 0) return;
    video.pixelAspectWidth = *width;
    video.pixelAspectHeight = *height;
}

// "-90.00 degrees" -> -90; nullopt for anything else, such as a turn with a
// flip, which ffprobe then describes.
std::optional<int> Rotation(std::string_view text)
{
    std::string_view rest;
    const auto degrees = LeadingNumber<double>(text, &rest);
    if (!degrees || !std::isfinite(*degrees) || rest != " degrees") return std::nullopt;
    return static_cast<int>(std::lround(*degrees));
}

// Reads "flv1, yuv420p, 320x240, 25 fps, 25 tbr, 1k tbn" of video stream
// index; leaves info.video empty for a stream without a picture size.
void ReadVideo(int index, std::string_view description, SourceInfo& info)
{
    VideoStreamInfo video{index, 0, 0, 0, false};
    double average = 0;
    double real = 0;
    for (std::string_view field : Fields(description)) {
        std::string_view rest;
        const auto width = LeadingNumber<int>(field, &rest);
        if (width && rest.starts_with('x') && video.width == 0) {
            const auto height = LeadingNumber<int>(rest.substr(1), &rest);
            if (height && (rest.empty() || rest.starts_with(' '))) {
                video.width = *width;
                video.height = *height;
                ReadPixelAspect(rest, video);
            }
        }
        // The container's own pixel aspect, printed after the codec's when
        // they differ, is the one FFmpeg uses.
        if (field.starts_with("SAR ")) ReadPixelAspect("[" + std::string(field), video);
        average = Rate(field, " fps").value_or(average);
        real = Rate(field, " tbr").value_or(real);
    }
    if (video.width <= 0 || video.height <= 0) return;
    SetFrameRates(video, average, real, kSameRate);
    info.video = video;
}

// Reads "mp3, 44100 Hz, stereo, fltp, 128 kb/s"; false when the channels
// cannot be told.
bool ReadAudio(int index, std::string_view description, AudioStreamInfo& audio)
{
    const std::vector<std::string_view> fields = Fields(description);
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        std::string_view rest;
        const auto rate = LeadingNumber<int>(fields[i], &rest);
        if (!rate || rest != " Hz") continue;
        const auto channels = Channels(fields[i + 1]);
        if (!channels) return false;
        audio = AudioStreamInfo{index, *rate, *channels};
        return true;
    }
    return false;
}

// What has been read of the streams so far.
struct StreamsRead {
    int audioStreams = 0;
    bool audioIsDefault = false;
};

// Reads one "  Stream #0:1[0x2](und): Audio: ... (default)" line. The sound
// kept is the first one marked default, else the first.
bool ReadStream(std::string_view line, SourceInfo& info, StreamsRead& read)
{
    std::string_view rest;
    const auto index = LeadingNumber<int>(line.substr(kStreamStart.size()), &rest);
    const std::size_t typeStart = rest.find(": ");
    if (!index || typeStart == std::string_view::npos) return false;
    rest.remove_prefix(typeStart + 2);
    if (rest.starts_with("Video: ")) {
        // Cover art of a music file is a picture, not the video.
        if (!info.video && line.find("(attached pic)") == std::string_view::npos)
            ReadVideo(*index, rest.substr(7), info);
        return true;
    }
    if (!rest.starts_with("Audio: ")) return true;
    const int ordinal = read.audioStreams++;
    const bool isDefault = line.ends_with(" (default)") || line.find(" (default) (") != std::string_view::npos;
    if (info.audio && (read.audioIsDefault || !isDefault)) return true;
    AudioStreamInfo audio;
    if (!ReadAudio(*index, rest.substr(7), audio)) return false;
    audio.ordinal = ordinal;
    info.audio = audio;
    read.audioIsDefault = isDefault;
    return true;
}

}  // namespace

void InputReport::Add(bool isInfo, std::string_view text)
{
    if (ended_) return;
    if (!started_) {
        if (text.starts_with(kGuessedLayout)) {
            std::string_view rest;
            if (const auto index = LeadingNumber<int>(text.substr(kGuessedLayout.size()), &rest))
                guessedLayouts_.push_back(*index);
        }
        started_ = isInfo && text.starts_with("Input #0, ");
        return;
    }
    // The description is one block of indented lines; anything else ends it.
    if (!isInfo || !text.starts_with(' ')) {
        ended_ = true;
        return;
    }
    // A rotation line is indented like a tag but belongs to the picture.
    if (text.starts_with(kTagIndent) && !text.starts_with(kRotationStart)) {
        if (inTags_) AddTag(text);
        return;
    }
    inTags_ = text.starts_with(kTagsStart);
    if (!text.starts_with(kStreamStart) && !text.starts_with(kDurationStart) && !text.starts_with("  Program ") &&
        !text.starts_with(kRotationStart))
        return;
    if (lines_.size() == kMostLines) {
        tooLong_ = true;
        ended_ = true;
        return;
    }
    lines_.emplace_back(text);
}

// "    title           : My film"; a value that holds line breaks goes on
// in lines without a name ("                    : second line"). FFmpeg
// prints at most 255 characters of a value at a time and a carriage return
// as a space, so a long or odd value may differ from the source's.
void InputReport::AddTag(std::string_view line)
{
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) return;
    std::string_view name = line.substr(kTagIndent.size(), colon - kTagIndent.size());
    while (name.ends_with(' ')) name.remove_suffix(1);
    const std::string_view value = line.substr(colon + 2);
    if (name.empty() && !lastTag_.empty()) tags_[lastTag_] += "\n" + std::string(value);
    if (name.empty()) return;
    lastTag_ = name;
    tags_[lastTag_] = value;
}

std::optional<SourceInfo> InputReport::Read() const
{
    if (!started_ || !ended_ || tooLong_) return std::nullopt;
    SourceInfo info;
    StreamsRead read;
    bool hasDuration = false;
    bool inVideo = false;  // the last stream line read was the picture's
    for (const std::string& line : lines_) {
        if (line.starts_with(kRotationStart)) {
            const auto rotation = Rotation(std::string_view(line).substr(kRotationStart.size()));
            if (!rotation) return std::nullopt;
            if (inVideo) info.video->rotation = *rotation;
            continue;
        }
        const bool hadVideo = info.video.has_value();
        // Streams grouped under programs are indented deeper; ffprobe reads those.
        if (line.starts_with("  Program ")) return std::nullopt;
        if (line.starts_with(kDurationStart)) {
            const auto duration = Duration(line);
            if (!duration) return std::nullopt;
            info.durationSeconds = *duration;
            hasDuration = true;
        } else if (!ReadStream(line, info, read)) {
            return std::nullopt;
        }
        inVideo = !hadVideo && info.video.has_value();
    }
    if (!hasDuration) return std::nullopt;
    if (info.audio) {
        const int index = info.audio->index;
        info.audio->layoutKnown =
            std::find(guessedLayouts_.begin(), guessedLayouts_.end(), index) == guessedLayouts_.end();
    }
    info.tags = tags_;
    return info;
}

}  // namespace tavoclip
